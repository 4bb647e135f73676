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
/// hold one value for all. Each field's comment (its meaning, unit and types) is made from
/// doc/help.md by tools/help_texts.py, as the Python module's help is.
struct ConnectionRecord {
  // Selectors and counts.
  /// connection type, 1 to 6 (all types).
  std::int32_t typ = 0;
  /// kind of loading 1 to 5, 0 for none chosen (types 1 to 4).
  std::int32_t beanArt = 0;
  /// profile, 1 or 2 (type 4).
  std::int32_t polygonTyp = 0;
  /// centring, 1 or 2 (type 2); tooth form, 1 or 2 (type 3); hub design, 1 or 2 (type 6).
  std::int32_t variante = 0;
  /// number of keys, 1 or 2 (type 1); number of splines (type 2); count that multiplies FV in the
  /// surface pressure (type 6).
  std::int32_t i = 0;
  /// number of teeth (type 3).
  std::int32_t z = 0;
  /// count that multiplies FV in the bending stress (type 6).
  std::int32_t m = 0;

  // Entered values.
  /// torque to transmit, Nm (types 1 to 4).
  double T = 0;
  /// base value of the allowable surface pressure, N/mm2 (all types).
  double p0 = 0;
  /// outer diameter of the hub, mm (type 5).
  double DA = 0;
  /// safety factor against yielding (type 5).
  double Sp = 0;
  /// yield strength of the outer part, the hub, N/mm2 (type 5).
  double ReA = 0;
  /// yield strength of the inner part, the shaft, N/mm2 (type 5).
  double ReI = 0;
  /// shaft diameter, mm (types 1 and 6); small diameter of the taper, mm (type 5).
  double d = 0;
  /// load-bearing length, mm (types 1 to 4).
  double lt = 0;
  /// key height, mm (type 1); flank height, written into h by the calculation, mm (types 2 and 3).
  double h = 0;
  /// keyway depth in the shaft, mm (type 1).
  double t1 = 0;
  /// inner diameter, mm (type 2); P3G: diameter d1, mm (type 4).
  double d1 = 0;
  /// outer diameter, mm (type 2); smaller diameter, mm (type 3); P4C: diameter d2, mm (type 4).
  double d2 = 0;
  /// larger diameter, mm (type 3).
  double d3 = 0;
  /// P3G: eccentricity, mm (type 4).
  double e1 = 0;
  /// P4C: dimension e, mm (type 4).
  double e = 0;
  /// P4C: dimension er, mm (type 4).
  double er = 0;
  /// taper ratio X, the number (shown as 1:X) (type 5).
  double X = 0;
  /// large diameter of the taper, mm (type 5).
  double D = 0;
  /// length of the taper, mm (type 5).
  double L = 0;
  /// press-on force (axial), N (type 5); clamping force, N (type 6).
  double FV = 0;
  /// coefficient of friction (types 5 and 6).
  double my = 0;
  /// hub length, mm (type 6).
  double l = 0;
  /// lever length, mm (type 6).
  double ls = 0;
  /// section dimension a of the clamp, mm (type 6).
  double a = 0;

  // Derived values and results, written only by the calculations.
  /// mean surface pressure in the joint, N/mm2 (all types).
  double p = 0;
  /// allowable surface pressure, N/mm2 (all types).
  double pzul = 0;
  /// mean radius of the load-bearing flanks, mm (types 1 to 3).
  double rm = 0;
  /// effective number of keys (type 1).
  double ki = 0;
  /// load-share factor of the splines or teeth (types 2 and 3).
  double phi = 0;
  /// reference diameter of the P4C profile, mm (type 4).
  double dm = 0;
  /// taper per unit length, 1/X (type 5).
  double C = 0;
  /// mean diameter of the taper, mm (type 5).
  double DF = 0;
  /// friction angle (key g shows it in degrees), rad (type 5).
  double rho = 0;
  /// half cone angle (key g shows the full angle in degrees), rad (type 5).
  double alpha = 0;
  /// friction force in the joint, N (types 5 and 6).
  double FF = 0;
  /// transmittable torque, Nm (types 5 and 6).
  double TV = 0;
  /// diameter ratio DF/DA of the hub (type 5).
  double Q = 0;
  /// allowable pressure of the hub, N/mm2 (type 5).
  double pAzul = 0;
  /// allowable pressure of the shaft, N/mm2 (type 5).
  double pIzul = 0;
  /// pressure factor of the hub design (type 6).
  double kp = 0;
  /// bending factor of the hub design (type 6).
  double kb = 0;
  /// section modulus of the clamp section, mm3 (type 6).
  double W = 0;
  /// bending stress in the clamp, N/mm2 (type 6).
  double SigB = 0;
};

/// Returns the start-up record: the complete taper example, every other field 0.
ConnectionRecord createDefaultRecord();

}  // namespace zorpi
