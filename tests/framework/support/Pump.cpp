#include "Pump.h"

namespace {

// A window that keeps asking to be painted would keep the queue from ever being empty.
constexpr int maxPendingMessages = 100000;

// How long one wait for a new message lasts before the condition is asked again.
constexpr DWORD waitSlice = 10;

} // namespace

void PumpPendingWith(TTakeMessage take) {
  for (int taken = 0; taken < maxPendingMessages && take(); ++taken) {
  }
}

bool PumpUntilWith(TTakeMessage take, const std::function<bool()>& condition, DWORD deadline) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= deadline) {
      return false;
    }
    if (!take()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, waitSlice, QS_ALLINPUT);
    }
  }
  return true;
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
