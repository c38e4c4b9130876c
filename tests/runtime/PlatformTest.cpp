#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

// The program's texts are Shift_JIS: the system it runs on must use code page 932.
TEST(Platform, AnsiCodePageIsShiftJis) {
  EXPECT_EQ(GetACP(), 932u);
  EXPECT_TRUE(IsDBCSLeadByte(0x83));
  EXPECT_FALSE(IsDBCSLeadByte(0x5C));
}
#endif
