// Prints p of ZORPI's default taper, computed by the installed library.
#include <zorpi/calc/kegel.h>
#include <zorpi/model/connection_record.h>

#include <cstdio>

int main() {
  zorpi::ConnectionRecord record = zorpi::createDefaultRecord();
  zorpi::calcKegel(record);
  std::printf("p = %g\n", record.p);
  return 0;
}
