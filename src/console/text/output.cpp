#include "console/text/output.h"

#include "console/text/value_format.h"

namespace zorpi {

Output::Output(OutputSink& sink) : sink_(sink) {
  pending_.reserve(kBlockSize + 4096);
}

void Output::appendValue(double value) {
  appendG(pending_, value);
}

void Output::appendValue(std::int32_t value) {
  appendD(pending_, value);
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
