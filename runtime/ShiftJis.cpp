#include "ShiftJis.h"

#ifdef _WIN32
#include <windows.h>
#endif

bool IsLeadByte(unsigned char byte) noexcept {
#ifdef _WIN32
  return IsDBCSLeadByte(byte) != FALSE;
#else
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
#endif
}

namespace {

// 0-based index of the start of the character that holds the byte at index: a walk from
// the start, since a trail byte can look like a lead byte.
std::size_t CharacterStart(std::string_view text, std::size_t index) noexcept {
  std::size_t start = 0;
  while (start < index) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[start])) ? 2 : 1;
    if (start + width > index) {
      break;
    }
    start += width;
  }
  return start;
}

} // namespace

bool IsTrailByteAt(std::string_view text, std::size_t index) noexcept {
  return index < text.size() && CharacterStart(text, index) != index;
}

std::size_t LastDelimiter(std::string_view delimiters, std::string_view text) noexcept {
  std::size_t found = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte)) {
      i += 2;
      continue;
    }
    if (delimiters.find(static_cast<char>(byte)) != std::string_view::npos) {
      found = i + 1;
    }
    ++i;
  }
  return found;
}

std::string_view LastCharacter(std::string_view text) noexcept {
  if (text.empty()) {
    return text;
  }
  return text.substr(CharacterStart(text, text.size() - 1));
}

String WithFinalPeriod(const String& message) {
  const std::string_view last = LastCharacter(message);
  // The comparison is byte-wise and unsigned, so a double-byte character compares greater.
  return !last.empty() && last.compare(".") > 0 ? message + "." : message;
}
