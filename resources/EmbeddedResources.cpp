#include "EmbeddedResources.h"

#include "AsciiCase.h"
#include "EmbeddedResourceTable.h"

// Resource names are looked up the way the platform's resource functions do (SameName).

std::span<const std::uint8_t> FindEmbeddedResource(std::string_view name) {
  for (const EmbeddedResource& resource : EmbeddedResourceTable()) {
    if (SameName(resource.name, name)) {
      return resource.bytes;
    }
  }
  return {};
}
