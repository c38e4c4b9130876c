#include "MenuEntry.h"
#include "MenuTestForm.h"
#include "ShellStyle.h"

#include <gtest/gtest.h>

// One entry appended to a native menu, on both paths: InsertMenuItemA on systems with the
// new-style shell, InsertMenuA on older ones. What the window system reads back is what a
// user of either system would see.

namespace {

struct MenuEntries : ::testing::TestWithParam<bool> {
  HMENU menu = CreateMenu();
  HMENU popup = CreatePopupMenu();

  // The pop-up is taken out first, so each menu is destroyed once.
  void TearDown() override {
    while (GetMenuItemCount(menu) > 0) {
      RemoveMenu(menu, 0, MF_BYPOSITION);
    }
    DestroyMenu(popup);
    DestroyMenu(menu);
  }
  void Append(const TMenuEntry& entry) { ASSERT_TRUE(AppendMenuEntry(menu, entry, GetParam())); }
  MENUITEMINFOA Read(int position) const {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info));
    return info;
  }
  static TMenuEntry Entry(const char* text, WORD command) {
    TMenuEntry entry;
    entry.text = text;
    entry.command = command;
    return entry;
  }
};

} // namespace

TEST(MenuEntryStyle, TheSystemHereHasTheNewShell) { EXPECT_TRUE(NewStyleControls()); }

TEST_P(MenuEntries, AnEntryKeepsItsTextCommandAndAmpersand) {
  Append(Entry("開く(&O)\tF5", 41));
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  EXPECT_EQ(EntryText(menu, 0), "開く(&O)\tF5");
  EXPECT_EQ(GetMenuItemID(menu, 0), 41u);
  EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION), 0u);
}

TEST_P(MenuEntries, ASeparatorIsALine) {
  TMenuEntry line = Entry("-", 42);
  line.separator = true;
  Append(line);
  EXPECT_TRUE(Read(0).fType & MFT_SEPARATOR);
  EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_SEPARATOR);
}

TEST_P(MenuEntries, CheckedAndDisabledEntriesAreMarkedAndGrayed) {
  TMenuEntry checked = Entry("連続再生(&S)", 43);
  checked.checked = true;
  TMenuEntry disabled = Entry("リピート(&R)", 44);
  disabled.enabled = false;
  Append(checked);
  Append(disabled);
  EXPECT_EQ(GetMenuState(menu, 43, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED), UINT{MF_CHECKED});
  EXPECT_EQ(GetMenuState(menu, 44, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED), UINT{MF_GRAYED});
  EXPECT_TRUE(Read(1).fState & MFS_DISABLED);
}

TEST_P(MenuEntries, BreaksStartAColumn) {
  TMenuEntry column = Entry("B", 45);
  column.menuBreak = mbBreak;
  TMenuEntry barColumn = Entry("C", 46);
  barColumn.menuBreak = mbBarBreak;
  Append(Entry("A", 47));
  Append(column);
  Append(barColumn);
  EXPECT_EQ(Read(0).fType & (MFT_MENUBREAK | MFT_MENUBARBREAK), 0u);
  EXPECT_EQ(Read(1).fType & (MFT_MENUBREAK | MFT_MENUBARBREAK), UINT{MFT_MENUBREAK});
  EXPECT_EQ(Read(2).fType & (MFT_MENUBREAK | MFT_MENUBARBREAK), UINT{MFT_MENUBARBREAK});
}

TEST_P(MenuEntries, AnEntryWithAPopupShowsItsBareCaptionAndOpensThePopup) {
  AppendMenuA(popup, MF_STRING, 48, "開く(&O)");
  TMenuEntry file = Entry("ファイル(&F)", 49);
  file.subMenu = popup;
  Append(file);
  MENUITEMINFOA info = Read(0);
  EXPECT_EQ(info.hSubMenu, popup);
  EXPECT_EQ(GetSubMenu(menu, 0), popup);
  EXPECT_EQ(EntryText(menu, 0), "ファイル(&F)");
  EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_POPUP);
}

TEST_P(MenuEntries, RadioMarksAndDefaultEntriesExistOnTheNewShellOnly) {
  TMenuEntry entry = Entry("A", 50);
  entry.radioItem = true;
  entry.isDefault = true;
  Append(entry);
  MENUITEMINFOA info = Read(0);
  EXPECT_EQ((info.fType & MFT_RADIOCHECK) != 0, GetParam());
  EXPECT_EQ((info.fState & MFS_DEFAULT) != 0, GetParam());
}

INSTANTIATE_TEST_SUITE_P(BothPaths, MenuEntries, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& path) {
                           return path.param ? "NewShell" : "OldShell";
                         });
