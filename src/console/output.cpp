#include "console/output.h"

#include <unistd.h>

#include <cerrno>

namespace zorpi {

void FdOutputSink::write(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
}

Output::Output(OutputSink& sink) : sink_(sink) {
  pending_.reserve(kBlockSize + 4096);
}

void Output::flush() {
  if (pending_.empty()) {
    return;
  }
  sink_.write(pending_.data(), pending_.size());
  pending_.clear();
}

}  // namespace zorpi
