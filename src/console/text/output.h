#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zorpi {

/// A value a screen shows, as a fact: the record field it belongs to, its symbol and unit as
/// the screen writes them (the unit "" where there is none), and the value as printed. A line
/// that names a choice has the choice's number as its value and the line as its symbol.
struct ShownValue {
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
  /// True when the sink hears the values shown; false by default, and then they are not
  /// worked out at all.
  virtual bool wantsValues() const { return false; }
  /// Hears each value the listing and the results show, in the order they are printed, when
  /// it wants them. Must not keep the views.
  virtual void noteValue(const ShownValue& shown) { static_cast<void>(shown); }
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
  /// True when the sink wants to hear the values shown.
  bool wantsValues() const { return wantsValues_; }
  /// Tells the sink of a value shown.
  void noteValue(const ShownValue& shown) { sink_.noteValue(shown); }
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
  bool wantsValues_;
  std::string pending_;
  bool failed_ = false;
};

}  // namespace zorpi
