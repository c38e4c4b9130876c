#include "LocaleCompare.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Facts that hold for CompareStringA in every locale and for the portable order alike.
TEST(LocaleCompareText, IgnoresCaseAndOrdersDigitsBeforeLetters) {
  EXPECT_EQ(LocaleCompareText("abc", "ABC"), 0);
  EXPECT_LT(LocaleCompareText("abc", "ABD"), 0);
  EXPECT_GT(LocaleCompareText("b", "A"), 0);
  EXPECT_LT(LocaleCompareText("9", "a"), 0);
  EXPECT_LT(LocaleCompareText("ab", "abc"), 0);
  EXPECT_LT(LocaleCompareText("", "a"), 0);
  EXPECT_EQ(LocaleCompareText("", ""), 0);
}

namespace {

// Each text sorts before the next one; the orders are those CompareStringA gives under Wine
// in the Japanese locale.
void ExpectAscending(const std::vector<std::string>& ordered) {
  for (std::size_t i = 1; i < ordered.size(); ++i) {
    EXPECT_LT(PortableCompareText(ordered[i - 1], ordered[i]), 0) << i;
    EXPECT_GT(PortableCompareText(ordered[i], ordered[i - 1]), 0) << i;
  }
}

} // namespace

TEST(PortableCompareText, OrdersAsciiLikeTheWindowsWordSort) {
  ExpectAscending({" ", "\t", "\r", "!", "(", "[", "]", "~", "\\", "+", "=", "0", "9", "a", "Z"});
  ExpectAscending({"a b", "a\tb", "ab"});
}

TEST(PortableCompareText, HyphensAndControlsOnlyBreakTies) {
  ExpectAscending({"coop", "co-op", "cop"});
  // Fewer tie-breakers first, then the later one first, then control < ' < -.
  ExpectAscending({"az", "az-", "a\x01z", "a'z", "a-z", "a--z", "-az"});
  EXPECT_EQ(PortableCompareText(std::string("a\0b", 3), "AB"), 0);
}

TEST(PortableCompareText, DoubleByteCharactersFollowSingleBytes) {
  ExpectAscending({"z", "ｱ", "あ", "亜"});
  EXPECT_EQ(PortableCompareText("ａｂ", "ＡＢ"), 0);
  // ソ (0x83 0x5C) is one character, not a lead byte followed by a backslash.
  EXPECT_GT(PortableCompareText("ソ", "\x83"), 0);
  EXPECT_GT(PortableCompareText("ソ", "z\\"), 0);
}
