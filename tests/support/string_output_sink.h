#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "console/text/output.h"

namespace zorpi::testing {

/// Collects everything written, for tests that drive the dialogue from a string.
class StringOutputSink : public OutputSink {
 public:
  bool write(const char* data, std::size_t size) override {
    text.append(data, size);
    return true;
  }
  bool wantsValues() const override { return true; }
  /// Keeps each value shown as "field symbol=value unit".
  void noteValue(const ShownValue& shown) override {
    values.push_back(std::string(shown.field) + " " + std::string(shown.symbol) + "=" +
                     std::string(shown.value) + " " + std::string(shown.unit));
  }
  std::string text;
  std::vector<std::string> values;
};

}  // namespace zorpi::testing
