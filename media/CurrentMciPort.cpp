#include "CurrentMciPort.h"

#include "TWinmmPort.h"

namespace {

// The winmm port lives as long as the process: it holds no state, and a device may still be
// closed through it by an object destroyed during static destruction.
TMciPort& WinmmPort() {
  static TWinmmPort* port = new TWinmmPort;
  return *port;
}

TMciPort*& CurrentSlot() {
  static TMciPort* current = nullptr;
  return current;
}

} // namespace

TMciPort& CurrentMciPort() {
  TMciPort* current = CurrentSlot();
  return current != nullptr ? *current : WinmmPort();
}

TMciPortScope::TMciPortScope(TMciPort& port) : previous_(CurrentSlot()) { CurrentSlot() = &port; }

TMciPortScope::~TMciPortScope() { CurrentSlot() = previous_; }
