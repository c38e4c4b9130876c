#include "AccessKeys.h"
#include "MenuTestForm.h"
#include "TMainMenu.h"
#include "TPopupMenu.h"

#include <gtest/gtest.h>

#include <memory>

// Automatic access keys and separator lines.

namespace {

std::vector<String> Rethink(std::vector<String> captions, bool farEast, bool* needed = nullptr) {
  std::vector<String*> pointers;
  for (String& caption : captions) {
    pointers.push_back(&caption);
  }
  bool result = RethinkAccessKeys(pointers, farEast);
  if (needed) {
    *needed = result;
  }
  return captions;
}

using TMenuPtr = std::unique_ptr<TMenu, TFreeComponent>;

TMenuItem* NewItem(TMenuItem* parent, const char* caption) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

} // namespace

TEST(AccessKeys, TheKeyIsTheCharacterAfterTheLastSingleAmpersand) {
  EXPECT_EQ(AccessKeyOf("ファイル(&F)"), 'F');
  EXPECT_EQ(AccessKeyOf("&a&b"), 'b');
  EXPECT_EQ(AccessKeyOf("Save && &Quit"), 'Q');
  EXPECT_EQ(AccessKeyOf("Tom && Jerry"), 0);
  EXPECT_EQ(AccessKeyOf("終了&"), 0);
  EXPECT_EQ(AccessKeyOf("&終了"), 0) << "a double-byte character is no key";
}

TEST(AccessKeys, DistinctKeysStayAsTheyAre) {
  bool needed = true;
  std::vector<String> captions{"開く(&O)", "リストに追加(&S)", "閉じる(&C)"};
  EXPECT_EQ(Rethink(captions, true, &needed), captions);
  EXPECT_FALSE(needed);
}

TEST(AccessKeys, TheSecondOfTwoEqualKeysGetsTheFirstFreeCharacterOfItsCaption) {
  EXPECT_EQ(Rethink({"&Open", "&Options"}, false), (std::vector<String>{"&Open", "O&ptions"}));
  EXPECT_EQ(Rethink({"&Open", "&Options"}, true), (std::vector<String>{"&Open", "O&ptions"}));
}

TEST(AccessKeys, FarEastCaptionsLoseAndGainWholeParenthesisedKeys) {
  EXPECT_EQ(Rethink({"開く(&O)", "オプション(&O)"}, true),
            (std::vector<String>{"開く(&O)", "オプション(&Z)"}));
  EXPECT_EQ(Rethink({"保存(&Z)", "名前を付けて保存..."}, true),
            (std::vector<String>{"保存(&Z)", "名前を付けて保存(&Y)..."}));
  EXPECT_EQ(Rethink({"開く(&O)", "オプション(&O)"}, false),
            (std::vector<String>{"開く(&O)", "オプション(O)"}))
      << "elsewhere only the ampersand goes";
}

TEST(AccessKeys, CaptionsWithoutKeysGetOneEach) {
  EXPECT_EQ(Rethink({"Open", "Options", "Print"}, false),
            (std::vector<String>{"Op&en", "&Options", "&Print"}))
      << "the last caption chooses first";
  EXPECT_EQ(Rethink({"Cut", "&Copy"}, false), (std::vector<String>{"C&ut", "&Copy"}));
}

TEST(AccessKeys, AKeyOutsideLettersAndDigitsIsKept) {
  EXPECT_EQ(Rethink({"&!", "&!"}, false), (std::vector<String>{"&!", "&!"}));
}

TEST(AccessKeys, AnOpeningPopupGivesItsEntriesDistinctKeys) {
  TMenuPtr menu{new TPopupMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル(&F)");
  TMenuItem* open = NewItem(file, "&Open");
  TMenuItem* options = NewItem(file, "&Options");
  HMENU popup = file->Handle();
  ASSERT_TRUE(menu->DispatchPopup(popup));
  EXPECT_EQ(open->Caption(), "&Open");
  EXPECT_EQ(options->Caption(), "O&ptions");
  EXPECT_EQ(EntryText(popup, 1), "O&ptions") << "the pop-up is rebuilt with the new key";
}

TEST(AccessKeys, AManualLevelKeepsItsCaptions) {
  TMenuPtr menu{new TPopupMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル(&F)");
  file->SetAutoHotkeys(maManual);
  TMenuItem* options = NewItem(file, "&Options");
  NewItem(file, "&Open");
  menu->DispatchPopup(file->Handle());
  EXPECT_EQ(options->Caption(), "&Options");
}

TEST(AccessKeys, TheBarOfAMainMenuGetsDistinctKeysWhenItIsMade) {
  TMenuPtr menu{new TMainMenu(nullptr)};
  NewItem(menu->Items(), "&File");
  TMenuItem* format = NewItem(menu->Items(), "&Format");
  menu->Handle();
  EXPECT_EQ(format->Caption(), "F&ormat");
  EXPECT_EQ(EntryText(menu->Handle(), 1), "F&ormat");
}

TEST(SeparatorLines, OnlyLinesBetweenVisibleEntriesShowAndOnlyTheLastOfARun) {
  TMenuPtr menu{new TPopupMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル");
  const char* captions[] = {"-", "開く", "-", "-", "閉じる", "-"};
  TMenuItem* items[6];
  for (int i = 0; i < 6; ++i) {
    items[i] = NewItem(file, captions[i]);
  }
  ASSERT_TRUE(file->RethinkLines());
  const bool expected[] = {false, true, false, true, true, false};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(items[i]->Visible(), expected[i]) << "item " << i;
  }
  EXPECT_FALSE(file->RethinkLines()) << "a second pass changes nothing";
}

TEST(SeparatorLines, AHiddenLineComesBackWhenAnEntryFollowsItAgain) {
  TMenuPtr menu{new TPopupMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル");
  NewItem(file, "開く");
  TMenuItem* line = NewItem(file, "-");
  TMenuItem* close = NewItem(file, "閉じる");
  close->SetVisible(false);
  file->RethinkLines();
  EXPECT_FALSE(line->Visible());
  close->SetVisible(true);
  file->RethinkLines();
  EXPECT_TRUE(line->Visible());
}

TEST(SeparatorLines, AnOpeningPopupDropsItsNeedlessLines) {
  TMenuPtr menu{new TPopupMenu(nullptr)};
  TMenuItem* file = NewItem(menu->Items(), "ファイル");
  file->SetAutoHotkeys(maManual);
  NewItem(file, "-");
  NewItem(file, "開く");
  HMENU popup = file->Handle();
  EXPECT_EQ(GetMenuItemCount(popup), 2);
  menu->DispatchPopup(popup);
  EXPECT_EQ(GetMenuItemCount(popup), 1);
  EXPECT_EQ(EntryText(popup, 0), "開く");
}
