#include "HintText.h"
#include "TControl.h"

#include <gtest/gtest.h>

// A hint's two texts, split at the first "|" that is a character of its own.

TEST(HintText, TheShortHintEndsAtTheFirstBarAndTheLongOneFollowsIt) {
  EXPECT_EQ(ShortHint("再生|ファイルを再生します|続き"), "再生");
  EXPECT_EQ(LongHint("再生|ファイルを再生します|続き"), "ファイルを再生します|続き");
}

TEST(HintText, AHintWithoutABarIsBothTexts) {
  EXPECT_EQ(ShortHint("停止"), "停止");
  EXPECT_EQ(LongHint("停止"), "停止");
  EXPECT_EQ(ShortHint(""), "");
}

TEST(HintText, TheSecondByteOfADoubleByteCharacterIsNoBar) {
  // "－" (0x81 0x7C) ends in the byte of "|".
  const String hint = "\x81\x7C"
                      "a|b";
  EXPECT_EQ(ShortHint(hint), "\x81\x7C"
                             "a");
  EXPECT_EQ(LongHint(hint), "b");
}

TEST(HintText, EveryControlPublishesItsHint) {
  EXPECT_NE(TControl::StaticClassInfo().FindProperty("Hint"), nullptr);
}
