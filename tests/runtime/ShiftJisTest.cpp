#include "ShiftJis.h"

#include <gtest/gtest.h>

TEST(LastDelimiter, SkipsTrailByte5C) {
  // C:\音楽\表 — the second byte of 表 is 0x5C; the last delimiter is the one before it.
  const String path = "C:\\音楽\\表";
  ASSERT_EQ(path.size(), 10u);
  EXPECT_EQ(LastDelimiter("\\", path), 8u);
  EXPECT_EQ(LastDelimiter("\\.", "C:\\音楽\\表.wav"), 11u);
}

TEST(LastDelimiter, NoneGivesZero) {
  EXPECT_EQ(LastDelimiter("\\", ""), 0u);
  EXPECT_EQ(LastDelimiter("\\", "表ソ能"), 0u);
  EXPECT_EQ(LastDelimiter(".", "abc"), 0u);
}

TEST(LastDelimiter, AsciiPositionsAreOneBased) {
  EXPECT_EQ(LastDelimiter("\\", "\\"), 1u);
  EXPECT_EQ(LastDelimiter(".", "a.b.c"), 4u);
}

TEST(LastDelimiter, TruncatedLeadByteAtEndIsSkipped) {
  EXPECT_EQ(LastDelimiter("\\", String("a\\\x95")), 2u);
}

TEST(TrailBytes, FollowCharacterBoundaries) {
  const String text = "a表\\";
  EXPECT_FALSE(IsTrailByteAt(text, 0));
  EXPECT_FALSE(IsTrailByteAt(text, 1));
  EXPECT_TRUE(IsTrailByteAt(text, 2));
  EXPECT_FALSE(IsTrailByteAt(text, 3));
  EXPECT_FALSE(IsTrailByteAt(text, 4));
}

TEST(LastCharacter, IsWholeDoubleByteCharacter) {
  EXPECT_EQ(LastCharacter(""), "");
  EXPECT_EQ(LastCharacter("ab"), "b");
  EXPECT_EQ(LastCharacter("aエ"), "エ");
  EXPECT_EQ(LastCharacter("表"), "表");
}

TEST(WithFinalPeriod, AddsAfterLettersDigitsAndDoubleByteCharacters) {
  EXPECT_EQ(WithFinalPeriod("abc"), "abc.");
  EXPECT_EQ(WithFinalPeriod("code 5"), "code 5.");
  EXPECT_EQ(WithFinalPeriod("タイマーを取得できません"), "タイマーを取得できません.");
}

TEST(WithFinalPeriod, KeepsTextsThatNeedNone) {
  EXPECT_EQ(WithFinalPeriod(""), "");
  EXPECT_EQ(WithFinalPeriod("abc."), "abc.");
  EXPECT_EQ(WithFinalPeriod("abc!"), "abc!");
  EXPECT_EQ(WithFinalPeriod("abc)"), "abc)");
  EXPECT_EQ(WithFinalPeriod("abc "), "abc ");
  EXPECT_EQ(WithFinalPeriod("abc,"), "abc,");
}
