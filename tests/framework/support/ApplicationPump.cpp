#include "ApplicationPump.h"

#include "TApplication.h"

namespace {

bool TakeApplicationMessage() { return Application->TakeMessage(); }

} // namespace

void PumpPending() { PumpPendingWith(TakeApplicationMessage); }

bool PumpUntil(const std::function<bool()>& condition, DWORD deadline) {
  return PumpUntilWith(TakeApplicationMessage, condition, deadline);
}
