#include "Messages.h"

#include <gtest/gtest.h>

// Under Windows LoadMessage reads the string table resource; these tests compare it with
// the table the sources hold, byte for byte, in Shift_JIS.
TEST(Messages, EveryEntryReadsBackByteExact) {
  std::size_t count = 0;
  const MessageEntry* entries = BuiltInMessages(count);
  ASSERT_EQ(count, 71u);
  for (std::size_t i = 0; i < count; ++i) {
    SCOPED_TRACE(entries[i].id);
    EXPECT_EQ(LoadMessage(entries[i].id), String(entries[i].text));
  }
}

TEST(Messages, KnownTextsHaveTheirNumbersAndBytes) {
  EXPECT_EQ(LoadMessage(65502), "\x83\x5E\x83\x43\x83\x7D\x81\x5B\x82\xF0\x8E\xE6\x93\xBE\x82\xC5"
                                "\x82\xAB\x82\xDC\x82\xB9\x82\xF1");
  EXPECT_EQ(LoadMessage(Msg::ResourceNotFound), "%s リソースが見つかりません");
  EXPECT_EQ(LoadMessage(Msg::ExceptionInModule), "%sがモジュール %s の %p で発生しました。\n%s%s");
  EXPECT_EQ(LoadMessage(Msg::Win32Error), "Win32 エラー。コード : %d.\n%s");
  EXPECT_EQ(LoadMessage(Msg::ControlC), "CTRL-C");
  EXPECT_EQ(LoadMessage(Msg::ScrollBarRange), "スクロールバー プロパティが範囲を越えました");
  EXPECT_EQ(LoadMessage(Msg::InsertLineError), "行を挿入できません");
}

TEST(Messages, UnknownNumberGivesEmptyText) { EXPECT_EQ(LoadMessage(12345u), ""); }
