#include "ApplicationPump.h"
#include "MenuTestForm.h"
#include "OwnedForm.h"
#include "ShortCuts.h"
#include "TCustomControl.h"
#include "TPopupMenu.h"

#include <gtest/gtest.h>

// Shortcut texts, their parsing, and shortcut keys reaching menu items.

TEST(ShortCuts, TextsNameTheModifiersThenTheKey) {
  EXPECT_EQ(ShortCutToText(MakeShortCut('S', false, true, false)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_F5, true, true, true)), "Shift+Ctrl+Alt+F5");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_RETURN, false, false, false)), "Enter");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_DELETE, false, true, false)), "Ctrl+Del");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_NUMPAD5, false, false, false)), "5");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_F24, false, false, false)), "F24");
  EXPECT_EQ(ShortCutToText(MakeShortCut(VK_PRIOR, false, false, false)), "PgUp");
  EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(ShortCuts, EveryNamedKeyReadsBackFromItsText) {
  const WORD keys[] = {VK_BACK, VK_TAB,  VK_RETURN, VK_ESCAPE, VK_SPACE, VK_NEXT,   VK_END,
                       VK_HOME, VK_LEFT, VK_UP,     VK_RIGHT,  VK_DOWN,  VK_INSERT, VK_DELETE,
                       '0',     '9',     'A',       'Z',       VK_F1,    VK_F12,    VK_F24};
  for (WORD key : keys) {
    for (TShortCut modifiers : {TShortCut{0}, scShift, TShortCut(scCtrl | scAlt)}) {
      auto shortCut = static_cast<TShortCut>(key | modifiers);
      EXPECT_EQ(TextToShortCut(ShortCutToText(shortCut)), shortCut) << ShortCutToText(shortCut);
    }
  }
}

TEST(ShortCuts, ParsingTakesPrefixesInAnyCaseAndTheCaretForCtrl) {
  TShortCut ctrlS = MakeShortCut('S', false, true, false);
  EXPECT_EQ(TextToShortCut("^S"), ctrlS);
  EXPECT_EQ(TextToShortCut("ctrl+s"), ctrlS);
  EXPECT_EQ(TextToShortCut("Alt+Shift+F1"), MakeShortCut(VK_F1, true, false, true));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), scNone);
  EXPECT_EQ(TextToShortCut(""), scNone);
}

namespace {

struct ShortCutKeys : ::testing::Test {
  TOwnedForm<TMenuForm> form;
  TMenuCounter fileOpened;

  void SetUp() override {
    form = AddOwnedForm<TMenuForm>();
    form->File1->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(fileOpened);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
  }
  void TearDown() override { form.reset(); }
};

} // namespace

TEST_F(ShortCutKeys, AShortcutKeyClicksTheItemAndThePopupsAboveIt) {
  form->O1->SetShortCut(MakeShortCut(VK_F5, false, false, false));
  EXPECT_EQ(EntryText(form->File1->Handle(), 0), "開く(&O)\tF5");
  PostKey(form->Handle(), VK_F5);
  ASSERT_TRUE(PumpUntil([&] { return form->opened == 1; }));
  EXPECT_EQ(fileOpened.count, 1) << "the File pop-up is clicked on the way, as if opened";
  PumpPending();
  EXPECT_EQ(form->opened, 1);
}

TEST_F(ShortCutKeys, AnAltShortcutReachesItsItem) {
  form->N3->SetShortCut(MakeShortCut('X', false, false, true));
  PostKey(form->Handle(), 'X', true);
  EXPECT_TRUE(PumpUntil([&] { return form->versions == 1; }));
}

TEST_F(ShortCutKeys, ADisabledItemTakesItsKeyButDoesNothing) {
  form->O1->SetShortCut(MakeShortCut(VK_F5, false, false, false));
  form->O1->SetEnabled(false);
  PostKey(form->Handle(), VK_F5);
  PumpPending();
  EXPECT_EQ(form->opened, 0);
}

TEST_F(ShortCutKeys, AControlsPopupMenuClaimsItsShortcutFirst) {
  auto* box = new TCustomControl(form.get());
  box->SetBounds(8, 8, 60, 30);
  box->SetParent(form.get());
  auto* popup = new TPopupMenu(form.get());
  auto* item = new TMenuItem(form.get());
  item->SetCaption("消去");
  item->SetShortCut(MakeShortCut(VK_F5, false, false, false));
  popup->Items()->Add(item);
  TMenuCounter erased;
  item->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(erased);
  form->O1->SetShortCut(MakeShortCut(VK_F5, false, false, false));
  box->SetPopupMenu(popup);
  PumpPending();
  PostKey(box->Handle(), VK_F5);
  ASSERT_TRUE(PumpUntil([&] { return erased.count == 1; }));
  EXPECT_EQ(form->opened, 0);
  popup->Free();
  EXPECT_EQ(box->PopupMenu(), nullptr);
}
