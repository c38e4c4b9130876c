#include "ApplicationPump.h"
#include "MenuTestForm.h"
#include "OwnedForm.h"
#include "TCustomControl.h"
#include "TPopupMenu.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

// A control's pop-up menu, opened by a right-button click posted at the control.

namespace {

// Presses Escape at window from a second thread when the test has not finished in time,
// so that a menu left open cannot hold the test.
class EscapeWatchdog {
public:
  explicit EscapeWatchdog(HWND window)
      : thread_([this, window] {
          for (int waited = 0; waited < 100 && !done_; ++waited) {
            Sleep(50);
          }
          while (!done_) {
            PostKey(window, VK_ESCAPE);
            Sleep(200);
          }
        }) {}
  ~EscapeWatchdog() {
    done_ = true;
    thread_.join();
  }
  EscapeWatchdog(const EscapeWatchdog&) = delete;
  EscapeWatchdog& operator=(const EscapeWatchdog&) = delete;

private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

struct PopupMenus : ::testing::Test {
  TOwnedForm<TMenuForm> form;
  TCustomControl* box = nullptr;
  TPopupMenu* popup = nullptr;
  TMenuItem* erase = nullptr;
  TMenuCounter erased;
  TMenuCounter popups;

  void SetUp() override {
    form = AddOwnedForm<TMenuForm>();
    box = new TCustomControl(form.get());
    box->SetBounds(8, 8, 100, 40);
    box->SetParent(form.get());
    popup = new TPopupMenu(form.get());
    popup->OnPopup = TNotifyEvent::Bind<&TMenuCounter::Count>(popups);
    for (const char* caption : {"消去(&E)", "-", "全部"}) {
      auto* item = new TMenuItem(form.get());
      item->SetCaption(caption);
      popup->Items()->Add(item);
    }
    erase = popup->Items()->Items(0);
    erase->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(erased);
    box->SetPopupMenu(popup);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
  }
  void TearDown() override { form.reset(); }

  void RightClick(POINT at) {
    LPARAM pos = MAKELPARAM(at.x, at.y);
    PostMessageA(box->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, pos);
    PostMessageA(box->Handle(), WM_RBUTTONUP, 0, pos);
  }
};

struct ContextRequest : TObject {
  POINT seen{0, 0};
  bool handle = false;
  void Popup(TObject*, POINT pos, bool& handled) {
    seen = pos;
    handled = handle;
  }
};

} // namespace

TEST_F(PopupMenus, ARightClickOpensTheMenuAndAChosenEntryRunsItsItem) {
  EscapeWatchdog watchdog(form->Handle());
  RightClick(POINT{20, 10});
  PostKey(box->Handle(), VK_DOWN);
  PostKey(box->Handle(), VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return erased.count == 1; }));
  EXPECT_EQ(popups.count, 1);
  EXPECT_EQ(popup->PopupComponent(), box);
}

TEST_F(PopupMenus, OnContextPopupSeesTheClientPositionAndCanKeepTheMenuClosed) {
  ContextRequest request;
  request.handle = true;
  box->OnContextPopup = TContextPopupEvent::Bind<&ContextRequest::Popup>(request);
  RightClick(POINT{30, 12});
  PumpPending();
  EXPECT_EQ(request.seen.x, 30);
  EXPECT_EQ(request.seen.y, 12);
  EXPECT_EQ(popups.count, 0);
}

TEST_F(PopupMenus, AFreedPopupMenuLeavesItsControl) {
  popup->Free();
  EXPECT_EQ(box->PopupMenu(), nullptr);
  RightClick(POINT{20, 10});
  PumpPending();
  EXPECT_EQ(erased.count, 0);
}
