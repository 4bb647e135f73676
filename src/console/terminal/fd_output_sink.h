#pragma once

#include <cstddef>

#include "console/text/output.h"

namespace zorpi {

/// The file descriptor of standard output.
constexpr int kStandardOutput = 1;

/// Writes bytes unchanged to a file descriptor (binary, "\n" stays "\n"): retries interrupted
/// and partial writes, and waits while a non-blocking descriptor is full; false on any other
/// error (a full disk, a pipe with no reader, an I/O error). Each platform's terminal file
/// defines it.
class FdOutputSink : public OutputSink {
 public:
  explicit FdOutputSink(int fd) : fd_(fd) {}
  bool write(const char* data, std::size_t size) override;
  /// The page hears the facts; a terminal has no use for them.
  bool wantsFacts() const override;
  void noteFact(const Fact& fact) override;

 private:
  int fd_;
};

}  // namespace zorpi
