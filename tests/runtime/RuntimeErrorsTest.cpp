#include "RuntimeErrors.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

void ExpectFault(std::uint32_t code, const char* className, const String& message) {
  const auto e = SystemFaultException(code);
  SCOPED_TRACE(className);
  EXPECT_STREQ(e->ClassName(), className);
  EXPECT_EQ(e->Message(), message);
}

} // namespace

TEST(RuntimeErrors, SystemCodesMapToTheirClassesAndMessages) {
  ExpectFault(0xC0000094, "EDivByZero", "ゼロによる除算");
  ExpectFault(0xC000008C, "ERangeError", "範囲チェックエラー");
  ExpectFault(0xC0000095, "EIntOverflow", "整数のオーバーフロー");
  ExpectFault(0xC0000090, "EInvalidOp", "不正な浮動小数点数演算命令");
  ExpectFault(0xC000008F, "EInvalidOp", "不正な浮動小数点数演算命令");
  ExpectFault(0xC0000092, "EInvalidOp", "不正な浮動小数点数演算命令");
  ExpectFault(0xC000008E, "EZeroDivide", "0 による浮動小数点数除算");
  ExpectFault(0xC0000091, "EOverflow", "浮動小数点数のオーバーフロー");
  ExpectFault(0xC0000093, "EUnderflow", "浮動小数点数のアンダーフロー");
  ExpectFault(0xC000008D, "EUnderflow", "浮動小数点数のアンダーフロー");
  ExpectFault(0xC0000096, "EPrivilege", "特権命令違反");
  ExpectFault(0xC000013A, "EControlC", "CTRL-C");
  ExpectFault(0xC00000FD, "EStackOverflow", "スタック オーバーフロー");
}

TEST(RuntimeErrors, OtherSystemCodesAreExternalWithTheCodeInHex) {
  ExpectFault(0xC000001D, "EExternalException", "外部例外 C000001D");
  EXPECT_EQ(RuntimeErrorNumber(0xE06D7363), 22);
}

TEST(RuntimeErrors, AccessViolationNamesModuleKindAndAddresses) {
  AccessViolation access;
  access.codeAddress = reinterpret_cast<const void*>(std::uintptr_t{0x401000});
  access.accessAddress = reinterpret_cast<const void*>(std::uintptr_t{0x10});
  access.isWrite = true;
  access.moduleName = "Sorvane.exe";
  const auto inModule = SystemFaultException(0xC0000005, access);
  EXPECT_STREQ(inModule->ClassName(), "EAccessViolation");
  const String& text = inModule->Message();
  EXPECT_EQ(text.rfind("モジュール 'Sorvane.exe' のアドレス ", 0), 0u);
  EXPECT_NE(text.find("に対する書き込み違反がおきました。"), String::npos);
  EXPECT_NE(text.find("00401000"), String::npos);

  access.moduleName.clear();
  access.isWrite = false;
  const String outside = SystemFaultException(0xC0000005, access)->Message();
  EXPECT_EQ(outside.rfind("アドレス ", 0), 0u);
  EXPECT_NE(outside.find("に対する読み込み違反がおきました。"), String::npos);
}

TEST(RuntimeErrors, NumbersOutsideTheTableAreInputOutputErrors) {
  const auto notFound = RuntimeErrorException(0, 2);
  EXPECT_STREQ(notFound->ClassName(), "EInOutError");
  EXPECT_EQ(notFound->Message(), "ファイルが見つかりません");
  EXPECT_EQ(dynamic_cast<EInOutError&>(*notFound).ErrorCode(), 2);
  EXPECT_EQ(RuntimeErrorException(100, 101)->Message(), "ディスクがいっぱいです");
  EXPECT_EQ(RuntimeErrorException(200, 106)->Message(), "入力値が数値ではありません");
  EXPECT_EQ(RuntimeErrorException(-1, 32)->Message(), "I/O エラー (32)");
}

TEST(RuntimeErrors, NumberedErrorsWithoutSystemCodes) {
  EXPECT_EQ(RuntimeErrorException(1)->Message(), "メモリが足りません");
  EXPECT_EQ(RuntimeErrorException(2)->Message(), "無効なポインタ操作");
  EXPECT_EQ(RuntimeErrorException(10)->Message(), "無効なクラス型キャスト");
  EXPECT_EQ(RuntimeErrorException(21)->Message(), "アサート失敗");
  EXPECT_EQ(RuntimeErrorException(23)->Message(), "Interface はサポートされていません");
  EXPECT_EQ(RuntimeErrorException(24)->Message(), "safecall メソッド内で例外が発生しました。");
  EXPECT_STREQ(RuntimeErrorException(17)->ClassName(), "EVariantError");
}
