#include "EmbeddedResources.h"

#include "EmbeddedResourceTable.h"

#include <algorithm>

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Resource names are looked up the way the platform's resource functions do: ASCII letters
// match either case, every other byte only itself.
bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

} // namespace

std::span<const std::uint8_t> FindEmbeddedResource(std::string_view name) {
  for (const EmbeddedResource& resource : EmbeddedResourceTable()) {
    if (SameName(resource.name, name)) {
      return resource.bytes;
    }
  }
  return {};
}
