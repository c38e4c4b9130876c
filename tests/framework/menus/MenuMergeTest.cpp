#include "MenuTestForm.h"
#include "ShortCuts.h"
#include "TMainMenu.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

// Two main menus merged into one native bar, without forms: the order of the entries, the
// lookups through both trees, the changes that reach the bar, and what a destroyed menu
// leaves behind.

namespace {

struct TMenuFree {
  void operator()(TMenu* menu) const { menu->Free(); }
};
using TOwnedMenu = std::unique_ptr<TMainMenu, TMenuFree>;

TMenuItem* AddItem(TMenuItem* parent, const char* caption, std::uint8_t groupIndex) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  item->SetGroupIndex(groupIndex);
  parent->Add(item);
  return item;
}

// The main menu: File (group 0), Options (2), Version (4). The other: Edit (1) with Cut,
// Window (2), Help (5).
struct MenuMerging : ::testing::Test {
  TOwnedMenu main{new TMainMenu(nullptr)};
  TOwnedMenu other{new TMainMenu(nullptr)};
  TMenuItem* file = AddItem(main->Items(), "&File", 0);
  TMenuItem* open = AddItem(file, "&Open", 0);
  TMenuItem* options = AddItem(main->Items(), "&Options", 2);
  TMenuItem* version = AddItem(main->Items(), "&Version", 4);
  TMenuItem* edit = AddItem(other->Items(), "&Edit", 1);
  TMenuItem* cut = AddItem(edit, "Cu&t", 0);
  TMenuItem* window = AddItem(other->Items(), "&Window", 2);
  TMenuItem* help = AddItem(other->Items(), "&Help", 5);
};

const std::vector<String> mainAlone = {"&File", "&Options", "&Version"};
const std::vector<String> bothByGroup = {"&File",   "&Edit",    "&Options",
                                         "&Window", "&Version", "&Help"};

} // namespace

TEST_F(MenuMerging, TheBarInterleavesBothByGroupIndexOwnEntriesFirst) {
  ASSERT_TRUE(main->Merge(other.get()));
  EXPECT_EQ(EntryTexts(main->Handle()), bothByGroup);
  EXPECT_EQ(main->Merged(), other.get());
  EXPECT_EQ(other->MergedInto(), main.get());
  EXPECT_EQ(main->Items()->Count(), 3) << "the tree itself keeps its own items";
}

TEST_F(MenuMerging, ABarMadeBeforeMergingIsMadeAgainWithTheMergedEntries) {
  EXPECT_EQ(EntryTexts(main->Handle()), mainAlone);
  main->Merge(other.get());
  EXPECT_EQ(EntryTexts(main->Handle()), bothByGroup);
  main->Unmerge(other.get());
  EXPECT_EQ(EntryTexts(main->Handle()), mainAlone);
  EXPECT_EQ(other->MergedInto(), nullptr);
}

TEST_F(MenuMerging, LookupsSearchTheMergedTree) {
  main->Merge(other.get());
  TMenuCounter cuts;
  cut->OnClick = TNotifyEvent::Bind<&TMenuCounter::Count>(cuts);
  EXPECT_EQ(main->FindItem(cut->Command()), cut);
  EXPECT_EQ(main->FindItemByHandle(edit->Handle()), edit);
  cut->SetShortCut(MakeShortCut(VK_F6, false, false, false));
  EXPECT_EQ(main->FindItemByShortCut(cut->ShortCut()), cut);
  EXPECT_TRUE(main->DispatchCommand(cut->Command()));
  EXPECT_EQ(cuts.count, 1);
  main->Unmerge(other.get());
  EXPECT_EQ(main->FindItem(cut->Command()), nullptr);
}

TEST_F(MenuMerging, AMenuCannotBeMergedIntoItselfNorIntoAMenuMergedIntoIt) {
  EXPECT_FALSE(main->Merge(main.get()));
  ASSERT_TRUE(main->Merge(other.get()));
  EXPECT_FALSE(other->Merge(main.get())) << "the bar would show itself inside itself";
  EXPECT_EQ(other->Merged(), nullptr);
  TOwnedMenu third(new TMainMenu(nullptr));
  ASSERT_TRUE(other->Merge(third.get()));
  EXPECT_FALSE(third->Merge(main.get())) << "nor through a menu in between";
}

TEST_F(MenuMerging, AMenuMergedInChainShowsAllThreeLevels) {
  TOwnedMenu third(new TMainMenu(nullptr));
  AddItem(third->Items(), "&Tools", 3);
  main->Merge(other.get());
  other->Merge(third.get());
  EXPECT_EQ(EntryTexts(main->Handle()),
            (std::vector<String>{"&File", "&Edit", "&Options", "&Window", "&Tools", "&Version",
                                 "&Help"}));
}

TEST_F(MenuMerging, MergingElsewhereMovesTheMenu) {
  TOwnedMenu second(new TMainMenu(nullptr));
  main->Merge(other.get());
  second->Merge(other.get());
  EXPECT_EQ(main->Merged(), nullptr);
  EXPECT_EQ(EntryTexts(main->Handle()), mainAlone);
  EXPECT_EQ(other->MergedInto(), second.get());
}

TEST_F(MenuMerging, ChangesOfMergedEntriesReachTheBar) {
  main->Merge(other.get());
  main->Handle();
  help->SetEnabled(false);
  EXPECT_EQ(GetMenuState(main->Handle(), help->Command(), MF_BYCOMMAND) & MF_GRAYED,
            UINT{MF_GRAYED});
  window->SetChecked(true);
  EXPECT_TRUE(GetMenuState(main->Handle(), window->Command(), MF_BYCOMMAND) & MF_CHECKED);
  window->SetCaption("&Windows");
  EXPECT_EQ(EntryText(main->Handle(), 3), "&Windows");
  cut->SetEnabled(false);
  EXPECT_TRUE(GetMenuState(edit->Handle(), cut->Command(), MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MenuMerging, AFreedMergedMenuLeavesTheBarAndNoLink) {
  main->Merge(other.get());
  HMENU editPopup = edit->Handle();
  EXPECT_EQ(GetSubMenu(main->Handle(), 1), editPopup);
  other.reset();
  EXPECT_EQ(main->Merged(), nullptr);
  EXPECT_EQ(EntryTexts(main->Handle()), mainAlone);
  EXPECT_EQ(main->FindItemByHandle(editPopup), nullptr);
}

TEST_F(MenuMerging, AFreedHostLeavesTheMergedMenuWhole) {
  main->Merge(other.get());
  main->Handle();
  main.reset();
  EXPECT_EQ(other->MergedInto(), nullptr);
  EXPECT_EQ(other->Items()->Count(), 3);
  EXPECT_EQ(EntryTexts(edit->Handle()), (std::vector<String>{"Cu&t"}));
}

TEST_F(MenuMerging, AFreedTopLevelItemOfTheMergedMenuLeavesTheBar) {
  main->Merge(other.get());
  main->Handle();
  window->Free();
  EXPECT_EQ(EntryTexts(main->Handle()),
            (std::vector<String>{"&File", "&Edit", "&Options", "&Version", "&Help"}));
}

TEST_F(MenuMerging, AGroupIndexWrittenWhileMergedReordersTheBar) {
  main->Merge(other.get());
  main->Handle();
  window->SetGroupIndex(5);
  EXPECT_EQ(EntryTexts(main->Handle()),
            (std::vector<String>{"&File", "&Edit", "&Options", "&Version", "&Window", "&Help"}));
  options->SetGroupIndex(1);
  EXPECT_EQ(EntryTexts(main->Handle()),
            (std::vector<String>{"&File", "&Options", "&Edit", "&Version", "&Window", "&Help"}));
}
