#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "console/text/vocabulary.h"

namespace zorpi {

/// A fact the program states for a sink that wants it: what it is, the record field it
/// concerns, and texts whose meaning the kind gives (FactKind): a value has its symbol, value
/// and unit as the screen writes them (the unit "" where there is none); a choice or the type
/// the line that names it as the symbol and its number as the value; the banner its line as
/// the symbol; the kind of loading its number and words; a derived value its value as "%g"
/// writes it and its unit; a dialogue its menu key; the line being typed its text.
struct Fact {
  FactKind kind = FactKind::Value;
  std::string_view field;
  std::string_view symbol;
  std::string_view value;
  std::string_view unit;
};

/// Where screen text finally goes. Abstract so it can be mocked out for tests.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  /// Takes `size` bytes at `data`, all of them, waiting as long as that takes; false when
  /// they cannot be written at all. Must not keep the pointer.
  virtual bool write(const char* data, std::size_t size) = 0;
  /// True when the sink hears the facts; false by default, and then they are not worked out
  /// at all.
  virtual bool wantsFacts() const { return false; }
  /// Hears each fact, in the order the screens come to them, when it wants them. Must not
  /// keep the views.
  virtual void noteFact(const Fact& fact) { static_cast<void>(fact); }
};

/// Collects screen text and hands it to the sink only on `flush` (called before every wait
/// for input) or when a large block has piled up. Once the sink has failed, everything is
/// dropped and `failed()` tells the session to end.
class Output {
 public:
  explicit Output(OutputSink& sink);
  /// Appends the text unchanged.
  void append(std::string_view text) { pending_.append(text); }
  /// Appends `value` as printf's "%g" writes it; returns the text appended, valid until the
  /// next append.
  std::string_view appendValue(double value);
  /// Appends `value` as printf's "%d" writes it; returns the text as appendValue does.
  std::string_view appendValue(std::int32_t value);
  /// True when the sink wants to hear the facts.
  bool wantsFacts() const { return wantsFacts_; }
  /// Tells the sink of a fact, when it wants them.
  void noteFact(const Fact& fact) {
    if (wantsFacts_) {
      sink_.noteFact(fact);
    }
  }
  /// Hands a large pending block on, so that memory stays bounded however long the run.
  void flushIfFull() {
    if (pending_.size() >= kBlockSize) {
      flush();
    }
  }
  /// Hands everything pending to the sink; a no-op when nothing is pending.
  void flush();
  /// True once the sink could not take what was written: the screens are lost.
  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;
  OutputSink& sink_;
  bool wantsFacts_;
  std::string pending_;
  bool failed_ = false;
};

}  // namespace zorpi
