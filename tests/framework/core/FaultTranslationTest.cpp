#include "FaultTranslation.h"
#include "ExceptionReport.h"
#include "TUtilityWindow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

// Processor faults inside a fault scope arrive as the runtime's exceptions.

namespace {

// Counts the frames that were left by unwinding.
struct LeftFrames {
  int count = 0;
};

struct FrameGuard {
  LeftFrames& left;
  ~FrameGuard() { ++left.count; }
};

// A function that keeps no frame of its own: the stack is at a 16-byte boundary when it
// faults on x86-64.
[[gnu::noinline]] int ReadAt(const volatile int* address) { return *address; }

[[gnu::noinline]] int ReadThroughNull(LeftFrames& left) {
  FrameGuard guard{left};
  volatile UINT_PTR nowhere = 0;
  return *reinterpret_cast<volatile int*>(nowhere);
}

[[gnu::noinline]] void WriteThroughNull(LeftFrames& left) {
  FrameGuard guard{left};
  volatile UINT_PTR nowhere = 0;
  *reinterpret_cast<volatile int*>(nowhere) = 1;
}

volatile int quotient = 0;

[[gnu::noinline]] int DivideByZero(LeftFrames& left) {
  FrameGuard guard{left};
  volatile int numerator = 7;
  volatile int zero = 0;
  quotient = numerator / zero;
  return quotient;
}

// The exception a call raised inside a fault scope: its class and message.
template <class Call> std::pair<String, String> RaisedBy(Call call) {
  InstallFaultTranslation();
  TFaultScope scope;
  try {
    call();
  } catch (const Exception& error) {
    return {error.ClassName(), error.Message()};
  }
  return {};
}

bool Contains(const String& text, const char* part) { return text.find(part) != String::npos; }

} // namespace

TEST(FaultTranslation, NullReadIsAnAccessViolationNamingTheModuleAndTheReadAddress) {
  LeftFrames left;
  auto [name, message] = RaisedBy([&] { ReadThroughNull(left); });
  EXPECT_EQ(name, "EAccessViolation");
  EXPECT_EQ(message.rfind("モジュール 'framework_core_tests.exe' のアドレス ", 0), 0u) << message;
  EXPECT_TRUE(Contains(message, "00000000 に対する読み込み違反")) << message;
  EXPECT_TRUE(Contains(message, "に対する読み込み違反がおきました。")) << message;
  EXPECT_EQ(left.count, 1) << "the faulting frame was unwound";
}

TEST(FaultTranslation, NullWriteSaysWrite) {
  LeftFrames left;
  auto [name, message] = RaisedBy([&] { WriteThroughNull(left); });
  EXPECT_EQ(name, "EAccessViolation");
  EXPECT_TRUE(Contains(message, "に対する書き込み違反がおきました。")) << message;
}

TEST(FaultTranslation, IntegerDivisionByZeroIsEDivByZero) {
  LeftFrames left;
  auto [name, message] = RaisedBy([&] { DivideByZero(left); });
  EXPECT_EQ(name, "EDivByZero");
  EXPECT_EQ(message, "ゼロによる除算");
  EXPECT_EQ(left.count, 1);
}

TEST(FaultTranslation, FaultInAFunctionWithoutAFrameIsRaisedToo) {
  volatile UINT_PTR nearNull = 8;
  auto [name, message] =
      RaisedBy([&] { ReadAt(reinterpret_cast<const volatile int*>(UINT_PTR{nearNull})); });
  EXPECT_EQ(name, "EAccessViolation");
  EXPECT_TRUE(Contains(message, "00000008 に対する読み込み違反")) << message;
}

TEST(FaultTranslation, FaultsInARowAreEachRaisedWithEveryFrameLeft) {
  LeftFrames left;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(RaisedBy([&] { ReadThroughNull(left); }).first, "EAccessViolation");
    EXPECT_EQ(RaisedBy([&] { DivideByZero(left); }).first, "EDivByZero");
  }
  EXPECT_EQ(left.count, 6);
}

TEST(FaultTranslation, SystemFunctionsStillAnswerABadPointerThemselves) {
  InstallFaultTranslation();
  TFaultScope scope;
  EXPECT_EQ(lstrlenA(reinterpret_cast<LPCSTR>(8)), 0);
}

namespace {

// What the installed reporter was handed.
String reportedClass;
String reportedMessage;

void RecordReport(TObject*) {
  try {
    throw;
  } catch (const Exception& error) {
    reportedClass = error.ClassName();
    reportedMessage = error.Message();
  } catch (...) {
    reportedClass = "?";
  }
}

// A window whose message method reads through a null pointer for WM_USER and answers 9 to
// WM_USER + 1.
struct Faulter {
  TUtilityWindow window{BindWndMethod<&Faulter::Handle>(this)};
  LeftFrames left;
  void Handle(TMessage& message) {
    if (message.Msg == WM_USER) {
      message.Result = 4;
      ReadThroughNull(left);
    }
    message.Result = message.Msg == WM_USER + 1 ? 9
                                                : DefWindowProcA(window.Handle(), message.Msg,
                                                                 message.WParam, message.LParam);
  }
};

} // namespace

TEST(FaultTranslation, FaultInAMessageMethodIsReportedAndTheWindowGoesOn) {
  InstallFaultTranslation();
  TExceptionReporter previous = SetExceptionReporter(RecordReport);
  Faulter faulter;
  EXPECT_EQ(SendMessageA(faulter.window.Handle(), WM_USER, 0, 0), 4) << "the result reached";
  EXPECT_EQ(reportedClass, "EAccessViolation");
  EXPECT_TRUE(Contains(reportedMessage, "読み込み違反")) << reportedMessage;
  EXPECT_EQ(SendMessageA(faulter.window.Handle(), WM_USER + 1, 0, 0), 9);
  SetExceptionReporter(previous);
}
