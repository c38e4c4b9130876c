#include "EmbeddedResources.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace {

// The RCDATA resource of this executable named name, through the resource functions the
// form loader uses; empty when it is missing.
std::vector<std::uint8_t> ModuleResource(const char* name) {
  HRSRC info = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));
  if (info == nullptr) {
    return {};
  }
  HGLOBAL block = LoadResource(nullptr, info);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(block));
  return {bytes, bytes + SizeofResource(nullptr, info)};
}

std::vector<std::uint8_t> Embedded(std::string_view name) {
  const std::span<const std::uint8_t> bytes = FindEmbeddedResource(name);
  return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(NativeForms, EachFormIsAModuleResourceWithTheEmbeddedBytes) {
  for (const char* name : {"TFORM1", "TFORM2", "TFORM3", "TFORM4", "TFORM5"}) {
    const std::vector<std::uint8_t> native = ModuleResource(name);
    EXPECT_FALSE(native.empty()) << name;
    EXPECT_EQ(native, Embedded(name)) << name;
  }
}

TEST(NativeForms, ModuleLookupIgnoresCase) {
  EXPECT_EQ(ModuleResource("TForm2"), Embedded("TFORM2"));
}
