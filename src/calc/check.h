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
/// an input of its dialogues that is not a finite number above 0, a count or choice out of
/// range (with `beanArt` out of 1..5, `pzul` stays as it was), and a pair that cannot be
/// (the first field named). None when the calculation can take them; only `typ` when it is
/// not a type. The program never asks: it calculates with what it has.
std::vector<Problem> check(const ConnectionRecord& r);

}  // namespace zorpi
