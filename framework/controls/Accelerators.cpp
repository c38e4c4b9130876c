#include "Accelerators.h"

#include "AsciiCase.h"
#include "ShiftJis.h"

namespace {

// The 0-based index of the accelerator character of caption, or npos.
std::size_t AcceleratorIndex(const String& caption) {
  std::size_t index = 0;
  while (index + 1 < caption.size()) {
    auto byte = static_cast<unsigned char>(caption[index]);
    if (IsLeadByte(byte)) {
      index += 2;
    } else if (byte == '&' && caption[index + 1] == '&') {
      index += 2;
    } else if (byte == '&') {
      return index + 1;
    } else {
      ++index;
    }
  }
  return String::npos;
}

} // namespace

bool IsAccelerator(WORD character, const String& caption) {
  std::size_t index = AcceleratorIndex(caption);
  if (index == String::npos || character > 0xFF) {
    return false;
  }
  auto accelerator = static_cast<unsigned char>(caption[index]);
  if (IsLeadByte(accelerator)) {
    return false;
  }
  return AsciiUpper(static_cast<char>(accelerator)) == AsciiUpper(static_cast<char>(character));
}
