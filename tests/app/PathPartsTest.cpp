#include "PathParts.h"

#include <gtest/gtest.h>

// "表" is 0x95 0x5C in Shift_JIS: its second byte has the code of "\".
constexpr char hyou[] = "\x95\x5C";

TEST(PathParts, FileNameIsThePartAfterTheLastBackslash) {
  EXPECT_EQ(FileNamePart("C:\\music\\song.mp3"), "song.mp3");
  EXPECT_EQ(FileNamePart("song.mp3"), "song.mp3");
  EXPECT_EQ(FileNamePart("C:\\music\\"), "");
  EXPECT_EQ(FileNamePart(""), "");
}

TEST(PathParts, SecondByteOfADoubleByteCharacterIsNoBackslash) {
  const String name = String(hyou) + ".wav";
  EXPECT_EQ(FileNamePart("C:\\" + name), name);
  EXPECT_EQ(FileNamePart(String("C:\\") + hyou + "\\a.wav"), "a.wav");
  EXPECT_EQ(FileNamePart(String(hyou) + hyou), String(hyou) + hyou);
}

TEST(PathParts, ExtensionIsThePartAfterTheLastDot) {
  EXPECT_EQ(ExtensionPart("C:\\music\\song.mp3"), "mp3");
  EXPECT_EQ(ExtensionPart("clip.tar.AVI"), "AVI");
  EXPECT_EQ(ExtensionPart("name."), "");
  EXPECT_EQ(ExtensionPart(String("C:\\") + hyou + ".wav"), "wav");
}

TEST(PathParts, WithoutADotTheExtensionIsTheWholePath) {
  EXPECT_EQ(ExtensionPart("C:\\a.b\\file"), "b\\file");
  EXPECT_EQ(ExtensionPart("C:\\music\\file"), "C:\\music\\file");
}
