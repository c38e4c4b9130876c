#include "ShiftState.h"

#include <utility>

namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

} // namespace

TShiftState KeyShiftState(const TWMKey& key) {
  TShiftState state;
  if (KeyHeld(VK_SHIFT)) {
    state.Include(ssShift);
  }
  if (KeyHeld(VK_CONTROL)) {
    state.Include(ssCtrl);
  }
  if (key.AltDown()) {
    state.Include(ssAlt);
  }
  return state;
}

TShiftState MouseShiftState(const TWMMouse& mouse) {
  const UINT keys = mouse.Keys();
  TShiftState state;
  const std::pair<UINT, TShiftFlag> flags[] = {{MK_SHIFT, ssShift},
                                               {MK_CONTROL, ssCtrl},
                                               {MK_LBUTTON, ssLeft},
                                               {MK_RBUTTON, ssRight},
                                               {MK_MBUTTON, ssMiddle}};
  for (const auto& [mask, flag] : flags) {
    if (keys & mask) {
      state.Include(flag);
    }
  }
  if (KeyHeld(VK_MENU)) {
    state.Include(ssAlt);
  }
  return state;
}
