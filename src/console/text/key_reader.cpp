#include "console/text/key_reader.h"

#include <algorithm>

namespace zorpi {

Key KeyReader::read(ReadKind kind) {
  if (ended()) {
    return kEndOfKeys;
  }
  if (!source_.hasKeyboard()) {
    return keyOrEnd(fromScript());
  }
  if (!source_.standardInputIsKeyboard()) {
    return keyOrEnd(fromBurst(kind));
  }
  return keyOrEnd(fromKeyboard(kind));
}

Key KeyReader::fromScript() {
  untakenAfterLastKey_ = 0;
  return typed_.takeScriptKey();
}

Key KeyReader::fromBurst(ReadKind kind) {
  if (burstPos_ == burstEnd_) {
    burstPos_ = 0;
    const KeyWait wait{kind, typed_.unreadNumberText()};
    burstEnd_ = source_.readKeyboard(output_, wait, burst_, sizeof burst_);
    if (burstEnd_ == 0) {
      return kEndOfKeys;
    }
  }
  const Key key = static_cast<unsigned char>(burst_[burstPos_++]);
  untakenAfterLastKey_ = burstEnd_ - burstPos_;
  return key;
}

Key KeyReader::fromKeyboard(ReadKind kind) {
  for (;;) {
    const Key ahead = typed_.takeTypedAheadKey();
    if (ahead != kNoTypedAheadKey) {
      untakenAfterLastKey_ = typed_.untakenAfterKey();
      return ahead;
    }
    // The keyboard's codes go straight behind what is unread; only a burst is kept there.
    // With no room left (a number line as long as the block), keys come one at a time.
    std::size_t room = 0;
    char* keys = typed_.makeRoomForTypedAhead(room);
    char single = 0;
    if (room == 0) {
      keys = &single;
      room = 1;
    }
    // Only now: making room moves the unread text.
    const KeyWait wait{kind, typed_.unreadNumberText()};
    const std::size_t got =
        source_.readKeyboard(output_, wait, keys, std::min(room, kKeyboardBurst));
    if (got <= 1) {
      untakenAfterLastKey_ = 0;
      return got == 1 ? static_cast<unsigned char>(keys[0]) : kEndOfKeys;
    }
    typed_.keepTypedAhead(got);
  }
}

Key KeyReader::keyOrEnd(Key key) {
  ended_ = key == kEndOfKeys;
  return ended() ? kEndOfKeys : key;
}

}  // namespace zorpi
