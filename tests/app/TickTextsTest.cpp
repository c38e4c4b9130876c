#include "TickTexts.h"

#include <gtest/gtest.h>

namespace {

const String spaces(std::size_t count) { return String(count, ' '); }

} // namespace

TEST(TitleWindow, StepZeroShowsNothing) { EXPECT_EQ(TitleWindow("song.mp3", 0), ""); }

TEST(TitleWindow, StepOneShowsFiftySpacesAndTheFirstByte) {
  EXPECT_EQ(TitleWindow("song.mp3", 1), spaces(50) + "s");
}

TEST(TitleWindow, TheWindowIsStepPlusFiftyBytesLong) {
  EXPECT_EQ(TitleWindow("song.mp3", 10), spaces(41) + "song.mp3" + spaces(11));
  EXPECT_EQ(TitleWindow("song.mp3", 51), "song.mp3" + spaces(50));
}

TEST(TitleWindow, StepNinetyNineShowsTheNameFromItsByte49CutAtTheEnd) {
  const String name = String(60, 'a') + "XYZ";
  EXPECT_EQ(TitleWindow(name, 99), String(12, 'a') + "XYZ" + spaces(50));
  EXPECT_EQ(TitleWindow("short.wav", 99), spaces(11));
}

TEST(TitleWindow, ByteStepsMayStartOnASecondByte) {
  // "表" (0x95 0x5C) at the name's start: step 52 begins on its second byte.
  EXPECT_EQ(TitleWindow("\x95\x5C.wav", 52), "\x5C.wav" + spaces(50));
}

TEST(TitleWindow, StepsRunFrom0To99AndStartAgain) {
  EXPECT_EQ(NextTitleStep(0), 1);
  EXPECT_EQ(NextTitleStep(98), 99);
  EXPECT_EQ(NextTitleStep(99), 0);
}

TEST(TimeText, MinutesAndTwoDigitSeconds) {
  EXPECT_EQ(TimeText(0), "0:00");
  EXPECT_EQ(TimeText(9999), "0:09");
  EXPECT_EQ(TimeText(59999), "0:59");
  EXPECT_EQ(TimeText(60000), "1:00");
  EXPECT_EQ(TimeText(185000), "3:05");
  EXPECT_EQ(TimeText(605000), "10:05");
  EXPECT_EQ(TimeText(75 * 60000 + 3000), "75:03");
}
