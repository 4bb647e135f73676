// Types bursts of keys at the built program on a pseudo-terminal, one burst at a time, each
// once the screen has come to rest, and prints the screen as the terminal showed it (echo
// included, carriage returns dropped). The browser page's test compares its own screen with
// this one. The exit status, as a shell reports it, goes to standard error.
// Usage: zorpi_pty_replay PROGRAM < BURSTS   (the bursts separated by NUL bytes)

#include <sys/wait.h>

#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "e2e/pty_session.h"

int main(int argc, char** argv) {
  using namespace zorpi::testing;
  if (argc != 2) {
    std::cerr << "usage: zorpi_pty_replay PROGRAM < BURSTS\n";
    return 2;
  }
  const std::string bursts{std::istreambuf_iterator<char>(std::cin), {}};
  PtySession session(argv[1], {});
  if (!session.started() || !session.waitFor("F8 q Exit\n")) {
    std::cerr << "the program did not show its menu\n";
    return 2;
  }
  // Long enough for any screen of this program to be written whole.
  const milliseconds rest(150);
  std::istringstream in(bursts);
  for (std::string burst; std::getline(in, burst, '\0');) {
    session.settle(rest);
    session.type(burst);
  }
  const int status = session.waitForEnd();
  std::cout << session.screen();
  if (status < 0) {
    std::cerr << "the program did not end\n";
    return 2;
  }
  std::cerr << (WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status)) << "\n";
  return 0;
}
