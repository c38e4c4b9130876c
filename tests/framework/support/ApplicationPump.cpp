#include "ApplicationPump.h"

#include "TApplication.h"

void PumpMessages(DWORD milliseconds) {
  PumpMessagesWith([] { return Application->TakeMessage(); }, milliseconds);
}
