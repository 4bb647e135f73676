#include "console/text/number_item.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zorpi {

namespace {

// A double needs at most 767 significant decimal digits to be rounded correctly; the digits
// after those only matter for whether they were all zero.
constexpr std::size_t kMaxDigits = 800;
// The point shift counts digits, so it saturates only after 10^15 of them: a petabyte typed
// into one number, which no run reaches. Up to there it is exact.
constexpr std::int64_t kShiftLimit = 1'000'000'000'000'000;
// The written exponent saturates here. Even after the largest shift (4 x kShiftLimit for
// hexadecimal digits) a saturated exponent stays beyond kResultLimit, so saturation never
// changes the value; and ten times the limit plus a digit still fits in 64 bits.
constexpr std::int64_t kExponentLimit = 100'000'000'000'000'000;
// Far beyond any exponent that still gives a finite, non-zero double from at most
// kMaxDigits + 1 digits; what strtod is handed is clamped to it.
constexpr std::int64_t kResultLimit = 1'000'000;
constexpr char kInfinity[] = "infinity";
constexpr char kNan[] = "nan";

bool isDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

// Returned for a character that is no digit of the base in question.
constexpr int kNotADigit = -1;

// The value of a hexadecimal digit, or kNotADigit.
int hexValue(char c) {
  if (isDecimalDigit(c)) {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return kNotADigit;
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isSign(char c) {
  return c == '+' || c == '-';
}

template <typename Item>
std::size_t takeLeading(Item& item, std::string_view text) {
  std::size_t taken = 0;
  while (taken < text.size() && item.take(text[taken])) {
    ++taken;
  }
  return taken;
}

}  // namespace

void RealItem::takeDigit(int digit) {
  onlyZero_ = part_ == Part::Mantissa && !mantissaDigits_ && !pointTaken_ && digit == 0;
  mantissaDigits_ = true;
  if (digits_.empty() && digit == 0) {
    // A leading zero: after the point it moves the first significant digit one place down.
    if (pointTaken_ && pointShift_ > -kShiftLimit) {
      --pointShift_;
    }
    return;
  }
  if (!pointTaken_ && pointShift_ < kShiftLimit) {
    ++pointShift_;
  }
  if (digits_.size() < kMaxDigits) {
    digits_ += "0123456789abcdef"[digit];
  } else if (digit != 0) {
    cutNonZero_ = true;
  }
}

bool RealItem::takeExponentChar(char c) {
  if (isSign(c) && exponentSignAllowed_) {
    exponentNegative_ = c == '-';
    exponentSignAllowed_ = false;
    return true;
  }
  if (!isDecimalDigit(c)) {
    return false;
  }
  exponentDigits_ = true;
  exponentSignAllowed_ = false;
  exponent_ = std::min(exponent_ * 10 + (c - '0'), kExponentLimit);
  return true;
}

bool RealItem::takeMantissaChar(char c) {
  const bool hex = part_ == Part::HexMantissa;
  const int digit = hex ? hexValue(c) : (isDecimalDigit(c) ? c - '0' : kNotADigit);
  if (digit != kNotADigit) {
    takeDigit(digit);
    return true;
  }
  if (c == '.' && !pointTaken_) {
    pointTaken_ = true;
    onlyZero_ = false;
    return true;
  }
  if (lower(c) == 'x' && onlyZero_) {
    part_ = Part::HexMantissa;
    mantissaDigits_ = false;
    onlyZero_ = false;
    return true;
  }
  if (lower(c) == (hex ? 'p' : 'e') && mantissaDigits_) {
    part_ = hex ? Part::HexExponent : Part::Exponent;
    exponentSignAllowed_ = true;
    return true;
  }
  return false;
}

bool RealItem::takeStartChar(char c) {
  if (isSign(c) && !signTaken_) {
    signTaken_ = true;
    negative_ = c == '-';
    return true;
  }
  if (isDecimalDigit(c) || c == '.') {
    part_ = Part::Mantissa;
    return takeMantissaChar(c);
  }
  if (lower(c) == kInfinity[0] || lower(c) == kNan[0]) {
    part_ = lower(c) == kNan[0] ? Part::Nan : Part::Infinity;
    lettersMatched_ = 1;
    return true;
  }
  return false;
}

bool RealItem::takeInfinityChar(char c) {
  if (lettersMatched_ < 8 && lower(c) == kInfinity[lettersMatched_]) {
    ++lettersMatched_;
    return true;
  }
  return false;
}

bool RealItem::takeNanChar(char c) {
  if (lettersMatched_ < 3 && lower(c) == kNan[lettersMatched_]) {
    ++lettersMatched_;
    return true;
  }
  if (lettersMatched_ == 3 && c == '(') {
    part_ = Part::NanSequence;
    return true;
  }
  return false;
}

// The sequence is only read over: every NaN gets the same value, whatever it says.
bool RealItem::takeNanSequenceChar(char c) {
  if (c == ')') {
    part_ = Part::NanClosed;
    return true;
  }
  return isDecimalDigit(c) || (lower(c) >= 'a' && lower(c) <= 'z') || c == '_';
}

bool RealItem::take(char c) {
  switch (part_) {
    case Part::Start:
      return takeStartChar(c);
    case Part::Mantissa:
    case Part::HexMantissa:
      return takeMantissaChar(c);
    case Part::Exponent:
    case Part::HexExponent:
      return takeExponentChar(c);
    case Part::Infinity:
      return takeInfinityChar(c);
    case Part::Nan:
      return takeNanChar(c);
    case Part::NanSequence:
      return takeNanSequenceChar(c);
    case Part::NanClosed:
      return false;
  }
  return false;
}

std::size_t RealItem::take(std::string_view text) {
  return takeLeading(*this, text);
}

bool RealItem::complete() const {
  switch (part_) {
    case Part::Mantissa:
    case Part::HexMantissa:
      return mantissaDigits_;
    case Part::Exponent:
    case Part::HexExponent:
      return exponentDigits_;
    case Part::Infinity:
      return lettersMatched_ == 3 || lettersMatched_ == 8;
    case Part::Nan:
      return lettersMatched_ == 3;
    case Part::NanClosed:
      return true;
    default:
      return false;
  }
}

double RealItem::value() const {
  // Not the platform's strtod: it may put a sequence's bits into the NaN, or drop its quiet
  // bit. One quiet NaN, with the sign typed, on every platform.
  if (part_ == Part::Nan || part_ == Part::NanClosed) {
    return std::copysign(std::numeric_limits<double>::quiet_NaN(), negative_ ? -1.0 : 1.0);
  }
  // A short text with the item's value for strtod: the kept digits, a 1 standing for any
  // non-zero digits cut off (enough for strtod to round as it would on the whole item), and
  // the exponent that puts the point back where it was.
  std::string text = negative_ ? "-" : "";
  const bool hex = part_ == Part::HexMantissa || part_ == Part::HexExponent;
  if (part_ == Part::Infinity) {
    text += "inf";
  } else if (digits_.empty()) {
    text += "0";
  } else {
    const std::int64_t writtenExponent = exponentNegative_ ? -exponent_ : exponent_;
    const std::int64_t exponent =
        std::clamp((hex ? 4 : 1) * pointShift_ + writtenExponent, -kResultLimit, kResultLimit);
    text += hex ? "0x0." : "0.";
    text += digits_;
    text += cutNonZero_ ? "1" : "";
    text += hex ? "p" : "e";
    text += std::to_string(exponent);
  }
  return std::strtod(text.c_str(), nullptr);
}

bool IntItem::take(char c) {
  if (isSign(c) && !signTaken_ && !digits_) {
    signTaken_ = true;
    negative_ = c == '-';
    return true;
  }
  if (!isDecimalDigit(c)) {
    return false;
  }
  digits_ = true;
  constexpr std::int64_t kBeyond = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;
  if (magnitude_ < kBeyond) {
    magnitude_ = magnitude_ * 10 + (c - '0');
  }
  return true;
}

std::size_t IntItem::take(std::string_view text) {
  return takeLeading(*this, text);
}

std::int32_t IntItem::value() const {
  const std::int64_t signedValue = negative_ ? -magnitude_ : magnitude_;
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(signedValue, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}

}  // namespace zorpi
