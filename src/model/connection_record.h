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

/// The fixed seven-digit constants of the method; deliberately not full precision.
constexpr double kPi = 3.141593;
constexpr double kSqrt3 = 1.732051;
constexpr double kDegreesPerRadian = 57.29578;

/// All selections, inputs, derived values and results of one design, each field named by
/// its on-screen symbol. Fields shared by several connection types hold one value for all.
struct ConnectionRecord {
  // Selectors and counts. `polygonTyp`: 1 = P3G, 2 = P4C. `variante`: 1 or 2, meaning
  // depends on `typ`. 0 means not chosen for `beanArt`, `polygonTyp` and `variante`.
  std::int32_t typ;
  std::int32_t beanArt;
  std::int32_t polygonTyp;
  std::int32_t variante;
  std::int32_t i;
  std::int32_t z;
  std::int32_t m;

  // Entered values (mm, N, Nm, N/mm2).
  double T;
  double p0;
  double DA;
  double Sp;
  double ReA;
  double ReI;
  double d;  // also the small taper diameter after a taper calculation
  double lt;
  double h;  // also the flank height after a spline or serration calculation
  double t1;
  double d1;
  double d2;
  double d3;
  double e1;
  double e;
  double er;
  double X;
  double D;
  double L;
  double FV;
  double my;
  double l;
  double ls;
  double a;

  // Derived values and results.
  double p;
  double pzul;
  double rm;
  double ki;
  double phi;
  double dm;
  double C;
  double DF;
  double rho;
  double alpha;
  double FF;
  double TV;
  double Q;
  double pAzul;
  double pIzul;
  double kp;
  double kb;
  double W;
  double SigB;
};

/// Returns the start-up record: the complete taper example, every other field 0.
ConnectionRecord createDefaultRecord();

}  // namespace zorpi
