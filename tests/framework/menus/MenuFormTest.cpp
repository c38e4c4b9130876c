#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "DesignScale.h"
#include "Exception.h"
#include "Format.h"
#include "MenuTestForm.h"
#include "Messages.h"
#include "OwnedForm.h"
#include "ShortCuts.h"

#include <gtest/gtest.h>

// A form with the player's menu bar, read from its resource.

namespace {

struct MenuForm : ::testing::Test {
  TOwnedForm<TMenuForm> form;

  void SetUp() override { form = AddOwnedForm<TMenuForm>(); }
  void TearDown() override { form.reset(); }

  HMENU Bar() const { return GetMenu(form->Handle()); }
  SIZE Client() const {
    RECT client{};
    GetClientRect(form->Handle(), &client);
    return SIZE{client.right, client.bottom};
  }
};

} // namespace

TEST_F(MenuForm, TheMenuIsReadWithItsTreeAndPutOnTheWindow) {
  ASSERT_EQ(form->Menu(), form->MainMenu1);
  TMenuItem* root = form->MainMenu1->Items();
  ASSERT_EQ(root->Count(), 3);
  EXPECT_EQ(root->Items(0), form->File1);
  EXPECT_EQ(form->File1->Count(), 3);
  EXPECT_EQ(form->File1->Items(2), form->Close1);
  EXPECT_EQ(form->O2->Items(1), form->repeat);
  EXPECT_EQ(form->N3->Count(), 0);
  EXPECT_EQ(form->O1->Owner(), form.get()) << "items belong to the form";
  EXPECT_LT(form->File1->Command(), form->O1->Command());
  EXPECT_LT(form->O1->Command(), form->N3->Command());
  ASSERT_EQ(Bar(), form->MainMenu1->Handle());
  EXPECT_EQ(EntryText(Bar(), 0), "ファイル(&F)");
  EXPECT_EQ(EntryText(Bar(), 1), "オプション(&O)");
  EXPECT_EQ(EntryText(Bar(), 2), "バージョン(&V)");
  EXPECT_EQ(EntryText(form->O2->Handle(), 0), "連続再生(&S)");
  EXPECT_EQ(form->MainMenu1->Image(), "ファイル(&F);オプション(&O);バージョン(&V);");
}

TEST_F(MenuForm, TheClientSizeOfTheResourceCountsTheMenuBar) {
  form->Show();
  PumpPending();
  SIZE client = Client();
  EXPECT_EQ(client.cx, Scaled(230));
  EXPECT_EQ(client.cy, Scaled(120));
}

TEST(MenuFormSize, AClientHeightSetBeforeTheWindowExistsCountsTheMenuBar) {
  TOwnedForm<TForm> form(new TForm(Application));
  form->Build();
  ASSERT_FALSE(form->HandleAllocated());
  auto* menu = new TMainMenu(form.get());
  auto* item = new TMenuItem(form.get());
  item->SetCaption("ファイル(&F)");
  menu->Items()->Add(item);
  for (const char* caption : {"オプション(&O)", "バージョン(&V)", "ヘルプ(&H)"}) {
    auto* more = new TMenuItem(form.get());
    more->SetCaption(caption);
    menu->Items()->Add(more);
  }
  form->SetMenu(menu);
  form->SetClientWidth(200);
  form->SetClientHeight(120);
  form->Show();
  PumpPending();
  RECT client{};
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 120) << "however many lines the bar takes";
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
}

TEST_F(MenuForm, AMenuServesOneFormOnly) {
  TOwnedForm<TForm> other = AddOwnedForm<TForm>();
  try {
    other->SetMenu(form->MainMenu1);
    FAIL() << "the second form took the menu";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), "メニュー 'MainMenu1' は既に他のフォームで使われています");
  }
  EXPECT_EQ(other->Menu(), nullptr);
  form->SetMenu(nullptr);
  EXPECT_EQ(Bar(), nullptr);
  other->SetMenu(form->MainMenu1);
  EXPECT_EQ(GetMenu(other->Handle()), form->MainMenu1->Handle());
}

TEST_F(MenuForm, AFreedMenuLeavesTheFormAndItsWindow) {
  form->MainMenu1->Free();
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(Bar(), nullptr);
  EXPECT_EQ(form->MainMenu1, nullptr);
}

TEST_F(MenuForm, ACommandMessageReachesTheItemsOnClick) {
  PostMessageA(form->Handle(), WM_COMMAND, form->S1->Command(), 0);
  ASSERT_TRUE(PumpUntil([&] { return form->added == 1; }));
  EXPECT_EQ(form->opened, 0);
}

TEST_F(MenuForm, ASeparatorLineRunsNothing) {
  auto* line = new TMenuItem(form.get());
  line->SetCaption("-");
  TMenuCounter clicks;
  line->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(clicks);
  form->File1->Insert(2, line);
  EXPECT_TRUE(GetMenuState(form->File1->Handle(), 2, MF_BYPOSITION) & MF_SEPARATOR);
  SendMessageA(form->Handle(), WM_COMMAND, line->Command(), 0);
  EXPECT_EQ(clicks.count, 0);
}

TEST_F(MenuForm, AFailingCommandIsReportedAndTheMenuStaysUsable) {
  form->raiseOnVersion = true;
  {
    BoxWatcher watcher;
    SendMessageA(form->Handle(), WM_COMMAND, form->N3->Command(), 0);
    ASSERT_EQ(watcher.Boxes().size(), 1u);
    EXPECT_EQ(watcher.Boxes().front().text, "バージョン.");
  }
  form->raiseOnVersion = false;
  SendMessageA(form->Handle(), WM_COMMAND, form->N3->Command(), 0);
  EXPECT_EQ(form->versions, 2);
}

TEST_F(MenuForm, DisablingAnEntryOfTheBarGraysItThere) {
  form->Show();
  PumpPending();
  form->N3->SetEnabled(false);
  EXPECT_EQ(EntryState(Bar(), form->N3->Command()) & MF_GRAYED, MF_GRAYED);
  EXPECT_EQ(form->MainMenu1->Image(), "ファイル(&F);オプション(&O);バージョン(&V)$#;");
  SendMessageA(form->Handle(), WM_COMMAND, form->N3->Command(), 0);
  EXPECT_EQ(form->versions, 0) << "a disabled item does not run";
}

TEST_F(MenuForm, ANewTopLevelEntryAppearsOnTheWindowsBar) {
  form->Show();
  PumpPending();
  auto* help = new TMenuItem(form.get());
  help->SetCaption("ヘルプ(&H)");
  form->MainMenu1->Items()->Add(help);
  ASSERT_EQ(Bar(), form->MainMenu1->Handle());
  EXPECT_EQ(GetMenuItemCount(Bar()), 4);
  EXPECT_EQ(EntryText(Bar(), 3), "ヘルプ(&H)");
  help->Free();
  EXPECT_EQ(GetMenuItemCount(Bar()), 3);
}

TEST_F(MenuForm, ANewWindowGetsTheMenuAgain) {
  form->Show();
  PumpPending();
  form->SetBorderStyle(bsSingle);
  PumpPending();
  ASSERT_EQ(Bar(), form->MainMenu1->Handle());
  EXPECT_EQ(GetSubMenu(Bar(), 0), form->File1->Handle());
  EXPECT_EQ(GetMenuItemCount(form->File1->Handle()), 3);
}

TEST_F(MenuForm, ADialogShowsNoMenuBarAndTakesNoShortcuts) {
  form->O1->SetShortCut(MakeShortCut(VK_F5, false, false, false));
  form->SetBorderStyle(bsDialog);
  form->Show();
  PumpPending();
  EXPECT_EQ(Bar(), nullptr);
  EXPECT_EQ(form->MainMenu1->WindowHandle(), nullptr);
  PostKey(form->Handle(), VK_F5);
  PumpPending();
  EXPECT_EQ(form->opened, 0);
  form->SetBorderStyle(bsSingle);
  PumpPending();
  EXPECT_EQ(Bar(), form->MainMenu1->Handle());
  EXPECT_EQ(form->MainMenu1->WindowHandle(), form->Handle());
}

TEST_F(MenuForm, TheSelectedItemsHintBecomesTheApplicationsHint) {
  form->S1->SetHint("再生リストに追加します");
  SendMessageA(form->Handle(), WM_MENUSELECT, MAKEWPARAM(form->S1->Command(), MF_STRING),
               reinterpret_cast<LPARAM>(form->File1->Handle()));
  EXPECT_EQ(Application->Hint(), "再生リストに追加します");
  SendMessageA(form->Handle(), WM_MENUSELECT, MAKEWPARAM(0xFFFF, 0xFFFF), 0);
  EXPECT_EQ(Application->Hint(), "");
}

TEST_F(MenuForm, ATypedCharacterMatchesEntriesTheSystemDidNotKnow) {
  TMenuItem* extra = new TMenuItem(form.get());
  extra->SetCaption("Xtra");
  form->File1->SetAutoHotkeys(maManual);
  form->File1->Add(extra);
  HMENU popup = form->File1->Handle();
  auto menuChar = [&](char typed) {
    return SendMessageA(form->Handle(), WM_MENUCHAR, MAKEWPARAM(typed, MF_POPUP),
                        reinterpret_cast<LPARAM>(popup));
  };
  EXPECT_EQ(menuChar('x'), MAKELRESULT(3, MNC_EXECUTE));
  EXPECT_EQ(menuChar('c'), MAKELRESULT(2, MNC_EXECUTE)) << "an access key the menu knows";
  extra->SetEnabled(false);
  EXPECT_EQ(menuChar('x'), MAKELRESULT(0, MNC_CLOSE));
  auto* second = new TMenuItem(form.get());
  second->SetCaption("閉じる2(&C)");
  form->File1->Add(second);
  EXPECT_EQ(menuChar('c'), MAKELRESULT(2, MNC_SELECT)) << "several matches select one";
  EXPECT_EQ(menuChar('q'), 0) << "no match is left to the system";
}
