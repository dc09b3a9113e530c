// GCC's default handler for an uncaught exception prints the exception's
// demangled type name to a console this program does not have, and it pulls
// the whole demangler into the executable. Every handler of the program
// catches what it can; anything else simply ends the process.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
