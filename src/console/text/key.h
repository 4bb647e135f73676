#pragma once

namespace zorpi {

/// What a key read gives: a character code 0 to 255, or one of the markers below.
using Key = int;

/// No key can come any more: the keyboard, or the script on standard input, has ended.
constexpr Key kEndOfKeys = -1;
/// Nothing was typed ahead: the key must come from the keyboard itself.
constexpr Key kNoTypedAheadKey = -2;

}  // namespace zorpi
