#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "FrameworkMessages.h"
#include "OwnedForm.h"
#include "TApplication.h"
#include "TestForms.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A windowed control that counts the creation messages of its window.
class TCreationProbe : public TWinControl {
public:
  SORVANE_CLASS(TCreationProbe, TWinControl)
  SORVANE_MESSAGES

  using TWinControl::TWinControl;
  int ncCreates = 0;
  int creates = 0;
  bool handleKnown = false;

private:
  void WMNCCreate(TWMNCCreate& message) {
    ++ncCreates;
    handleKnown = HandleAllocated();
    DefaultHandler(message);
  }
  void WMCreate(TWMCreate& message) {
    ++creates;
    DefaultHandler(message);
  }
};

SORVANE_MESSAGE_ROWS(TCreationProbe){
    SORVANE_ON(WM_NCCREATE, WMNCCreate),
    SORVANE_ON(WM_CREATE, WMCreate),
};
SORVANE_MESSAGE_TABLE(TCreationProbe)

// A form that counts what reaches its default handling.
class TCountingForm : public TButtonForm {
public:
  using TButtonForm::TButtonForm;
  int defaultCommands = 0;

protected:
  void DefaultHandler(TMessage& message) override {
    if (message.Msg == WM_COMMAND) {
      ++defaultCommands;
    }
    TButtonForm::DefaultHandler(message);
  }
};

} // namespace

TEST(Dispatch, ControlWithoutWindowKeepsItsText) {
  TControl probe(nullptr);
  probe.SetText("テキスト");
  EXPECT_EQ(probe.Text(), "テキスト");
  char buffer[4] = {};
  EXPECT_EQ(probe.Deliver(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 3);
  EXPECT_STREQ(buffer, String("テキスト").substr(0, 3).c_str());
  EXPECT_EQ(probe.Deliver(WM_GETTEXTLENGTH), 8);
}

TEST(Dispatch, ControlTagsNameTheControlOfAWindow) {
  auto form = AddOwnedForm<TButtonForm>();
  HWND window = form->Handle();
  EXPECT_EQ(FindControl(window), form.get());
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
  char name[64];
  std::snprintf(name, sizeof name, "Velkor%.8lX", GetCurrentProcessId());
  EXPECT_EQ(GetPropA(window, name), static_cast<HANDLE>(static_cast<TWinControl*>(form.get())));
  std::snprintf(
      name, sizeof name, "ControlOfs%.8llX%.8lX",
      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr))),
      GetCurrentThreadId());
  EXPECT_NE(GlobalFindAtomA(name), 0);
  EXPECT_EQ(GetPropA(window, name), static_cast<HANDLE>(static_cast<TWinControl*>(form.get())));
}

TEST(Dispatch, WindowedControlSeesItsWindowsCreation) {
  auto form = AddOwnedForm<TButtonForm>();
  auto* probe = new TCreationProbe(form.get());
  probe->SetParent(form.get());
  probe->HandleNeeded();
  EXPECT_EQ(probe->ncCreates, 1);
  EXPECT_EQ(probe->creates, 1);
  EXPECT_TRUE(probe->handleKnown) << "the window is known from its first message";
  probe->RecreateWnd();
  probe->HandleNeeded();
  EXPECT_EQ(probe->creates, 2);
}

TEST(Dispatch, ChildWindowsWithoutIdentifierGetTheirHandle) {
  auto form = AddOwnedForm<TButtonForm>();
  HWND button = form->Button1->Handle();
  EXPECT_EQ(GetWindowLongPtrA(button, GWLP_ID), reinterpret_cast<LONG_PTR>(button));
  EXPECT_EQ(GetParent(button), form->Handle());
}

TEST(Dispatch, CommandOfAFrameworkControlIsReflectedToIt) {
  auto form = AddOwnedForm<TCountingForm>();
  form->Show();
  SendMessageA(form->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->clicks, 1);
  EXPECT_EQ(form->defaultCommands, 0);
}

TEST(Dispatch, CommandOfAForeignWindowReachesDefaultHandling) {
  auto form = AddOwnedForm<TCountingForm>();
  form->Show();
  HWND foreign = CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 150, 8, 40, 20,
                                 form->Handle(), reinterpret_cast<HMENU>(77), nullptr, nullptr);
  ASSERT_NE(foreign, nullptr);
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(77, BN_CLICKED),
               reinterpret_cast<LPARAM>(foreign));
  EXPECT_EQ(form->defaultCommands, 1);
  EXPECT_EQ(form->clicks, 0);
  DestroyWindow(foreign);
}

TEST(Dispatch, ExceptionInClickHandlerShowsErrorBoxAndWindowStaysUsable) {
  auto form = AddOwnedForm<TButtonForm>();
  form->Show();
  form->raiseOnClick = true;
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher(form->Handle());
    SendMessageA(form->Button1->Handle(), BM_CLICK, 0, 0);
    boxes = watcher.Boxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "abc.");
  EXPECT_FALSE(boxes[0].watchedEnabled);
  EXPECT_EQ(boxes[0].caption, Application->Title());
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  form->raiseOnClick = false;
  SendMessageA(form->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->clicks, 2);
}

TEST(Dispatch, KeyDownHandlerSettingKeyToZeroSuppressesTheControl) {
  auto form = AddOwnedForm<TButtonForm>();
  form->Show();
  HWND edit = form->Edit1->Handle();
  form->Edit1->SetText("abc");
  SetFocus(edit);
  SendMessageA(edit, EM_SETSEL, 0, 0);
  form->swallowKeys = true;
  PostMessageA(edit, WM_KEYDOWN, VK_DELETE, 0x01530001);
  PumpPending();
  EXPECT_EQ(form->keyDowns, 1);
  EXPECT_EQ(form->Edit1->Text(), "abc");
  form->swallowKeys = false;
  PostMessageA(edit, WM_KEYDOWN, VK_DELETE, 0x01530001);
  PumpPending();
  EXPECT_EQ(form->keyDowns, 2);
  EXPECT_EQ(form->Edit1->Text(), "bc");
}

TEST(Dispatch, TabMovesTheFocusToTheNextTabStop) {
  auto form = AddOwnedForm<TButtonForm>();
  form->Show();
  SetForegroundWindow(form->Handle());
  SetFocus(form->Button1->Handle());
  PumpPending();
  ASSERT_EQ(GetFocus(), form->Button1->Handle());
  PostMessageA(form->Button1->Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001);
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == form->Edit1->Handle(); }));
  EXPECT_EQ(form->ActiveControl(), form->Edit1);
}

TEST(Dispatch, ChildControlWithoutParentWindowIsRefused) {
  TTestButton button(nullptr);
  button.AssignName("Orphan");
  try {
    button.HandleNeeded();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), "コントロール 'Orphan' は親ウィンドウを持っていません");
  }
  EXPECT_FALSE(button.HandleAllocated());
}

TEST(Dispatch, DeliverToNoControlAnswersZero) { EXPECT_EQ(Deliver(nullptr, WM_GETTEXTLENGTH), 0); }

TEST(Dispatch, ArrowKeysMoveAmongSiblingsIgnoringTabStops) {
  auto form = AddOwnedForm<TButtonForm>();
  form->Show();
  form->Edit1->SetTabStop(false);
  SetForegroundWindow(form->Handle());
  SetFocus(form->Button1->Handle());
  PumpPending();
  PostMessageA(form->Button1->Handle(), WM_KEYDOWN, VK_DOWN, 0x01500001);
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == form->Edit1->Handle(); }));
}

TEST(Dispatch, KeyPreviewLetsTheFormSeeKeysFirst) {
  auto form = AddOwnedForm<TButtonForm>();
  form->Show();
  form->SetKeyPreview(true);
  struct Preview : TObject {
    int count = 0;
    bool swallow = false;
    void Key(TObject*, WORD& key, TShiftState) {
      ++count;
      if (swallow) {
        key = 0;
      }
    }
  } preview;
  form->OnKeyDown = TKeyEvent::Bind<&Preview::Key>(preview);
  SetFocus(form->Edit1->Handle());
  PostMessageA(form->Edit1->Handle(), WM_KEYDOWN, 'A', 0x001E0001);
  PumpPending();
  EXPECT_EQ(preview.count, 1);
  EXPECT_EQ(form->keyDowns, 1);
  preview.swallow = true;
  PostMessageA(form->Edit1->Handle(), WM_KEYDOWN, 'A', 0x001E0001);
  PumpPending();
  EXPECT_EQ(preview.count, 2);
  EXPECT_EQ(form->keyDowns, 1);
}
