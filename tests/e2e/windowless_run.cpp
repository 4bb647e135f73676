// Starts a program as PowerShell's .NET way does with CreateNoWindow: with CREATE_NO_WINDOW,
// so that it has a console nobody sees, standard input from INPUT and standard output to
// OUTPUT. Ends with the program's exit status, or 124 after a minute, having ended the program
// (as a program that waits for keys at the console nobody sees would wait for ever).
// Usage: zorpi_windowless_run PROGRAM INPUT OUTPUT

#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: zorpi_windowless_run PROGRAM INPUT OUTPUT\n");
    return 2;
  }
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  const HANDLE input =
      CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ, &inherited, OPEN_EXISTING, 0, nullptr);
  const HANDLE output =
      CreateFileA(argv[3], GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
  if (input == INVALID_HANDLE_VALUE || output == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "cannot open %s or %s\n", argv[2], argv[3]);
    return 2;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION process{};
  std::string command = std::string("\"") + argv[1] + "\"";
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &process) == 0) {
    std::fprintf(stderr, "cannot start %s: error %lu\n", argv[1], GetLastError());
    return 2;
  }
  constexpr DWORD kPatience = 60 * 1000;
  if (WaitForSingleObject(process.hProcess, kPatience) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 124);
    WaitForSingleObject(process.hProcess, INFINITE);
    return 124;
  }
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  return static_cast<int>(status);
}
