#include "ApplicationPump.h"
#include "KeyInput.h"
#include "MenuTestForm.h"
#include "OwnedForm.h"

#include <gtest/gtest.h>

// The menu bar driven from the keyboard: key presses posted to the form's window as the
// window system queues them for a user, taken by the application's loop and by the window
// system's own menu loop. Keys meant for an open menu are typed when it waits for them.

namespace {

struct MenuKeyboard : ::testing::Test {
  TOwnedForm<TMenuForm> form;

  void SetUp() override {
    form = AddOwnedForm<TMenuForm>();
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
  }
  void TearDown() override { form.reset(); }

  bool RunUntil(const std::function<bool()>& condition) {
    bool reached = PumpUntil(condition);
    PumpPending();
    return reached;
  }
};

} // namespace

TEST_F(MenuKeyboard, AltAndTheAccessKeysRunTheCommand) {
  form->menuKeys = {'O'};
  PostKey(form->Handle(), 'F', true);
  ASSERT_TRUE(RunUntil([&] { return form->opened == 1; }));
  EXPECT_EQ(form->added, 0);
  EXPECT_EQ(form->closed, 0);
  EXPECT_GT(form->menuIdles, 0) << "the File pop-up was open and waiting";
}

TEST_F(MenuKeyboard, TheOptionsCommandTogglesItsCheckMarkInTheMenu) {
  form->menuKeys = {'S'};
  PostKey(form->Handle(), 'O', true);
  ASSERT_TRUE(RunUntil([&] { return form->renzoku->Checked(); }));
  HMENU options = form->O2->Handle();
  EXPECT_TRUE(EntryState(options, form->renzoku->Command()) & MF_CHECKED);
  EXPECT_FALSE(EntryState(options, form->repeat->Command()) & MF_CHECKED);
  form->menuKeys = {'S'};
  PostKey(form->Handle(), 'O', true);
  ASSERT_TRUE(RunUntil([&] { return !form->renzoku->Checked(); }));
  EXPECT_FALSE(EntryState(options, form->renzoku->Command()) & MF_CHECKED);
}

TEST_F(MenuKeyboard, AltThenArrowsAndEnterRunACommandOnTheBar) {
  form->menuKeys = {VK_RIGHT, VK_RIGHT, VK_RETURN};
  PostAltAlone(form->Handle());
  ASSERT_TRUE(RunUntil([&] { return form->versions == 1; }));
  EXPECT_EQ(form->opened, 0);
}

TEST_F(MenuKeyboard, ACharacterWithoutAccessKeyIsMatchedByTheMenu) {
  auto* extra = new TMenuItem(form.get());
  extra->SetCaption("Xtra");
  form->File1->SetAutoHotkeys(maManual);
  form->File1->Add(extra);
  TMenuCounter clicks;
  extra->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(clicks);
  form->menuKeys = {'X'};
  PostKey(form->Handle(), 'F', true);
  ASSERT_TRUE(RunUntil([&] { return clicks.count == 1; }));
}
