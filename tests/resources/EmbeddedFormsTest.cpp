#include "EmbeddedResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct FormResource {
  std::string_view name;
  std::size_t size;
  std::string_view className;
  std::string_view objectName;
};

constexpr FormResource kForms[] = {
    {"TFORM1", 1719, "TForm1", "Form1"}, {"TFORM2", 544, "TForm2", "Form2"},
    {"TFORM3", 493, "TForm3", "Form3"},  {"TFORM4", 1043, "TForm4", "Form4"},
    {"TFORM5", 815, "TForm5", "Form5"},
};

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Prefix(std::span<const std::uint8_t> data, std::size_t count) {
  return {data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(count, data.size()))};
}

// A short string of the format: one length byte, then the bytes.
std::string ShortString(std::string_view text) {
  return std::string(1, static_cast<char>(text.size())) + std::string(text);
}

} // namespace

TEST(EmbeddedForms, EachFormHasItsSize) {
  for (const FormResource& form : kForms) {
    EXPECT_EQ(FindEmbeddedResource(form.name).size(), form.size) << form.name;
  }
}

TEST(EmbeddedForms, EachFormStartsWithSignatureClassNameAndObjectName) {
  for (const FormResource& form : kForms) {
    const std::string head = "TPF0" + ShortString(form.className) + ShortString(form.objectName);
    EXPECT_EQ(Prefix(FindEmbeddedResource(form.name), head.size()), Bytes(head)) << form.name;
  }
}

TEST(EmbeddedForms, EachFormEndsWithTheRootsClosingByte) {
  for (const FormResource& form : kForms) {
    const std::span<const std::uint8_t> data = FindEmbeddedResource(form.name);
    ASSERT_GE(data.size(), 2u) << form.name;
    EXPECT_EQ(data[data.size() - 2], 0) << form.name;
    EXPECT_EQ(data[data.size() - 1], 0) << form.name;
  }
}

TEST(EmbeddedForms, PlayListFormStartsWithItsBoundsBorderIconsAndCaption) {
  using namespace std::string_literals;
  const std::string head = "TPF0\x06TForm2\x05"
                           "Form2"
                           "\x04Left\x03\xC0\x00"
                           "\x03Top\x03\xD3\x00"
                           "\x05Width\x03\xE6\x00"
                           "\x06Height\x03\xC5\x00"
                           "\x0B"
                           "BorderIcons\x0B\x00"
                           "\x07"
                           "Caption\x06\x0A"s +
                           "再生リスト";
  EXPECT_EQ(Prefix(FindEmbeddedResource("TFORM2"), head.size()), Bytes(head));
}

TEST(EmbeddedForms, LookupIgnoresAsciiCase) {
  const std::span<const std::uint8_t> upper = FindEmbeddedResource("TFORM3");
  const std::span<const std::uint8_t> mixed = FindEmbeddedResource("TForm3");
  const std::span<const std::uint8_t> lower = FindEmbeddedResource("tform3");
  EXPECT_EQ(mixed.data(), upper.data());
  EXPECT_EQ(lower.data(), upper.data());
  EXPECT_EQ(lower.size(), upper.size());
}

TEST(EmbeddedForms, UnknownNameGivesNoBytes) {
  EXPECT_TRUE(FindEmbeddedResource("TFORM6").empty());
  EXPECT_TRUE(FindEmbeddedResource("TFORM").empty());
  EXPECT_TRUE(FindEmbeddedResource("TFORM11").empty());
  EXPECT_TRUE(FindEmbeddedResource("").empty());
}
