#pragma once

#include <string>
#include <vector>

#include "../model/connection_record.h"

namespace zorpi {

/// An input that the calculation of its type cannot take as it stands.
struct Problem {
  std::string field;  // the field's C++ name, such as "t1"
  std::string de;     // what is wrong, in German (UTF-8)
  std::string en;     // the same in English
};

/// The problems of the inputs of the type in `typ`, in the order its menu keys ask for them:
/// a real input of its dialogues that is not a number from 1e-6 to 1e9, a count not from 1 to
/// 1000000, a choice out of range (with `beanArt` out of 1..5, `pzul` stays as it was), a
/// pair that cannot be (the first field named), and a taper whose friction angle and half
/// cone angle reach 90 degrees together (`my`). None when the calculation can take them: then
/// every result of the type is finite, and `p`, `pzul` (and the taper's `FF`, `TV`, `pAzul`,
/// `pIzul`, the clamp's `FF`, `TV`) are above 0. Only `typ` when it is not a type. The
/// program never asks: it calculates with what it has.
std::vector<Problem> check(const ConnectionRecord& r);

}  // namespace zorpi
