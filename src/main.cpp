#include <unistd.h>

#include "console/console.h"
#include "console/menu_loop.h"
#include "console/terminal_input.h"

int main() {
  zorpi::TerminalInput input;
  zorpi::FdOutputSink screen(STDOUT_FILENO);
  zorpi::Console console(input, screen);
  return zorpi::runMenuLoop(console);
}
