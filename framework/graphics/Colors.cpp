#include "Colors.h"

COLORREF ColorToRGB(TColor color) {
  auto value = static_cast<std::int32_t>(color);
  if (value < 0) {
    return GetSysColor(value & 0xFF);
  }
  return static_cast<COLORREF>(value);
}
