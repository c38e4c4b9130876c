#include "Pump.h"

void PumpMessagesWith(TTakeMessage take, DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    if (!take()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
}

bool TakeThreadMessage() {
  MSG message{};
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    return false;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
  return true;
}
