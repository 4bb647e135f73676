#include "console/console.h"
#include "console/menu_loop.h"
#include "console/terminal/fd_output_sink.h"
#include "console/terminal/terminal_input.h"

int main() {
  zorpi::TerminalInput input;
  zorpi::FdOutputSink screen(zorpi::kStandardOutput);
  zorpi::Session session(input, screen);
  return zorpi::runMenuLoop(session);
}
