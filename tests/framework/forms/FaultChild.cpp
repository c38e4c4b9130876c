// Writes through a null pointer: the framework's top-level fault report must show the fault
// and end the process with its code.
#include "TApplication.h"

int main() {
  if (!Application) {
    return 1;
  }
  volatile UINT_PTR nowhere = 0;
  *reinterpret_cast<volatile int*>(nowhere) = 1;
  return 0;
}
