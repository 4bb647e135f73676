#include "console/console.h"
#include "console/menu_loop.h"
#include "console/terminal_input.h"

int main() {
  zorpi::TerminalInput input;
  zorpi::FdOutputSink screen(zorpi::kStandardOutput);
  zorpi::Console console(input, screen);
  return zorpi::runMenuLoop(console);
}
