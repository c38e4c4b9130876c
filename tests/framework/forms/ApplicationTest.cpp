#include "ApplicationWindow.h"
#include "BoxWatcher.h"
#include "Exception.h"
#include "TApplication.h"
#include "TScreen.h"
#include "WindowBinding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

std::vector<SeenBox> ReportOf(const std::function<void()>& raise) {
  BoxWatcher watcher;
  try {
    raise();
  } catch (...) {
    Application->ReportCurrentException(Application);
  }
  return watcher.Boxes();
}

bool SystemMenuHas(HWND window, UINT command) {
  HMENU menu = GetSystemMenu(window, FALSE);
  return GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

} // namespace

TEST(Application, WindowHasItsClassStyleAndTitle) {
  HWND window = Application->Handle();
  ASSERT_NE(window, nullptr);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "TApplication");
  auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  EXPECT_EQ(style & ~static_cast<DWORD>(WS_VISIBLE | WS_MINIMIZE), 0x84CA0000u);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  EXPECT_EQ(bounds.left, GetSystemMetrics(SM_CXSCREEN) / 2);
  EXPECT_EQ(bounds.top, GetSystemMetrics(SM_CYSCREEN) / 2);
  EXPECT_EQ(Application->Title(), "framework_forms_tests");
}

TEST(Application, WindowIsMadeAndTiedLikeEveryFrameworkWindow) {
  WNDCLASSA registered{};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "TApplication", &registered));
  EXPECT_EQ(registered.lpfnWndProc, StartUpWindowProc);
  EXPECT_EQ(GetWindowLongPtrA(Application->Handle(), GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(TWindowProcEntry::Procedure()));
  EXPECT_EQ(ApplicationWindow(), Application->Handle());
}

TEST(Application, SystemMenuLosesMaximizeSizeAndMove) {
  HWND window = Application->Handle();
  EXPECT_FALSE(SystemMenuHas(window, SC_MAXIMIZE));
  EXPECT_FALSE(SystemMenuHas(window, SC_SIZE));
  EXPECT_FALSE(SystemMenuHas(window, SC_MOVE));
  EXPECT_TRUE(SystemMenuHas(window, SC_CLOSE));
}

TEST(Application, TitleLivesInTheWindowText) {
  String old = Application->Title();
  Application->SetTitle("Sorvane");
  char text[64] = {};
  GetWindowTextA(Application->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Sorvane");
  EXPECT_EQ(Application->Title(), "Sorvane");
  Application->SetTitle(old);
}

TEST(Application, ErrorBoxAddsTheFinalPeriodWhenMissing) {
  auto boxes = ReportOf([] { throw Exception("abc"); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "abc.");
  EXPECT_EQ(boxes[0].caption, Application->Title());
  boxes = ReportOf([] { throw Exception("abc."); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "abc.");
  boxes = ReportOf([] { throw Exception("タイマーを取得できません"); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "タイマーを取得できません.");
}

TEST(Application, EmptyMessageGetsNoPeriod) {
  auto boxes = ReportOf([] { throw Exception(""); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "");
}

TEST(Application, AbortIsSilent) {
  auto boxes = ReportOf([] { throw EAbort("never shown"); });
  EXPECT_TRUE(boxes.empty());
}

TEST(Application, OtherExceptionsGetTheFallbackBox) {
  auto boxes = ReportOf([] { throw std::runtime_error("x"); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "アプリケーション エラー");
  EXPECT_NE(boxes[0].text.find("std::runtime_error"), String::npos);
  EXPECT_NE(boxes[0].text.find("framework_forms_tests.exe"), String::npos);
}

TEST(Application, QuitChecksCanRefuse) {
  QuitChecks().push_back([] { return false; });
  EXPECT_FALSE(QuitChecksAgree());
  QuitChecks().clear();
  EXPECT_TRUE(QuitChecksAgree());
}

namespace {

constexpr UINT hookedMessage = WM_APP + 7;

// A window hook that notes its calls and may change the hooks while they are walked.
struct NotingHook {
  int id = 0;
  std::vector<int>* calls = nullptr;
  std::vector<TWindowHook> unhook;
  std::vector<TWindowHook> hook;

  static bool Run(void* object, TMessage& message) {
    auto& self = *static_cast<NotingHook*>(object);
    if (message.Msg == hookedMessage) {
      self.calls->push_back(self.id);
      for (const TWindowHook& other : std::exchange(self.unhook, {})) {
        Application->UnhookMainWindow(other);
      }
      for (const TWindowHook& other : std::exchange(self.hook, {})) {
        Application->HookMainWindow(other);
      }
    }
    return false;
  }
  TWindowHook Hook() { return TWindowHook{&NotingHook::Run, this}; }
};

} // namespace

TEST(Application, WindowHooksMayUnhookAndHookWhileTheyAreWalked) {
  std::vector<int> calls;
  NotingHook first{1, &calls, {}, {}};
  NotingHook second{2, &calls, {}, {}};
  NotingHook third{3, &calls, {}, {}};
  NotingHook added{4, &calls, {}, {}};
  first.unhook = {first.Hook()};
  second.hook = {added.Hook()};
  Application->HookMainWindow(first.Hook());
  Application->HookMainWindow(second.Hook());
  Application->HookMainWindow(third.Hook());
  SendMessageA(Application->Handle(), hookedMessage, 0, 0);
  EXPECT_EQ(calls, (std::vector<int>{1, 2, 3})) << "a hook added meanwhile waits for the next";
  calls.clear();
  SendMessageA(Application->Handle(), hookedMessage, 0, 0);
  EXPECT_EQ(calls, (std::vector<int>{2, 3, 4}));
  for (NotingHook* hook : {&second, &third, &added}) {
    Application->UnhookMainWindow(hook->Hook());
  }
}

TEST(Application, HookUnhookedByAnEarlierOneIsNotCalled) {
  std::vector<int> calls;
  NotingHook first{1, &calls, {}, {}};
  NotingHook second{2, &calls, {}, {}};
  first.unhook = {second.Hook()};
  Application->HookMainWindow(first.Hook());
  Application->HookMainWindow(second.Hook());
  SendMessageA(Application->Handle(), hookedMessage, 0, 0);
  EXPECT_EQ(calls, (std::vector<int>{1}));
  Application->UnhookMainWindow(first.Hook());
}

TEST(Application, SettingChangeRefreshesTheLocaleFormatsUnlessTurnedOff) {
  const LCID user = GetUserDefaultLCID();
  const LCID other = user == 0x409 ? 0x411 : 0x409;
  SetThreadLocale(other);
  SendMessageA(Application->Handle(), WM_WININICHANGE, 0, 0);
  EXPECT_EQ(GetThreadLocale(), user);
  Application->UpdateFormatSettings = false;
  SetThreadLocale(other);
  SendMessageA(Application->Handle(), WM_WININICHANGE, 0, 0);
  EXPECT_EQ(GetThreadLocale(), other);
  Application->UpdateFormatSettings = true;
  SetThreadLocale(user);
}

TEST(Application, FontChangeMakesTheScreenReadItsFontListAgain) {
  std::vector<String> before = Screen->Fonts();
  ASSERT_FALSE(before.empty());
  EXPECT_TRUE(std::is_sorted(before.begin(), before.end()));
  SendMessageA(Application->Handle(), WM_FONTCHANGE, 0, 0);
  EXPECT_EQ(Screen->Fonts(), before) << "read again, the same fonts are there";
}
