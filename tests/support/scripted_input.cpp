#include "support/scripted_input.h"

#include <algorithm>
#include <cstring>

namespace zorpi::testing {

ScriptedInput::ScriptedInput(std::string standardInput)
    : hasKeyboard_(false),
      standardInputIsKeyboard_(false),
      standardInput_(std::move(standardInput)) {}

ScriptedInput::ScriptedInput(std::string keys, std::string standardInput)
    : ScriptedInput(std::vector<std::string>(), std::move(standardInput), StandardInput::Keyboard) {
  for (const char key : keys) {
    bursts_.emplace_back(1, key);
  }
}

ScriptedInput::ScriptedInput(std::vector<std::string> bursts, std::string standardInput,
                             StandardInput from)
    : hasKeyboard_(true),
      standardInputIsKeyboard_(from == StandardInput::Keyboard),
      bursts_(std::move(bursts)),
      standardInput_(std::move(standardInput)) {}

std::size_t ScriptedInput::readKeyboard(Output& output, const KeyWait& wait, char* buffer,
                                        std::size_t capacity) {
  output.flush();
  keyWaits.push_back(std::string(nameOf(wait.kind)) + ":" + std::string(wait.unread));
  if (nextBurst_ >= bursts_.size() || capacity == 0) {
    return 0;
  }
  std::string& burst = bursts_[nextBurst_];
  const std::size_t got = burst.copy(buffer, capacity);
  burst.erase(0, got);
  if (burst.empty()) {
    ++nextBurst_;
  }
  return got;
}

std::size_t ScriptedInput::readStandardInput(Output& output, const LineWait& wait, char* buffer,
                                             std::size_t capacity) {
  output.flush();
  if (output.failed()) {
    return 0;
  }
  questions.emplace_back(wait.question);
  if (!wait.begun.empty()) {
    begunLines.emplace_back(wait.begun);
    standardInput_.insert(nextInput_, wait.begun);
  }
  std::size_t size = std::min(capacity, standardInput_.size() - nextInput_);
  if (standardInputIsKeyboard_) {
    // A terminal in line mode delivers at most one line per read.
    const char* start = standardInput_.data() + nextInput_;
    const void* lineEnd = std::memchr(start, '\n', size);
    if (lineEnd != nullptr) {
      size = static_cast<std::size_t>(static_cast<const char*>(lineEnd) - start) + 1;
    }
  }
  standardInput_.copy(buffer, size, nextInput_);
  nextInput_ += size;
  return size;
}

}  // namespace zorpi::testing
