#include "support/session_check.h"

#include "console/console.h"
#include "console/menu_loop.h"
#include "model/connection_record.h"
#include "support/scripted_input.h"

namespace zorpi::testing {

namespace {

// Keeps no text, only whether anything but printable ASCII and line breaks went out.
class AsciiCheckingSink : public OutputSink {
 public:
  bool write(const char* data, std::size_t size) override {
    for (std::size_t k = 0; k < size; ++k) {
      const char c = data[k];
      if (c != '\n' && (c < 0x20 || c > 0x7e)) {
        plainAscii = false;
      }
    }
    return true;
  }
  bool plainAscii = true;
};

std::string selectorFault(const ConnectionRecord& r) {
  if (r.typ < Passfeder || r.typ > Klemm) {
    return "typ " + std::to_string(r.typ);
  }
  if (r.beanArt < 0 || r.beanArt > WechselndStark) {
    return "beanArt " + std::to_string(r.beanArt);
  }
  if (r.polygonTyp < 0 || r.polygonTyp > 2) {
    return "polygonTyp " + std::to_string(r.polygonTyp);
  }
  if (r.variante < 0 || r.variante > 2) {
    return "variante " + std::to_string(r.variante);
  }
  return "";
}

}  // namespace

std::string checkSession(std::string_view script) {
  ConnectionRecord record = createDefaultRecord();
  return checkSession(script, record);
}

std::string checkSession(std::string_view script, ConnectionRecord& record) {
  ScriptedInput input{std::string(script)};
  AsciiCheckingSink sink;
  Session session(input, sink);
  // Every pass reads one key, and every key is a byte of the script: more passes than
  // bytes means the loop runs without reading.
  for (std::size_t passes = 0;; ++passes) {
    const std::string fault = selectorFault(record);
    if (!fault.empty()) {
      return "menu shown with " + fault;
    }
    if (passes > script.size()) {
      return "menu loop keeps running without reading";
    }
    if (!runMenuStep(session, record)) {
      break;
    }
  }
  session.output().flush();
  return sink.plainAscii ? "" : "output is not plain ASCII";
}

}  // namespace zorpi::testing
