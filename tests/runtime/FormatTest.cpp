#include "Format.h"

#include <gtest/gtest.h>

TEST(Format, TextsAndNumbers) {
  EXPECT_EQ(Format("%s リソースが見つかりません", {"TFORM9"}), "TFORM9 リソースが見つかりません");
  EXPECT_EQ(Format("(%d)", {-42}), "(-42)");
  EXPECT_EQ(Format("外部例外 %x", {0xC0000005u}), "外部例外 C0000005");
  EXPECT_EQ(Format("%s_%d", {"Form1", 2}), "Form1_2");
}

TEST(Format, AddressesHavePointerWidth) {
  const String text = Format("%p", {reinterpret_cast<const void*>(std::uintptr_t{0x1A2B})});
  EXPECT_EQ(text.size(), 2 * sizeof(void*));
  EXPECT_EQ(text.substr(text.size() - 4), "1A2B");
}

TEST(Format, IndexedArgumentsReorder) {
  const auto* code = reinterpret_cast<const void*>(std::uintptr_t{0x10});
  const auto* target = reinterpret_cast<const void*>(std::uintptr_t{0x20});
  const String text = Format("%1:s %0:p %3:p %2:s", {code, "mod.exe", "読み込み", target});
  EXPECT_EQ(text.substr(0, 8), "mod.exe ");
  EXPECT_NE(text.find("読み込み"), String::npos);
}

TEST(Format, PercentAndMissingArguments) {
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%s and %s", {"one"}), "one and %s");
  EXPECT_EQ(Format("%d", {"text"}), "%d");
  EXPECT_EQ(Format("end %", {}), "end %");
}

TEST(Format, DoubleBytePatternsPassThrough) { EXPECT_EQ(Format("表示%s能", {"ソ"}), "表示ソ能"); }
