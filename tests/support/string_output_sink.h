#pragma once

#include <cstddef>
#include <string>

#include "console/text/output.h"

namespace zorpi::testing {

/// Collects everything written, for tests that drive the dialogue from a string.
class StringOutputSink : public OutputSink {
 public:
  bool write(const char* data, std::size_t size) override {
    text.append(data, size);
    return true;
  }
  std::string text;
};

}  // namespace zorpi::testing
