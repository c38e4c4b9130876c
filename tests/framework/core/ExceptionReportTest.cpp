#include "ExceptionReport.h"
#include "BoxWatcher.h"
#include "Exception.h"
#include "TObject.h"
#include "TUtilityWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// What the installed reporter was handed.
struct Reported {
  int count = 0;
  TObject* sender = nullptr;
  String message;
};
Reported reported;

void RecordReport(TObject* sender) {
  ++reported.count;
  reported.sender = sender;
  try {
    throw;
  } catch (const Exception& error) {
    reported.message = error.Message();
  } catch (...) {
    reported.message = "?";
  }
}

// Installs RecordReport for one test and puts the previous reporter back.
struct ReporterFixture : ::testing::Test {
  TExceptionReporter previous = nullptr;
  void SetUp() override {
    reported = Reported{};
    previous = SetExceptionReporter(RecordReport);
  }
  void TearDown() override { SetExceptionReporter(previous); }
};

// A window whose message method raises for WM_USER and answers 9 to WM_USER + 1.
struct Raiser {
  TUtilityWindow window{BindWndMethod<&Raiser::Handle>(this)};
  void Handle(TMessage& message) {
    if (message.Msg == WM_USER) {
      message.Result = 4;
      throw Exception("失敗");
    }
    message.Result = message.Msg == WM_USER + 1 ? 9
                                                : DefWindowProcA(window.Handle(), message.Msg,
                                                                 message.WParam, message.LParam);
  }
};

} // namespace

TEST_F(ReporterFixture, InstalledReporterGetsTheSenderAndTheException) {
  TObject sender;
  try {
    throw Exception("abc");
  } catch (...) {
    ReportEscapedException(&sender);
  }
  EXPECT_EQ(reported.count, 1);
  EXPECT_EQ(reported.sender, &sender);
  EXPECT_EQ(reported.message, "abc");
  EXPECT_EQ(SetExceptionReporter(RecordReport), RecordReport) << "the previous one is given back";
}

TEST_F(ReporterFixture, ExceptionEscapingAMessageMethodStopsAtTheWindowSystem) {
  Raiser raiser;
  EXPECT_EQ(SendMessageA(raiser.window.Handle(), WM_USER, 0, 0), 4) << "the result reached so far";
  EXPECT_EQ(reported.count, 1);
  EXPECT_EQ(reported.message, "失敗");
  EXPECT_EQ(SendMessageA(raiser.window.Handle(), WM_USER + 1, 0, 0), 9) << "the window goes on";
}

TEST(ExceptionReport, WithoutAReporterTheFallbackBoxShows) {
  TExceptionReporter previous = SetExceptionReporter(nullptr);
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    try {
      throw std::runtime_error("x");
    } catch (...) {
      ReportEscapedException();
    }
    boxes = watcher.Boxes();
  }
  SetExceptionReporter(previous);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "アプリケーション エラー");
}
