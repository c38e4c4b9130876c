#include "CommandPool.h"
#include "Exception.h"
#include "MenuTestForm.h"
#include "Messages.h"
#include "ShortCuts.h"
#include "TMainMenu.h"
#include "TPopupMenu.h"

#include <gtest/gtest.h>

#include <memory>

// Items and their native menus, without a window.

namespace {

using TMenuPtr = std::unique_ptr<TMenu, TFreeComponent>;

TMenuItem* NewItem(TMenuItem* parent, const char* caption) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// Marks the native entry of command in menu, so a test can tell whether the entry was
// made anew (a rebuild drops the mark) or patched in place.
void MarkEntry(HMENU menu, WORD command) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  info.dwItemData = 0x5A5A;
  ASSERT_TRUE(SetMenuItemInfoA(menu, command, FALSE, &info));
}

bool EntryMarked(HMENU menu, WORD command) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  return GetMenuItemInfoA(menu, command, FALSE, &info) && info.dwItemData == 0x5A5A;
}

template <class F> String MenuErrorOf(F action) {
  try {
    action();
  } catch (const EMenuError& error) {
    return error.Message();
  }
  return "(nothing raised)";
}

struct MenuItems : ::testing::Test {
  TMenuPtr menu{new TPopupMenu(nullptr)};
  TMenuCounter changes;

  TMenuItem* Root() const { return menu->Items(); }
};

void CountChange(TObject* counter, TObject*, TMenuItem*, bool) {
  ++static_cast<TMenuCounter*>(counter)->count;
}

} // namespace

TEST_F(MenuItems, DestroyedItemsGiveTheirCommandsToTheNextItemsLowestFirst) {
  TMenuItem* items[5];
  for (TMenuItem*& item : items) {
    item = NewItem(Root(), "x");
  }
  WORD second = items[1]->Command();
  WORD fourth = items[3]->Command();
  items[3]->Free();
  items[1]->Free();
  EXPECT_FALSE(CommandPool::InUse(second));
  EXPECT_EQ(NewItem(Root(), "a")->Command(), second);
  EXPECT_EQ(NewItem(Root(), "b")->Command(), fourth);
  EXPECT_GT(NewItem(Root(), "c")->Command(), items[4]->Command());
}

TEST_F(MenuItems, TreeMistakesRaiseTheirMenuErrors) {
  TMenuItem* first = NewItem(Root(), "一");
  EXPECT_EQ(MenuErrorOf([&] { first->Items(0); }), LoadMessage(Msg::MenuIndexError));
  EXPECT_EQ(MenuErrorOf([&] { Root()->Delete(3); }), LoadMessage(Msg::MenuIndexError));
  EXPECT_EQ(MenuErrorOf([&] { Root()->Add(first); }), LoadMessage(Msg::MenuReinserted));
  TMenuItem stray(nullptr);
  EXPECT_EQ(MenuErrorOf([&] { Root()->Remove(&stray); }), LoadMessage(Msg::MenuNotFound));
  EXPECT_EQ(Root()->Count(), 1);
  EXPECT_EQ(LoadMessage(Msg::MenuIndexError), "メニューインデックスが範囲を越えました");
}

TEST_F(MenuItems, GroupIndexNeverFallsBelowThePrecedingItems) {
  TMenuItem* a = NewItem(Root(), "a");
  a->SetGroupIndex(2);
  TMenuItem* b = NewItem(Root(), "b");
  EXPECT_EQ(b->GroupIndex(), 2) << "an item added after a higher group takes its index";
  TMenuItem* c = NewItem(Root(), "c");
  EXPECT_EQ(MenuErrorOf([&] { c->SetGroupIndex(1); }), LoadMessage(Msg::GroupIndexTooLow));
  EXPECT_EQ(c->GroupIndex(), 2);
  b->SetGroupIndex(5);
  EXPECT_EQ(c->GroupIndex(), 5) << "later items are raised to the new index";
  EXPECT_EQ(a->GroupIndex(), 2);
}

TEST_F(MenuItems, CheckingARadioItemUnchecksTheOthersOfItsGroupOnly) {
  TMenuItem* items[4];
  for (int i = 0; i < 4; ++i) {
    items[i] = NewItem(Root(), "r");
    items[i]->SetRadioItem(true);
    items[i]->SetGroupIndex(i < 3 ? 1 : 2);
  }
  HMENU native = menu->Handle();
  items[0]->SetChecked(true);
  items[3]->SetChecked(true);
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_FALSE(items[2]->Checked());
  EXPECT_TRUE(items[3]->Checked()) << "another group keeps its mark";
  EXPECT_FALSE(EntryState(native, items[0]->Command()) & MF_CHECKED);
  EXPECT_TRUE(EntryState(native, items[1]->Command()) & MF_CHECKED);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(native, items[1]->Command(), FALSE, &info);
  EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
}

TEST_F(MenuItems, TogglingCheckedTwiceRestoresTheMarkWithoutRebuilding) {
  TMenuItem* options = NewItem(Root(), "オプション(&O)");
  TMenuItem* item = NewItem(options, "連続再生(&S)");
  HMENU popup = options->Handle();
  MarkEntry(popup, item->Command());
  menu->OnChange = TMenuChangeEvent(&CountChange, &changes);
  item->SetChecked(true);
  EXPECT_TRUE(EntryState(popup, item->Command()) & MF_CHECKED);
  item->SetChecked(false);
  EXPECT_FALSE(EntryState(popup, item->Command()) & MF_CHECKED);
  EXPECT_TRUE(EntryMarked(popup, item->Command())) << "the entry was patched, not made anew";
  EXPECT_EQ(options->Handle(), popup);
  EXPECT_EQ(changes.count, 0) << "a check mark tells nobody";
}

TEST_F(MenuItems, DisablingAnEntryGraysItInPlace) {
  TMenuItem* file = NewItem(Root(), "ファイル(&F)");
  TMenuItem* open = NewItem(file, "開く(&O)");
  HMENU popup = file->Handle();
  MarkEntry(popup, open->Command());
  open->SetEnabled(false);
  EXPECT_EQ(EntryState(popup, open->Command()) & (MF_GRAYED | MF_DISABLED),
            MF_GRAYED | MF_DISABLED);
  EXPECT_TRUE(EntryMarked(popup, open->Command()));
  open->SetEnabled(true);
  EXPECT_EQ(EntryState(popup, open->Command()) & (MF_GRAYED | MF_DISABLED), 0u);
}

TEST_F(MenuItems, ACaptionChangeRebuildsOnlyItsOwnPopup) {
  TMenuItem* file = NewItem(Root(), "ファイル(&F)");
  TMenuItem* open = NewItem(file, "開く(&O)");
  TMenuItem* options = NewItem(Root(), "オプション(&O)");
  TMenuItem* loop = NewItem(options, "連続再生(&S)");
  menu->Handle();
  MarkEntry(file->Handle(), open->Command());
  MarkEntry(options->Handle(), loop->Command());
  open->SetCaption("開く(&P)");
  EXPECT_FALSE(EntryMarked(file->Handle(), open->Command()));
  EXPECT_EQ(EntryText(file->Handle(), 0), "開く(&P)");
  EXPECT_TRUE(EntryMarked(options->Handle(), loop->Command()));
}

TEST_F(MenuItems, EntriesCarryTheirTypeStateAndShortcut) {
  TMenuItem* file = NewItem(Root(), "ファイル");
  TMenuItem* save = NewItem(file, "保存");
  save->SetShortCut(MakeShortCut('S', false, true, false));
  TMenuItem* line = NewItem(file, "-");
  NewItem(file, "終了");
  TMenuItem* hidden = NewItem(file, "隠し");
  hidden->SetVisible(false);
  HMENU popup = file->Handle();
  EXPECT_EQ(GetMenuItemCount(popup), 3);
  EXPECT_EQ(EntryText(popup, 0), "保存\tCtrl+S");
  EXPECT_TRUE(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(popup, 1), static_cast<UINT>(line->Command()));
  EXPECT_EQ(GetSubMenu(menu->Handle(), 0), popup);
}

TEST_F(MenuItems, AFreedItemLeavesItsParentsNativeMenu) {
  TMenuItem* file = NewItem(Root(), "ファイル");
  TMenuItem* open = NewItem(file, "開く");
  NewItem(file, "閉じる");
  HMENU popup = file->Handle();
  open->Free();
  EXPECT_EQ(file->Count(), 1);
  EXPECT_EQ(GetMenuItemCount(popup), 1);
  EXPECT_EQ(EntryText(popup, 0), "閉じる");
}

TEST_F(MenuItems, FreeingAnItemFreesItsSubItemsAndTheirCommands) {
  TMenuItem* file = NewItem(Root(), "ファイル");
  WORD command = NewItem(file, "開く")->Command();
  file->Handle();
  file->Free();
  EXPECT_EQ(Root()->Count(), 0);
  EXPECT_FALSE(CommandPool::InUse(command));
}

TEST(MainMenu, ChangingAnEntryOfTheBarMakesTheBarAnew) {
  TMenuPtr menu{new TMainMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル(&F)");
  NewItem(file, "開く(&O)");
  HMENU bar = menu->Handle();
  HMENU popup = file->Handle();
  file->SetCaption("ファイル(&G)");
  EXPECT_NE(menu->Handle(), bar);
  EXPECT_EQ(EntryText(menu->Handle(), 0), "ファイル(&G)");
  EXPECT_EQ(GetSubMenu(menu->Handle(), 0), popup) << "the pop-up survives the new bar";
}

TEST(MainMenu, TheBarShowsNoShortcutText) {
  TMenuPtr menu{new TMainMenu(nullptr)};
  TMenuItem* version = NewItem(menu->Items(), "バージョン(&V)");
  version->SetShortCut(MakeShortCut(VK_F1, false, false, false));
  EXPECT_EQ(EntryText(menu->Handle(), 0), "バージョン(&V)");
}

TEST(MainMenu, AnEntryGettingItsFirstSubItemOpensAPopupInItsParentsMenu) {
  TMenuPtr menu{new TMainMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル(&F)");
  NewItem(file, "開く(&O)");
  TMenuItem* recent = NewItem(file, "最近のファイル(&R)");
  TMenuItem* version = NewItem(menu->Items(), "バージョン(&V)");
  ASSERT_EQ(GetSubMenu(menu->Handle(), 1), nullptr);
  ASSERT_EQ(GetSubMenu(file->Handle(), 1), nullptr);
  NewItem(version, "情報(&A)");
  NewItem(recent, "a.mid");
  EXPECT_EQ(GetSubMenu(menu->Handle(), 1), version->Handle());
  EXPECT_EQ(GetSubMenu(file->Handle(), 1), recent->Handle());
}

TEST(MainMenu, AnEntryLosingItsLastSubItemIsACommandAgainInItsParentsMenu) {
  TMenuPtr menu{new TMainMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル(&F)");
  NewItem(file, "開く(&O)");
  TMenuItem* recent = NewItem(file, "最近のファイル(&R)");
  TMenuItem* last = NewItem(recent, "a.mid");
  TMenuItem* version = NewItem(menu->Items(), "バージョン(&V)");
  TMenuItem* about = NewItem(version, "情報(&A)");
  ASSERT_NE(GetSubMenu(menu->Handle(), 1), nullptr);
  ASSERT_NE(GetSubMenu(file->Handle(), 1), nullptr);
  version->Remove(about);
  last->Free();
  EXPECT_EQ(GetSubMenu(menu->Handle(), 1), nullptr);
  EXPECT_EQ(GetMenuItemID(menu->Handle(), 1), version->Command());
  EXPECT_EQ(GetSubMenu(file->Handle(), 1), nullptr);
  EXPECT_EQ(GetMenuItemID(file->Handle(), 1), recent->Command());
  about->Free();
}
