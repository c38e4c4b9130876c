#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// One resource carried as a byte array.
struct EmbeddedResource {
  std::string_view name;
  std::span<const std::uint8_t> bytes;
};

// The resources of this build, defined by the source that tools/embedres.py generates.
std::span<const EmbeddedResource> EmbeddedResourceTable();
