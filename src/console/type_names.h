#pragma once

#include <cstdint>
#include <string_view>

namespace zorpi {

/// The names a connection type goes by on screen.
struct TypeNames {
  std::string_view choice;   // its line in the type list of key a: "1 Passfeder"
  std::string_view heading;  // above its geometry: "Passfeder:"
  std::string_view listing;  // its type line in the listing: "Passfeder"
  // Where the type asks for `variante`: the listing's line for 1 and for 2, and the key the
  // geometry dialogue prints before it asks, "Innenzen=1,Flankenzen=2"; empty where the
  // dialogue lists the two lines themselves, numbered.
  std::string_view variants[2];
  std::string_view variantKey;
};

/// The names of connection type `typ`, 1 to 6.
const TypeNames& typeNames(std::int32_t typ);
/// The listing's line for `variante` 1 or 2 of connection type `typ`: "Nabe geteilt".
std::string_view variantName(std::int32_t typ, std::int32_t variante);
/// The polygon's type line in the listing for profile 1 or 2: "Polygon P3G", "Polygon P4C".
std::string_view polygonListing(std::int32_t polygonTyp);
/// The kind of loading 1 to 5 as the listing writes it, "einseitig,ruhend"; the list of key d
/// puts its number and a blank before it.
std::string_view loadText(std::int32_t beanArt);

}  // namespace zorpi
