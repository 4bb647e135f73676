#include "support/scripted_input.h"

#include <algorithm>
#include <cstring>

namespace zorpi::testing {

ScriptedInput::ScriptedInput(std::string standardInput)
    : hasKeyboard_(false), standardInput_(std::move(standardInput)) {}

ScriptedInput::ScriptedInput(std::string keys, std::string standardInput)
    : hasKeyboard_(true), keys_(std::move(keys)), standardInput_(std::move(standardInput)) {}

std::size_t ScriptedInput::readKeyboard(Output& output, char* buffer, std::size_t capacity) {
  output.flush();
  if (nextKey_ >= keys_.size() || capacity == 0) {
    return 0;
  }
  buffer[0] = keys_[nextKey_++];
  return 1;
}

std::size_t ScriptedInput::readStandardInput(char* buffer, std::size_t capacity) {
  std::size_t size = std::min(capacity, standardInput_.size() - nextInput_);
  if (hasKeyboard_) {
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
