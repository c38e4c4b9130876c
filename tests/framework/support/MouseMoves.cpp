#include "MouseMoves.h"

namespace {

// A screen coordinate in the absolute units of mouse input: 0 to 65535 across the screen.
LONG Absolute(LONG coordinate, int screenSize) { return MulDiv(coordinate, 65535, screenSize - 1); }

} // namespace

void MoveMouseTo(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Absolute(screen.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Absolute(screen.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}
