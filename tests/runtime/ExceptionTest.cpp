#include "Exception.h"

#include <gtest/gtest.h>

TEST(Exception, CarriesMessageAndClassName) {
  const EReadError error("不正なプロパティの値です");
  EXPECT_EQ(error.Message(), "不正なプロパティの値です");
  EXPECT_STREQ(error.what(), "不正なプロパティの値です");
  EXPECT_STREQ(error.ClassName(), "EReadError");
}

TEST(Exception, AbortIsDistinguishable) {
  try {
    throw EAbort("");
  } catch (const Exception& e) {
    EXPECT_NE(dynamic_cast<const EAbort*>(&e), nullptr);
    EXPECT_STREQ(e.ClassName(), "EAbort");
  }
  const EReadError other("x");
  EXPECT_EQ(dynamic_cast<const EAbort*>(static_cast<const Exception*>(&other)), nullptr);
}

TEST(Exception, FamiliesCatchTheirMembers) {
  EXPECT_THROW(throw EReadError("x"), EFilerError);
  EXPECT_THROW(throw EClassNotFound("x"), EFilerError);
  EXPECT_THROW(throw EFilerError("x"), EStreamError);
  EXPECT_THROW(throw EOutOfResources("x"), EOutOfMemory);
  EXPECT_THROW(throw EDivByZero("x"), EIntError);
  EXPECT_THROW(throw EZeroDivide("x"), EMathError);
  EXPECT_THROW(throw EAccessViolation("x"), EExternal);
}

TEST(Exception, CodesAreKept) {
  const EInOutError io("I/O エラー (7)", 7);
  EXPECT_EQ(io.ErrorCode(), 7);
  const EWin32Error win("Win32 API 呼び出しに失敗しました", 0);
  EXPECT_EQ(win.ErrorCode(), 0u);
  EXPECT_STREQ(win.ClassName(), "EWin32Error");
}
