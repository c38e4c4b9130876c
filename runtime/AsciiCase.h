#pragma once

#include <cstddef>
#include <string_view>

// The case rule of names (classes, properties, components, resources): ASCII letters match
// either case, every other byte only itself, so no byte of a double-byte character is ever
// folded.

constexpr char AsciiUpper(char c) noexcept {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// ASCII case-insensitive equality.
constexpr bool SameName(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
      return false;
  return true;
}
