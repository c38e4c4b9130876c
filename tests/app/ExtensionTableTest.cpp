#include "ExtensionTable.h"

#include <gtest/gtest.h>

TEST(ExtensionTable, HoldsTheTwentyTwoSpellingsInOrderThenEmptySlots) {
  const TExtensionTable table = MakeExtensionTable();
  const char* expected[] = {"wav",  "WAV",  "mp3", "MP3", "cda", "CDA", "mpg", "MPG",
                            "mpeg", "MPEG", "mpe", "MPE", "mpa", "MPA", "m1v", "M1V",
                            "m2v",  "M2V",  "mov", "MOV", "avi", "AVI"};
  ASSERT_EQ(std::size(expected), static_cast<std::size_t>(acceptedExtensionCount));
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i], i < std::size(expected) ? expected[i] : "") << i;
  }
}

TEST(ExtensionTable, AcceptsOnlyTheLowerCaseAndCapitalSpellings) {
  const TExtensionTable table = MakeExtensionTable();
  for (const char* extension : {"wav", "WAV", "mp3", "cda", "MPEG", "m2v", "mov", "AVI"}) {
    EXPECT_TRUE(TableAccepts(table, acceptedExtensionCount, extension)) << extension;
  }
  for (const char* extension : {"Wav", "wAV", "Avi", "txt", "b\\file", "wav ", "avi\\x"}) {
    EXPECT_FALSE(TableAccepts(table, acceptedExtensionCount, extension)) << extension;
  }
}

TEST(ExtensionTable, EmptySlotsAreNeverCompared) {
  const TExtensionTable table = MakeExtensionTable();
  EXPECT_FALSE(TableAccepts(table, acceptedExtensionCount, ""));
  EXPECT_FALSE(TableAccepts(table, 0, "wav"));
  EXPECT_FALSE(TableAccepts(table, -1, "wav"));
  EXPECT_TRUE(TableAccepts(table, 1000, "AVI"));
}

TEST(ExtensionTable, SixSpellingsAreAudioAndEverythingElseVideo) {
  for (const char* extension : {"wav", "mp3", "cda", "WAV", "MP3", "CDA"}) {
    EXPECT_TRUE(IsAudioExtension(extension)) << extension;
  }
  for (const char* extension : {"Wav", "mpa", "MPA", "avi", "mpg", "mov", "", "b\\file"}) {
    EXPECT_FALSE(IsAudioExtension(extension)) << extension;
  }
}
