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
/// its on-screen symbol; every field starts at 0. Fields shared by several connection types
/// hold one value for all. Each comment gives the meaning, the unit and the types that use
/// the field; the Python module's help is made from them.
struct ConnectionRecord {
  // Selectors and counts.
  std::int32_t typ = 0;         // connection type 1..6 (ConnectionType); all types
  std::int32_t beanArt = 0;     // kind of loading 1..5 (LoadType), 0 = not chosen; types 1-4
  std::int32_t polygonTyp = 0;  // polygon profile: 1 = P3G, 2 = P4C, 0 = not chosen; type 4
  std::int32_t variante = 0;    // 1 or 2, 0 = not chosen: centring (2), tooth form (3), hub (6)
  std::int32_t i = 0;           // number of keys (1), of splines (2), count on FV in p (6)
  std::int32_t z = 0;           // number of teeth; type 3
  std::int32_t m = 0;           // count on FV in the bending stress of the clamp; type 6

  // Entered values.
  double T = 0;    // torque to transmit, Nm; types 1-4
  double p0 = 0;   // base value of the allowable flank pressure, N/mm2; all types
  double DA = 0;   // outer diameter of the hub, mm; type 5
  double Sp = 0;   // safety factor against yielding, no unit; type 5
  double ReA = 0;  // yield strength of the hub, N/mm2; type 5
  double ReI = 0;  // yield strength of the shaft, N/mm2; type 5
  double d = 0;    // shaft diameter, mm; types 1, 6 (a taper calculation stores its small one)
  double lt = 0;   // load-bearing length, mm; types 1-4
  double h = 0;    // key height, mm; type 1 (spline and serration calculations store theirs)
  double t1 = 0;   // keyway depth in the shaft, mm; type 1
  double d1 = 0;   // diameter d1, mm; types 2 (spline shaft), 4 (P3G)
  double d2 = 0;   // diameter d2, mm; types 2, 3 and 4 (P4C)
  double d3 = 0;   // diameter d3, mm; type 3
  double e1 = 0;   // eccentricity of the P3G profile, mm; type 4
  double e = 0;    // dimension e of the P4C profile, mm; type 4
  double er = 0;   // dimension er of the P4C profile, mm; type 4
  double X = 0;    // taper ratio, the taper is 1:X, no unit; type 5
  double D = 0;    // large diameter of the taper, mm; type 5
  double L = 0;    // length of the taper, mm; type 5
  double FV = 0;   // axial force, N: press-on force (5), clamping force (6)
  double my = 0;   // coefficient of friction, no unit; types 5, 6
  double l = 0;    // hub length of the clamp, mm; type 6
  double ls = 0;   // lever length of the clamp, mm; type 6
  double a = 0;    // section dimension a of the clamp, mm; type 6

  // Derived values and results, written only by the calculations.
  double p = 0;      // mean surface pressure in the joint, N/mm2; all types
  double pzul = 0;   // allowable surface pressure, N/mm2; all types
  double rm = 0;     // mean radius of the load-bearing flanks, mm; types 1-3
  double ki = 0;     // effective number of keys, no unit; type 1
  double phi = 0;    // load-share factor of the splines or teeth, no unit; types 2, 3
  double dm = 0;     // reference diameter of the P4C profile, mm; type 4
  double C = 0;      // taper per unit length 1/X, no unit; type 5
  double DF = 0;     // mean diameter of the taper, mm; type 5
  double rho = 0;    // friction angle, rad; type 5
  double alpha = 0;  // half cone angle, rad; type 5
  double FF = 0;     // friction force in the joint, N; types 5, 6
  double TV = 0;     // transmittable torque, Nm; types 5, 6
  double Q = 0;      // diameter ratio DF/DA, no unit; type 5
  double pAzul = 0;  // allowable pressure for the hub, N/mm2; type 5
  double pIzul = 0;  // allowable pressure for the shaft, N/mm2; type 5
  double kp = 0;     // pressure factor of the clamp design, no unit; type 6
  double kb = 0;     // bending factor of the clamp design, no unit; type 6
  double W = 0;      // section modulus of the clamp section, mm3; type 6
  double SigB = 0;   // bending stress in the clamp, N/mm2; type 6
};

/// Returns the start-up record: the complete taper example, every other field 0.
ConnectionRecord createDefaultRecord();

}  // namespace zorpi
