#include <gtest/gtest.h>

#include <string>

// Sources are UTF-8; literal texts must reach the binaries as Shift_JIS bytes.
TEST(Encoding, JapaneseLiteralsAreShiftJis) {
  EXPECT_EQ(std::string("再生リスト"), "\x8D\xC4\x90\xB6\x83\x8A\x83\x58\x83\x67");
  EXPECT_EQ(std::string("ＭＳ Ｐゴシック"),
            "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
}

TEST(Encoding, TrailByte5CIsNotAnEscape) {
  EXPECT_EQ(std::string("表示"), "\x95\x5C\x8E\xA6");
  EXPECT_EQ(std::string("ソ\\"), "\x83\x5C\x5C");
}

TEST(Encoding, AsciiIsUnchanged) {
  EXPECT_EQ(std::string("Sorvane"), "\x53\x6F\x72\x76\x61\x6E\x65");
}
