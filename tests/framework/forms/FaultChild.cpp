// Faults outside every handler: the framework's top-level fault report must show the fault
// and end the process with its code. Without arguments it writes through a null pointer in
// its own code; with "library" it reads through one inside the runtime library, in a fault
// scope, as a handler calling the library would.
#include "FaultTranslation.h"
#include "TApplication.h"

#include <cstring>

int main(int argc, char** argv) {
  if (!Application) {
    return 1;
  }
  if (argc > 1 && std::strcmp(argv[1], "library") == 0) {
    TFaultScope faults;
    std::size_t (*volatile length)(const char*) = &std::strlen;
    return static_cast<int>(length(nullptr));
  }
  volatile UINT_PTR nowhere = 0;
  *reinterpret_cast<volatile int*>(nowhere) = 1;
  return 0;
}
