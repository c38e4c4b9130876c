#include "WindowBinding.h"
#include "Pump.h"
#include "TUtilityWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// The messages a window's object saw, in order.
struct Recorder {
  std::vector<UINT> seen;
  void Record(TMessage& message) {
    seen.push_back(message.Msg);
    message.Result = DefWindowProcA(window, message.Msg, message.WParam, message.LParam);
  }
  HWND window = nullptr;
  TWndMethod Method() { return BindWndMethod<&Recorder::Record>(this); }
  bool Saw(UINT message) const {
    return std::find(seen.begin(), seen.end(), message) != seen.end();
  }
};

TCreateParams ProbeParams(const char* className, DWORD style = WS_POPUP, HWND parent = nullptr) {
  TCreateParams params;
  params.Style = style;
  params.WndParent = parent;
  params.WindowClass.lpfnWndProc = DefWindowProcA;
  params.WindowClass.hInstance = GetModuleHandleA(nullptr);
  params.WinClassName = className;
  return params;
}

// An object with a utility window, as a non-visual component has one: its message method
// hands what it does not handle to the window's default procedure, so the window's handle
// must be known from the first message on (a window whose WM_NCCREATE fails is not made).
struct UtilityOwner {
  std::vector<UINT> seen;
  TUtilityWindow window{BindWndMethod<&UtilityOwner::Record>(this)};
  void Record(TMessage& message) {
    seen.push_back(message.Msg);
    message.Result = DefWindowProcA(window.Handle(), message.Msg, message.WParam, message.LParam);
  }
};

// A bound window of class "TBindingProbe" whose messages go to recorder from the first on.
HWND MakeRecordedWindow(Recorder& recorder, TWindowProcEntry& entry, DWORD style = WS_POPUP,
                        HWND parent = nullptr) {
  TCreateParams params = ProbeParams("TBindingProbe", style, parent);
  EXPECT_TRUE(RegisterBoundClass(params));
  return CreateBoundWindow(params, entry, [&recorder](HWND window) { recorder.window = window; });
}

// While it is installed on this thread, the first window this thread starts to make waits,
// with its tie pending, until another thread has made a window of the same class the plain
// way. That window must not take this thread's pending tie.
class CreationInterloper {
public:
  CreationInterloper() { current = this; }
  ~CreationInterloper() { current = nullptr; }
  CreationInterloper(const CreationInterloper&) = delete;
  CreationInterloper& operator=(const CreationInterloper&) = delete;

  bool otherMade = false;
  bool otherTied = false;

  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current && !current->ran_) {
      current->ran_ = true;
      std::thread([self = current] { self->MakeOtherWindow(); }).join();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

private:
  void MakeOtherWindow() {
    HWND window = CreateWindowExA(0, "TBindingProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    otherMade = window != nullptr;
    otherTied =
        GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(StartUpWindowProc);
    DestroyWindow(window);
  }

  static inline CreationInterloper* current = nullptr;
  bool ran_ = false;
};

} // namespace

TEST(WindowBinding, ObjectSeesTheWindowsFirstMessages) {
  Recorder recorder;
  TWindowProcEntry entry(recorder.Method());
  HWND window = MakeRecordedWindow(recorder, entry);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(recorder.window, window);
  EXPECT_TRUE(recorder.Saw(WM_NCCREATE));
  EXPECT_TRUE(recorder.Saw(WM_CREATE));
  EXPECT_LT(std::find(recorder.seen.begin(), recorder.seen.end(), WM_NCCREATE),
            std::find(recorder.seen.begin(), recorder.seen.end(), WM_CREATE));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(TWindowProcEntry::Procedure()));
  DestroyWindow(window);
  EXPECT_TRUE(recorder.Saw(WM_NCDESTROY));
  EXPECT_FALSE(entry.IsAttached(window));
}

TEST(WindowBinding, UtilityWindowIsMadeTheSameWay) {
  UtilityOwner owner;
  ASSERT_NE(owner.window.Handle(), nullptr);
  EXPECT_NE(std::find(owner.seen.begin(), owner.seen.end(), WM_NCCREATE), owner.seen.end());
  EXPECT_NE(std::find(owner.seen.begin(), owner.seen.end(), WM_CREATE), owner.seen.end());
  WNDCLASSA registered{};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "TPUtilWindow", &registered));
  EXPECT_EQ(registered.lpfnWndProc, StartUpWindowProc);
  EXPECT_FALSE(IsWindowVisible(owner.window.Handle()));
}

TEST(WindowBinding, ClassOfAnotherProcedureIsRegisteredAnew) {
  WNDCLASSA plain{};
  plain.lpfnWndProc = DefWindowProcA;
  plain.hInstance = GetModuleHandleA(nullptr);
  plain.lpszClassName = "TRegisteredElsewhere";
  ASSERT_NE(RegisterClassA(&plain), 0);
  TCreateParams params = ProbeParams("TRegisteredElsewhere");
  EXPECT_TRUE(RegisterBoundClass(params));
  WNDCLASSA registered{};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "TRegisteredElsewhere", &registered));
  EXPECT_EQ(registered.lpfnWndProc, StartUpWindowProc);
}

TEST(WindowBinding, ChildWithoutIdentifierGetsItsHandle) {
  Recorder parentRecorder;
  TWindowProcEntry parentEntry(parentRecorder.Method());
  HWND parent = MakeRecordedWindow(parentRecorder, parentEntry);
  Recorder childRecorder;
  TWindowProcEntry childEntry(childRecorder.Method());
  HWND child = MakeRecordedWindow(childRecorder, childEntry, WS_CHILD, parent);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_ID), reinterpret_cast<LONG_PTR>(child));
  DestroyWindow(parent);
}

TEST(WindowBinding, WindowOfABoundClassMadeOtherwiseIsLeftToTheSystem) {
  Recorder recorder;
  TWindowProcEntry entry(recorder.Method());
  DestroyWindow(MakeRecordedWindow(recorder, entry));
  HWND stray = CreateWindowExA(0, "TBindingProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(stray, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(stray, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(StartUpWindowProc));
  DestroyWindow(stray);
}

TEST(WindowBinding, ThreadsMakeWindowsSideBySide) {
  CreationInterloper interloper;
  HHOOK hook = SetWindowsHookExA(WH_CBT, CreationInterloper::Hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  Recorder recorder;
  TWindowProcEntry entry(recorder.Method());
  HWND window = MakeRecordedWindow(recorder, entry);
  UnhookWindowsHookEx(hook);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(interloper.otherMade);
  EXPECT_FALSE(interloper.otherTied) << "the other thread's window took no tie";
  EXPECT_EQ(recorder.window, window) << "this thread's window was tied to its own object";
  EXPECT_TRUE(recorder.Saw(WM_NCCREATE));
  EXPECT_TRUE(entry.IsAttached(window));
  DestroyWindow(window);
}
