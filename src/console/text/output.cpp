#include "console/text/output.h"

#include "console/text/value_format.h"

namespace zorpi {

Output::Output(OutputSink& sink) : sink_(sink), wantsFacts_(sink.wantsFacts()) {
  pending_.reserve(kBlockSize + 4096);
}

std::string_view Output::appendValue(double value) {
  const std::size_t from = pending_.size();
  appendG(pending_, value);
  return std::string_view(pending_).substr(from);
}

std::string_view Output::appendValue(std::int32_t value) {
  const std::size_t from = pending_.size();
  appendD(pending_, value);
  return std::string_view(pending_).substr(from);
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
