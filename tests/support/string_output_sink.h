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
  bool wantsFacts() const override { return true; }
  /// Keeps each fact as "kind field symbol=value unit".
  void noteFact(const Fact& fact) override {
    facts.push_back(std::string(nameOf(fact.kind)) + " " + std::string(fact.field) + " " +
                    std::string(fact.symbol) + "=" + std::string(fact.value) + " " +
                    std::string(fact.unit));
  }
  std::string text;
  std::vector<std::string> facts;
};

}  // namespace zorpi::testing
