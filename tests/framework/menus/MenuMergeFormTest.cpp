#include "ApplicationPump.h"
#include "KeyInput.h"
#include "MenuTestForm.h"
#include "OwnedForm.h"
#include "ShortCuts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// A second form whose menu merges into the player window's bar when the form becomes
// active: the bar the user sees, the commands, keys and shortcuts that reach the merged
// items, and the bar coming back when the form hides, goes or changes its menu.

namespace {

const std::vector<String> playerBar = {"ファイル(&F)", "オプション(&O)", "バージョン(&V)"};
const std::vector<String> mergedBar = {"ファイル(&F)",   "編集(&E)",       "オプション(&O)",
                                       "ウィンドウ(&W)", "バージョン(&V)", "ヘルプ(&H)"};

// A form without a resource whose auto-merged menu has Edit (group 1) with Cut, Window (2)
// and Help (5); the player window's entries get the groups 0, 2 and 4.
struct MenuMergeForms : ::testing::Test {
  TOwnedForm<TMenuForm> main;
  TOwnedForm<TForm> second;
  TMainMenu* menu = nullptr;
  TMenuItem* edit = nullptr;
  TMenuItem* cut = nullptr;
  TMenuItem* help = nullptr;
  TMenuCounter cuts;

  void SetUp() override {
    main = AddOwnedForm<TMenuForm>();
    main->O2->SetGroupIndex(2);
    main->N3->SetGroupIndex(4);
    main->Show();
    SetForegroundWindow(main->Handle());
    PumpPending();
    second = AddOwnedForm<TForm>();
    second->SetBounds(400, 90, 240, 160);
    menu = MakeMenu(*second);
    second->SetMenu(menu);
  }
  void TearDown() override {
    second.reset();
    main.reset();
  }

  TMainMenu* MakeMenu(TForm& form) {
    auto* made = new TMainMenu(&form);
    made->SetAutoMerge(true);
    edit = AddItem(form, made->Items(), "編集(&E)", 1);
    cut = AddItem(form, edit, "切り取り(&T)", 0);
    cut->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(cuts);
    AddItem(form, made->Items(), "ウィンドウ(&W)", 2);
    help = AddItem(form, made->Items(), "ヘルプ(&H)", 5);
    return made;
  }
  static TMenuItem* AddItem(TForm& form, TMenuItem* parent, const char* caption,
                            std::uint8_t groupIndex) {
    auto* item = new TMenuItem(&form);
    item->SetCaption(caption);
    item->SetGroupIndex(groupIndex);
    parent->Add(item);
    return item;
  }
  HMENU MainBar() const { return GetMenu(main->Handle()); }
  void ActivateSecond() {
    second->Show();
    ASSERT_TRUE(PumpUntil([&] { return second->Active(); }));
    PumpPending();
  }
  void ActivateMain() {
    SetForegroundWindow(main->Handle());
    ASSERT_TRUE(PumpUntil([&] { return main->Active(); }));
    PumpPending();
  }
};

} // namespace

TEST_F(MenuMergeForms, TheMergedFormsWindowShowsNoBarOfItsOwn) {
  second->Show();
  PumpPending();
  EXPECT_EQ(GetMenu(second->Handle()), nullptr);
}

TEST_F(MenuMergeForms, ActivatingTheFormShowsItsEntriesInTheMainBarByGroup) {
  EXPECT_EQ(EntryTexts(MainBar()), playerBar);
  ActivateSecond();
  EXPECT_EQ(EntryTexts(MainBar()), mergedBar);
  EXPECT_EQ(main->MainMenu1->Merged(), menu);
  EXPECT_EQ(main->MainMenu1->Image(),
            "ファイル(&F);編集(&E);オプション(&O);ウィンドウ(&W);バージョン(&V);ヘルプ(&H);");
}

TEST_F(MenuMergeForms, AMergedCommandReachesItsItemThroughTheMainWindow) {
  ActivateSecond();
  PostMessageA(main->Handle(), WM_COMMAND, cut->Command(), 0);
  ASSERT_TRUE(PumpUntil([&] { return cuts.count == 1; }));
  PostMessageA(main->Handle(), WM_COMMAND, main->S1->Command(), 0);
  ASSERT_TRUE(PumpUntil([&] { return main->added == 1; }));
}

TEST_F(MenuMergeForms, TheEntriesStayWhenTheMainFormIsActivated) {
  ActivateSecond();
  ActivateMain();
  EXPECT_EQ(EntryTexts(MainBar()), mergedBar);
}

TEST_F(MenuMergeForms, AltAndAccessKeysOpenTheMergedPopupFromTheMainBar) {
  ActivateSecond();
  ActivateMain();
  main->menuKeys = {'T'};
  PostKey(main->Handle(), 'E', true);
  ASSERT_TRUE(PumpUntil([&] { return cuts.count == 1; }));
  PumpPending();
  EXPECT_GT(main->menuIdles, 0) << "the Edit pop-up was open and waiting";
}

TEST_F(MenuMergeForms, AShortcutOfTheMergedMenuWorksOnEitherForm) {
  cut->SetShortCut(MakeShortCut(VK_F6, false, false, false));
  ActivateSecond();
  PostKey(second->Handle(), VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return cuts.count == 1; })) << "through the main form's bar";
  PumpPending();
  EXPECT_EQ(cuts.count, 1) << "once";
  ActivateMain();
  PostKey(main->Handle(), VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return cuts.count == 2; }));
}

TEST_F(MenuMergeForms, ACharacterOnTheBarMatchesAMergedEntryWithoutAccessKey) {
  menu->SetAutoHotkeys(TMenuAutoFlag::maManual);
  TMenuItem* zoom = AddItem(*second, menu->Items(), "Zoom", 6);
  TMenuCounter zooms;
  zoom->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(zooms);
  ActivateSecond();
  ActivateMain();
  main->menuKeys = {'Z'};
  PostAltAlone(main->Handle());
  ASSERT_TRUE(PumpUntil([&] { return zooms.count == 1; }));
  PumpPending();
}

TEST_F(MenuMergeForms, TheHintOfAMergedItemBecomesTheApplicationsHint) {
  ActivateSecond();
  cut->SetHint("選んだ部分を切り取ります");
  edit->SetHint("編集します");
  SendMessageA(main->Handle(), WM_MENUSELECT, MAKEWPARAM(cut->Command(), MF_STRING),
               reinterpret_cast<LPARAM>(edit->Handle()));
  EXPECT_EQ(Application->Hint(), "選んだ部分を切り取ります");
  SendMessageA(main->Handle(), WM_MENUSELECT, MAKEWPARAM(1, MF_POPUP),
               reinterpret_cast<LPARAM>(MainBar()));
  EXPECT_EQ(Application->Hint(), "編集します") << "the entry at position 1 of the bar opens Edit";
  SendMessageA(main->Handle(), WM_MENUSELECT, MAKEWPARAM(0xFFFF, 0xFFFF), 0);
  EXPECT_EQ(Application->Hint(), "");
}

TEST_F(MenuMergeForms, HidingTheFormRestoresTheMainBar) {
  ActivateSecond();
  second->Hide();
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()), playerBar);
  EXPECT_EQ(menu->MergedInto(), nullptr);
}

TEST_F(MenuMergeForms, HidingTheFormAfterItWasDeactivatedRestoresTheMainBarToo) {
  ActivateSecond();
  ActivateMain();
  second->Hide();
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()), playerBar);
}

TEST_F(MenuMergeForms, FreeingTheFormRestoresTheMainBarAndLeavesNoLink) {
  ActivateSecond();
  WORD gone = cut->Command();
  second.reset();
  PumpPending();
  EXPECT_EQ(main->MainMenu1->Merged(), nullptr);
  EXPECT_EQ(EntryTexts(MainBar()), playerBar);
  SendMessageA(main->Handle(), WM_COMMAND, gone, 0);
  EXPECT_EQ(cuts.count, 0);
}

TEST_F(MenuMergeForms, FreeingTheMergedMenuAloneRestoresTheMainBar) {
  ActivateSecond();
  menu->Free();
  PumpPending();
  EXPECT_EQ(second->Menu(), nullptr);
  EXPECT_EQ(main->MainMenu1->Merged(), nullptr);
  EXPECT_EQ(EntryTexts(MainBar()), playerBar);
}

TEST_F(MenuMergeForms, ChangingTheFormsMenuTakesItsEntriesOut) {
  ActivateSecond();
  second->SetMenu(nullptr);
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()), playerBar);
  second->SetMenu(menu);
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()), mergedBar) << "a menu given to an active form merges at once";
}

TEST_F(MenuMergeForms, AnotherMergedFormTakesThePlaceWhenItBecomesActive) {
  TOwnedForm<TForm> third = AddOwnedForm<TForm>();
  third->SetBounds(400, 300, 240, 160);
  auto* other = new TMainMenu(third.get());
  other->SetAutoMerge(true);
  AddItem(*third, other->Items(), "ツール(&T)", 3);
  third->SetMenu(other);
  ActivateSecond();
  third->Show();
  ASSERT_TRUE(PumpUntil([&] { return third->Active(); }));
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()), (std::vector<String>{"ファイル(&F)", "オプション(&O)",
                                                        "ツール(&T)", "バージョン(&V)"}));
  EXPECT_EQ(menu->MergedInto(), nullptr);
  third.reset();
}

namespace {

// Opening Edit swaps Cut for Paste, which has the same shortcut.
struct TSwapOnOpen : TObject {
  TMenuItem* edit = nullptr;
  TMenuItem* cut = nullptr;
  TMenuItem* paste = nullptr;
  void Swap(TObject*) {
    if (cut->Parent()) {
      edit->Remove(cut);
      edit->Add(paste);
    }
  }
};

} // namespace

TEST_F(MenuMergeForms, AShortcutLooksAgainWhenOpeningAMergedPopupChangesIt) {
  TShortCut f6 = MakeShortCut(VK_F6, false, false, false);
  cut->SetShortCut(f6);
  auto* paste = new TMenuItem(second.get());
  paste->SetCaption("貼り付け(&P)");
  paste->SetShortCut(f6);
  TMenuCounter pastes;
  paste->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(pastes);
  TSwapOnOpen swap;
  swap.edit = edit;
  swap.cut = cut;
  swap.paste = paste;
  edit->OnClick = TNotifyEvent::Bind<&TSwapOnOpen::Swap>(swap);
  ActivateSecond();
  ActivateMain();
  PostKey(main->Handle(), VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return pastes.count + cuts.count > 0; }));
  PumpPending();
  EXPECT_EQ(pastes.count, 1);
  EXPECT_EQ(cuts.count, 0) << "Cut left the menu when Edit opened";
}

TEST_F(MenuMergeForms, SwitchingAutoMergeOffGivesTheFormItsOwnBarBack) {
  ActivateSecond();
  menu->SetAutoMerge(false);
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()), playerBar);
  ASSERT_EQ(GetMenu(second->Handle()), menu->Handle());
  EXPECT_EQ(EntryTexts(GetMenu(second->Handle())),
            (std::vector<String>{"編集(&E)", "ウィンドウ(&W)", "ヘルプ(&H)"}));
  EXPECT_EQ(menu->WindowHandle(), second->Handle());
  menu->SetAutoMerge(true);
  PumpPending();
  EXPECT_EQ(GetMenu(second->Handle()), nullptr);
  EXPECT_EQ(EntryTexts(MainBar()), mergedBar) << "the form is still the active one";
}

TEST_F(MenuMergeForms, AShortcutOfTheOwnBarWorksOnTheFormOnceAutoMergeIsOff) {
  cut->SetShortCut(MakeShortCut(VK_F6, false, false, false));
  ActivateSecond();
  menu->SetAutoMerge(false);
  PumpPending();
  PostKey(second->Handle(), VK_F6);
  ASSERT_TRUE(PumpUntil([&] { return cuts.count == 1; }));
  PumpPending();
  EXPECT_EQ(cuts.count, 1);
}

TEST_F(MenuMergeForms, TheMergedEntriesFollowWhenTheMainFormGetsAnotherMenu) {
  auto* tools = new TMainMenu(main.get());
  AddItem(*main, tools->Items(), "ツール(&T)", 3);
  ActivateSecond();
  main->SetMenu(tools);
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()),
            (std::vector<String>{"編集(&E)", "ウィンドウ(&W)", "ツール(&T)", "ヘルプ(&H)"}));
  EXPECT_EQ(menu->MergedInto(), tools);
  EXPECT_EQ(main->MainMenu1->Merged(), nullptr);
  PostMessageA(main->Handle(), WM_COMMAND, cut->Command(), 0);
  ASSERT_TRUE(PumpUntil([&] { return cuts.count == 1; }));
  main->SetMenu(main->MainMenu1);
  PumpPending();
  EXPECT_EQ(EntryTexts(MainBar()), mergedBar);
}
