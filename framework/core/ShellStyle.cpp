#include "ShellStyle.h"

#include <windows.h>

bool NewStyleControls() {
  // GetVersion gives the major version in its lowest byte.
  return LOBYTE(LOWORD(GetVersion())) >= 4;
}
