#include "console/type_names.h"

namespace zorpi {

namespace {

// By connection type 1 to 6 (ConnectionType).
constexpr TypeNames kTypes[] = {
    {"1 Passfeder", "Passfeder:", "Passfeder", {}, {}},
    {"2 Keilwelle",
     "Keilwelle:",
     "Keilwelle",
     {"Innenzentrierung", "Flankenzentrierung"},
     "Innenzen=1,Flankenzen=2"},
    {"3 Zahnwelle",
     "Zahnwelle:",
     "Zahnwelle",
     {"Kerbverzahnung", "Evolventenverzahnung"},
     "Kerbver=1,Evolv.ver=2"},
    {"4 Polygonverb.", "Polygon:1 P3G / 2 P4C", "Polygon", {}, {}},
    {"5 Kegelverb. 1:X", "Kegelverbindung:", "Kegelverb.", {}, {}},
    {"6 Klemmverb.", "Klemmverb.:", "Klemmverb.", {"Nabe geteilt", "Nabe geschlitzt"}, {}},
};

// By polygon profile 1 and 2.
constexpr std::string_view kPolygons[] = {"Polygon P3G", "Polygon P4C"};

// By kind of loading 1 to 5 (LoadType).
constexpr std::string_view kLoads[] = {
    "einseitig,ruhend",         "einseit.,leichte Stoesse", "einseit.,starke Stoesse",
    "wechsel.,leichte Stoesse", "wechsel.,starke Stoesse",
};

}  // namespace

const TypeNames& typeNames(std::int32_t typ) {
  return kTypes[typ - 1];
}

std::string_view variantName(std::int32_t typ, std::int32_t variante) {
  return typeNames(typ).variants[variante - 1];
}

std::string_view polygonListing(std::int32_t polygonTyp) {
  return kPolygons[polygonTyp - 1];
}

std::string_view loadText(std::int32_t beanArt) {
  return kLoads[beanArt - 1];
}

}  // namespace zorpi
