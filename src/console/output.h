#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorpi {

/// Where screen text finally goes.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  /// Takes `size` bytes at `data`; must not keep the pointer.
  virtual void write(const char* data, std::size_t size) = 0;
};

/// Writes to a file descriptor, retrying interrupted and partial writes; drops the rest of a
/// block when the descriptor fails, since nothing on screen could report that anyway.
class FdOutputSink : public OutputSink {
 public:
  explicit FdOutputSink(int fd) : fd_(fd) {}
  void write(const char* data, std::size_t size) override;

 private:
  int fd_;
};

/// Collects screen text and hands it to the sink only on `flush` (called before every wait
/// for input) or when a large block has piled up.
class Output {
 public:
  explicit Output(OutputSink& sink);
  /// Appends the text unchanged.
  void append(std::string_view text) { pending_.append(text); }
  /// Direct access for formatting into the pending block; call `flushIfFull` afterwards.
  std::string& pending() { return pending_; }
  /// Hands a large pending block on, so that memory stays bounded however long the run.
  void flushIfFull() {
    if (pending_.size() >= kBlockSize) {
      flush();
    }
  }
  /// Hands everything pending to the sink; a no-op when nothing is pending.
  void flush();

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;
  OutputSink& sink_;
  std::string pending_;
};

}  // namespace zorpi
