#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorpi {

/// The input item of a "%lf" read, taken one character at a time: the longest prefix of a
/// decimal, hexadecimal, inf/infinity or nan/nan(...) number, any case, optional sign. Holds
/// a bounded amount however long the item is.
class RealItem {
 public:
  /// Takes `c` when the text so far followed by `c` can still begin a number; false leaves
  /// `c` unread and the item as it was.
  bool take(char c);
  /// Takes the leading characters of `text` that continue the item; returns how many.
  std::size_t take(std::string_view text);
  /// True when the text taken so far is a whole number, not just the beginning of one.
  bool complete() const;
  /// The item's value as std::strtod gives it in the "C" locale, whatever its length; a NaN
  /// is always the quiet one with the sign typed. Only when `complete()`.
  double value() const;

 private:
  enum class Part {
    Start,        // nothing yet, or only a sign
    Mantissa,     // decimal digits and point
    Exponent,     // after e or E
    HexMantissa,  // after 0x
    HexExponent,  // after p or P
    Infinity,     // a prefix of "infinity"
    Nan,          // a prefix of "nan"
    NanSequence,  // inside "nan(...)"
    NanClosed,    // after "nan(...)"
  };
  // One step per part: each takes `c` when it continues the item in that part.
  bool takeStartChar(char c);
  bool takeMantissaChar(char c);
  bool takeExponentChar(char c);
  bool takeInfinityChar(char c);
  bool takeNanChar(char c);
  bool takeNanSequenceChar(char c);
  void takeDigit(int digit);

  Part part_ = Part::Start;
  bool negative_ = false;
  bool signTaken_ = false;
  // Mantissa: significant digits from the first non-zero one, the first kMaxDigits kept.
  std::string digits_;
  bool mantissaDigits_ = false;  // any digit at all, zeros included
  bool onlyZero_ = false;        // the mantissa so far is exactly "0" (so 0x may follow)
  bool pointTaken_ = false;
  bool cutNonZero_ = false;  // a non-zero digit beyond kMaxDigits was dropped
  // value = 0.digits_ x base^pointShift_ x (10 or 2)^exponent_
  std::int64_t pointShift_ = 0;
  std::int64_t exponent_ = 0;
  bool exponentNegative_ = false;
  bool exponentSignAllowed_ = false;
  bool exponentDigits_ = false;
  int lettersMatched_ = 0;  // of "infinity" or "nan"
};

/// The input item of a "%d" read: an optional sign and decimal digits, taken one character at
/// a time; values outside 32 bits saturate at INT32_MIN or INT32_MAX.
class IntItem {
 public:
  /// Takes `c` when it continues the item; false leaves it unread.
  bool take(char c);
  /// Takes the leading characters of `text` that continue the item; returns how many.
  std::size_t take(std::string_view text);
  /// True once at least one digit was taken.
  bool complete() const { return digits_; }
  /// The item's value, saturated to 32 bits; only when `complete()`.
  std::int32_t value() const;

 private:
  bool negative_ = false;
  bool signTaken_ = false;
  bool digits_ = false;
  std::int64_t magnitude_ = 0;  // stops growing just past the 32-bit range
};

}  // namespace zorpi
