#pragma once

#include <cstddef>

#include "console/text/input_source.h"
#include "console/text/key.h"
#include "console/text/output.h"
#include "console/text/typed_input.h"

namespace zorpi {

/// The one reader of keys. A session is in one of three situations, fixed by its input:
/// without a keyboard the keys are the script's, taken from standard input in order; with
/// standard input redirected, codes that reach the keyboard together are keys, each as if
/// typed alone; at the keyboard with standard input its own terminal, keys typed or pasted
/// ahead are taken first, and codes that arrive together are typed ahead.
class KeyReader {
 public:
  /// Reads from `source`, flushing `output` before a wait; `typed` is the session's number
  /// stream, which holds the script and the text typed ahead.
  KeyReader(InputSource& source, Output& output, TypedInput& typed)
      : source_(source), output_(output), typed_(typed) {}

  /// Waits for one keystroke for `kind` and returns its code 0..255 without echo; kEndOfKeys
  /// once the keys have ended or the output has failed, and from then on. A key pressed
  /// alone is taken as it is, Enter included.
  Key read(ReadKind kind);
  /// True once a read has met the end of the keys or the output has failed.
  bool ended() const { return ended_ || output_.failed(); }
  /// How many bytes of what the keyboard or the script handed over last follow the last key
  /// taken.
  std::size_t untakenAfterLastKey() const { return untakenAfterLastKey_; }

 private:
  Key fromScript();
  Key fromBurst(ReadKind kind);
  Key fromKeyboard(ReadKind kind);
  /// Notes the end of the keys; `key` itself, or kEndOfKeys once the output has failed.
  Key keyOrEnd(Key key);

  InputSource& source_;
  Output& output_;
  TypedInput& typed_;
  bool ended_ = false;
  std::size_t untakenAfterLastKey_ = 0;
  // A burst from the keyboard while standard input is redirected: its lines cannot answer
  // the reads that come from there, so it is only keys.
  char burst_[kKeyboardBurst];
  std::size_t burstPos_ = 0;
  std::size_t burstEnd_ = 0;
};

}  // namespace zorpi
