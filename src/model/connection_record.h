#pragma once

#include <cstdint>

namespace zorpi {

/// Connection type held in `ConnectionRecord::typ`.
enum ConnectionType : std::int32_t {
  Passfeder = 1,  // parallel key
  Keilwelle = 2,  // spline shaft
  Zahnwelle = 3,  // serrated or involute spline shaft
  Polygon = 4,    // polygon profile P3G or P4C
  Kegel = 5,      // taper connection 1:X
  Klemm = 6,      // clamp connection
};

/// Kind of loading held in `ConnectionRecord::beanArt`; 0 there means not chosen.
enum LoadType : std::int32_t {
  EinseitigRuhend = 1,
  EinseitigLeicht = 2,
  EinseitigStark = 3,
  WechselndLeicht = 4,
  WechselndStark = 5,
};

/// True for the form-fit types 1 to 4, which take a torque and a kind of loading; false for
/// the taper, the clamp and any value outside 1..6.
constexpr bool isFormFit(std::int32_t typ) {
  return typ >= Passfeder && typ <= Polygon;
}

/// The fixed seven-digit constants of the method; deliberately not full precision.
constexpr double kPi = 3.141593;
constexpr double kSqrt3 = 1.732051;
constexpr double kDegreesPerRadian = 57.29578;
/// A force in N times a diameter in mm, times this, is the torque in Nm: half the diameter is
/// the lever arm, and 1000 Nmm make 1 Nm.
constexpr double kNmPerNmmDiameter = 0.0005;

/// All selections, inputs, derived values and results of one design, each field named by
/// its on-screen symbol. Fields shared by several connection types hold one value for all.
/// Each comment gives the meaning, the unit and the types that use the field.
struct ConnectionRecord {
  // Selectors and counts.
  std::int32_t typ;         // connection type 1..6 (ConnectionType); all types
  std::int32_t beanArt;     // kind of loading 1..5 (LoadType), 0 = not chosen; types 1-4
  std::int32_t polygonTyp;  // polygon profile: 1 = P3G, 2 = P4C, 0 = not chosen; type 4
  std::int32_t variante;    // 1 or 2, 0 = not chosen: centring (2), tooth form (3), hub (6)
  std::int32_t i;           // number of keys (1), of splines (2), count on FV in p (6)
  std::int32_t z;           // number of teeth; type 3
  std::int32_t m;           // count on FV in the bending stress of the clamp; type 6

  // Entered values.
  double T;    // torque to transmit, Nm; types 1-4
  double p0;   // base value of the allowable flank pressure, N/mm2; all types
  double DA;   // outer diameter of the hub, mm; type 5
  double Sp;   // safety factor against yielding, no unit; type 5
  double ReA;  // yield strength of the hub, N/mm2; type 5
  double ReI;  // yield strength of the shaft, N/mm2; type 5
  double d;    // shaft diameter, mm; types 1, 6 (a taper calculation stores its small one)
  double lt;   // load-bearing length, mm; types 1-4
  double h;    // key height, mm; type 1 (spline and serration calculations store theirs)
  double t1;   // keyway depth in the shaft, mm; type 1
  double d1;   // diameter d1, mm; types 2 (spline shaft), 4 (P3G)
  double d2;   // diameter d2, mm; types 2, 3 and 4 (P4C)
  double d3;   // diameter d3, mm; type 3
  double e1;   // eccentricity of the P3G profile, mm; type 4
  double e;    // dimension e of the P4C profile, mm; type 4
  double er;   // dimension er of the P4C profile, mm; type 4
  double X;    // taper ratio, the taper is 1:X, no unit; type 5
  double D;    // large diameter of the taper, mm; type 5
  double L;    // length of the taper, mm; type 5
  double FV;   // axial force, N: press-on force (5), clamping force (6)
  double my;   // coefficient of friction, no unit; types 5, 6
  double l;    // hub length of the clamp, mm; type 6
  double ls;   // lever length of the clamp, mm; type 6
  double a;    // section dimension a of the clamp, mm; type 6

  // Derived values and results, written only by the calculations.
  double p;      // mean surface pressure in the joint, N/mm2; all types
  double pzul;   // allowable surface pressure, N/mm2; all types
  double rm;     // mean radius of the load-bearing flanks, mm; types 1-3
  double ki;     // effective number of keys, no unit; type 1
  double phi;    // load-share factor of the splines or teeth, no unit; types 2, 3
  double dm;     // reference diameter of the P4C profile, mm; type 4
  double C;      // taper per unit length 1/X, no unit; type 5
  double DF;     // mean diameter of the taper, mm; type 5
  double rho;    // friction angle, rad; type 5
  double alpha;  // half cone angle, rad; type 5
  double FF;     // friction force in the joint, N; types 5, 6
  double TV;     // transmittable torque, Nm; types 5, 6
  double Q;      // diameter ratio DF/DA, no unit; type 5
  double pAzul;  // allowable pressure for the hub, N/mm2; type 5
  double pIzul;  // allowable pressure for the shaft, N/mm2; type 5
  double kp;     // pressure factor of the clamp design, no unit; type 6
  double kb;     // bending factor of the clamp design, no unit; type 6
  double W;      // section modulus of the clamp section, mm3; type 6
  double SigB;   // bending stress in the clamp, N/mm2; type 6
};

/// Returns the start-up record: the complete taper example, every other field 0.
ConnectionRecord createDefaultRecord();

}  // namespace zorpi
