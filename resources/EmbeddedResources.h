#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The bytes of the resource built into the program under name, compared without regard to
// ASCII case ("TFORM1" and "TForm1" name the same resource); an empty span when there is
// none. The form resources are reachable this way in every build, so the form loader can
// read them where the platform has no module resources.
std::span<const std::uint8_t> FindEmbeddedResource(std::string_view name);
