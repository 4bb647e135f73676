#include "console/output.h"

namespace zorpi {

Output::Output(OutputSink& sink) : sink_(sink) {
  pending_.reserve(kBlockSize + 4096);
}

void Output::flush() {
  if (pending_.empty()) {
    return;
  }
  if (!failed_ && !sink_.write(pending_.data(), pending_.size())) {
    failed_ = true;
  }
  pending_.clear();
}

}  // namespace zorpi
