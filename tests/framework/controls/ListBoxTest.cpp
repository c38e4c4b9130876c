#include "ApplicationPump.h"
#include "Exception.h"
#include "OwnedForm.h"
#include "TListBox.h"
#include "TStringList.h"
#include "TestForms.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <string>

// The list box on a form, driven by posted mouse presses and keys; its entries live in the
// native control.

namespace {

using Texts = std::vector<std::string>;

// A form whose list box has its entries stored in the resource.
class TStoredItemsForm : public TForm {
public:
  SORVANE_CLASS(TStoredItemsForm, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  TListBox* ListBox1 = nullptr;
};

TPublishedTables TStoredItemsForm::Published() {
  static const TFieldInfo fields[] = {
      PublishedField<&TStoredItemsForm::ListBox1>("ListBox1"),
  };
  return {{}, {}, fields};
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

class Events : public TObject {
public:
  int clicks = 0;
  int doubleClicks = 0;
  std::vector<WORD> keys;
  void Click(TObject*) { ++clicks; }
  void DoubleClick(TObject*) { ++doubleClicks; }
  void KeyDown(TObject*, WORD& key, TShiftState) { keys.push_back(key); }
};

struct ListBox : ::testing::Test {
  TOwnedForm<TButtonForm> form;
  TListBox* list = nullptr;
  Events events;

  void SetUp() override {
    form = AddOwnedForm<TButtonForm>();
    list = new TListBox(form.get());
    list->SetBounds(136, 8, 110, 100);
    list->SetParent(form.get());
    list->OnClick = TNotifyEvent::Bind<&Events::Click>(events);
    list->OnDblClick = TNotifyEvent::Bind<&Events::DoubleClick>(events);
    list->OnKeyDown = TKeyEvent::Bind<&Events::KeyDown>(events);
  }
  void TearDown() override { form.reset(); }

  void Fill(std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
      list->Items().Append(line);
    }
  }

  // Shows the form, active, with the focus on its button.
  void ShowWithFocusOnButton() {
    form->Show();
    SetForegroundWindow(form->Handle());
    SetFocus(form->Button1->Handle());
    PumpPending();
    ASSERT_EQ(GetFocus(), form->Button1->Handle());
  }

  // The middle of line index in the list's client area.
  POINT LinePoint(int index) {
    RECT rect = list->ItemRect(index);
    return POINT{20, (rect.top + rect.bottom) / 2};
  }

  Texts Lines() {
    Texts lines;
    for (int i = 0; i < list->Items().ItemCount(); ++i) {
      lines.push_back(list->Items().ItemAt(i));
    }
    return lines;
  }
};

} // namespace

TEST_F(ListBox, AClickOnALineSelectsAndFocusesItAndADoubleClickIsOneDoubleClick) {
  Fill({"一", "二", "三"});
  ShowWithFocusOnButton();
  Click(list->Handle(), LinePoint(1));
  EXPECT_EQ(list->FocusIndex(), 1);
  EXPECT_TRUE(list->IsSelected(1));
  EXPECT_EQ(GetFocus(), list->Handle());
  EXPECT_EQ(form->ActiveControl(), list);
  EXPECT_EQ(events.clicks, 1);
  EXPECT_EQ(events.doubleClicks, 0);
  DoubleClick(list->Handle(), LinePoint(2));
  EXPECT_EQ(list->FocusIndex(), 2);
  EXPECT_EQ(events.doubleClicks, 1);
}

TEST_F(ListBox, AShiftClickExtendsTheSelectionAndMovesTheCaret) {
  list->SetMultiSelect(true);
  Fill({"a", "b", "c", "d", "e", "f"});
  ShowWithFocusOnButton();
  Click(list->Handle(), LinePoint(2));
  Click(list->Handle(), LinePoint(4), MK_SHIFT);
  EXPECT_EQ(list->FocusIndex(), 4);
  EXPECT_FALSE(list->IsSelected(1));
  for (int i = 2; i <= 4; ++i) {
    EXPECT_TRUE(list->IsSelected(i)) << i;
  }
  EXPECT_FALSE(list->IsSelected(5));
}

TEST_F(ListBox, TheDeleteKeyReachesOnKeyDownAndThenTheList) {
  Fill({"a", "b", "c"});
  ShowWithFocusOnButton();
  Click(list->Handle(), LinePoint(1));
  ASSERT_EQ(GetFocus(), list->Handle());
  PressKey(list->Handle(), VK_DELETE);
  PressKey(list->Handle(), VK_DOWN);
  EXPECT_EQ(events.keys, (std::vector<WORD>{VK_DELETE, VK_DOWN}));
  EXPECT_EQ(list->FocusIndex(), 2) << "the arrow key moved the selection after OnKeyDown";
}

TEST_F(ListBox, ReplacingPastTheEndAppendsInOrderAndKeepsTheCaret) {
  list->SetMultiSelect(true);
  TStrings& items = list->Items();
  for (const char* name : {"song.mp3", "clip.avi", "曲.wav"}) {
    items.ReplaceAt(items.ItemCount(), name);
  }
  EXPECT_EQ(Lines(), (Texts{"song.mp3", "clip.avi", "曲.wav"}));
  EXPECT_EQ(items.ObjectAt(2), nullptr) << "an appended entry has no object";
  list->SetFocusIndex(1);
  items.ReplaceAt(items.ItemCount(), "four");
  EXPECT_EQ(list->FocusIndex(), 1);
  int object = 0;
  items.SetObjectAt(0, &object);
  items.ReplaceAt(0, "first");
  EXPECT_EQ(items.ItemAt(0), "first");
  EXPECT_EQ(items.ObjectAt(0), &object) << "replacing keeps the entry's object";
  EXPECT_EQ(items.ItemCount(), 4);
}

TEST_F(ListBox, RemovingAMissingEntryChangesNothing) {
  Fill({"a", "b", "c"});
  EXPECT_NO_THROW(list->Items().RemoveAt(5));
  EXPECT_NO_THROW(list->Items().RemoveAt(-1));
  EXPECT_EQ(Lines(), (Texts{"a", "b", "c"}));
  list->Items().RemoveAt(1);
  EXPECT_EQ(Lines(), (Texts{"a", "c"}));
}

TEST_F(ListBox, DeletingAtTheCaretOfAnEmptyListRemovesNothing) {
  list->SetMultiSelect(true);
  int caret = list->FocusIndex();
  EXPECT_NO_THROW(list->Items().RemoveAt(caret));
  EXPECT_EQ(list->Items().ItemCount(), 0);
}

TEST_F(ListBox, MissingEntriesFailWithTheListIndexError) {
  Fill({"a", "b", "c"});
  try {
    list->Items().ItemAt(3);
    FAIL() << "no failure";
  } catch (const EStringListError& error) {
    EXPECT_EQ(error.Message(), "リストのインデックスが範囲を超えています (3)");
  }
  EXPECT_THROW(list->Items().ObjectAt(-1), EStringListError);
  EXPECT_THROW(list->Items().ReplaceAt(-1, "x"), EStringListError);
  EXPECT_EQ(list->Items().ItemCount(), 3);
  try {
    list->IsSelected(7);
    FAIL() << "no failure";
  } catch (const EListError& error) {
    EXPECT_EQ(error.Message(), "リストのインデックスが範囲を超えています (7)");
  }
}

TEST_F(ListBox, AnInsertAtAPlaceTheListDoesNotHaveFailsAndLosesNothing) {
  Fill({"a", "b"});
  try {
    list->Items().InsertAt(5, "x");
    FAIL() << "no failure";
  } catch (const EOutOfResources& error) {
    EXPECT_EQ(error.Message(), "行を挿入できません");
  }
  EXPECT_THROW(list->Items().MoveItem(0, 7), EStringListError);
  EXPECT_EQ(Lines(), (Texts{"a", "b"}));
  list->Items().InsertAt(2, "c");
  list->Items().MoveItem(0, 2);
  EXPECT_EQ(Lines(), (Texts{"b", "c", "a"}));
}

TEST_F(ListBox, LongTextsAreReadWhole) {
  const std::string long4095(4095, 'x');
  std::string long10000(9998, 'y');
  long10000 += "終";
  Fill({long4095.c_str(), long10000.c_str()});
  EXPECT_EQ(list->Items().ItemAt(0), long4095);
  EXPECT_EQ(list->Items().ItemAt(1), long10000);
}

TEST_F(ListBox, SwappingExchangesTextsAndObjectsAndTheCaretFollows) {
  Fill({"a", "b", "c"});
  int first = 1;
  int third = 3;
  list->Items().SetObjectAt(0, &first);
  list->Items().SetObjectAt(2, &third);
  list->SetFocusIndex(0);
  list->Items().Swap(0, 2);
  EXPECT_EQ(Lines(), (Texts{"c", "b", "a"}));
  EXPECT_EQ(list->Items().ObjectAt(0), &third);
  EXPECT_EQ(list->Items().ObjectAt(2), &first);
  EXPECT_EQ(list->FocusIndex(), 2);
  EXPECT_EQ(list->Items().PositionOf("B"), 1) << "found without regard to case";
  EXPECT_EQ(list->Items().PositionOf("z"), -1);
}

TEST_F(ListBox, ChangingMultiSelectMakesANewWindowThatKeepsEntriesTopAndCaret) {
  for (int i = 0; i < 40; ++i) {
    list->Items().Append("line " + std::to_string(i));
  }
  ShowWithFocusOnButton();
  DragAcceptFiles(list->Handle(), TRUE);
  list->SetFirstVisible(10);
  list->SetFocusIndex(12);
  HWND before = list->Handle();
  list->SetMultiSelect(true);
  HWND after = list->Handle();
  EXPECT_NE(before, after);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(GetWindowLongPtrA(after, GWL_STYLE) & LBS_EXTENDEDSEL);
  EXPECT_TRUE(GetWindowLongPtrA(after, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)
      << "the new window still takes dropped files";
  EXPECT_EQ(list->Items().ItemCount(), 40);
  EXPECT_EQ(list->Items().ItemAt(39), "line 39");
  EXPECT_EQ(list->FirstVisible(), 10);
  EXPECT_EQ(list->FocusIndex(), 12);
  EXPECT_TRUE(IsWindowVisible(after));
}

TEST_F(ListBox, SettingsOfTheWindowTakeEffectOnlyWhenTheyChange) {
  list->Items().Append("a");
  HWND window = list->Handle();
  list->SetMultiSelect(false);
  list->SetItemHeight(0);
  list->SetItemHeight(-3);
  list->SetTabWidth(-5);
  EXPECT_EQ(list->Handle(), window);
  EXPECT_EQ(list->TabWidth(), 0);
  list->SetSorted(true);
  EXPECT_NE(list->Handle(), window);
  EXPECT_TRUE(GetWindowLongPtrA(list->Handle(), GWL_STYLE) & LBS_SORT);
  list->Items().Append("0");
  EXPECT_EQ(Lines(), (Texts{"0", "a"}));
}

TEST_F(ListBox, ColumnsBetweenTwoNonZeroCountsOnlySetTheColumnWidth) {
  list->SetColumns(2);
  HWND window = list->Handle();
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & LBS_MULTICOLUMN);
  list->SetColumns(3);
  EXPECT_EQ(list->Handle(), window);
  list->SetColumns(0);
  EXPECT_NE(list->Handle(), window);
  EXPECT_FALSE(GetWindowLongPtrA(list->Handle(), GWL_STYLE) & LBS_MULTICOLUMN);
}

TEST_F(ListBox, TheEntryAtAPoint) {
  Fill({"a", "b", "c"});
  form->Show();
  PumpPending();
  EXPECT_EQ(list->ItemAtPos(LinePoint(1), true), 1);
  RECT last = list->ItemRect(2);
  POINT below{20, last.bottom + 2};
  EXPECT_EQ(list->ItemAtPos(below, false), 3);
  EXPECT_EQ(list->ItemAtPos(below, true), -1);
  EXPECT_EQ(list->ItemAtPos(POINT{-4, 5}, false), -1);
  EXPECT_EQ(list->ItemHeight(), last.bottom - last.top);
}

TEST_F(ListBox, TheFormsNewWindowKeepsTheEntries) {
  Fill({"a", "b", "c"});
  int object = 0;
  list->Items().SetObjectAt(1, &object);
  ShowWithFocusOnButton();
  list->SetFocusIndex(2);
  HWND before = list->Handle();
  form->RecreateWnd();
  PumpPending();
  EXPECT_NE(list->Handle(), before);
  EXPECT_EQ(Lines(), (Texts{"a", "b", "c"}));
  EXPECT_EQ(list->Items().ObjectAt(1), &object);
  EXPECT_EQ(list->FocusIndex(), 2);
}

TEST_F(ListBox, AssigningAnotherListCopiesItsTextsAndObjects) {
  Fill({"old"});
  TStringList other;
  int object = 0;
  other.Append("x");
  other.AppendWithObject("y", &object);
  list->SetItems(&other);
  EXPECT_EQ(Lines(), (Texts{"x", "y"}));
  EXPECT_EQ(list->Items().ObjectAt(1), &object);
}

TEST(StoredListBox, EntriesStoredInTheResourceAreReadIntoTheNativeControl) {
  auto form = AddOwnedForm<TStoredItemsForm>();
  TListBox* list = form->ListBox1;
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->Sorted());
  EXPECT_EQ(list->TabWidth(), 24);
  ASSERT_EQ(list->Items().ItemCount(), 3);
  EXPECT_EQ(list->Items().ItemAt(0), "Apple");
  EXPECT_EQ(list->Items().ItemAt(1), "banana");
  EXPECT_EQ(list->Items().ItemAt(2), "りんご");
  auto style = GetWindowLongPtrA(list->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & LBS_SORT);
  EXPECT_TRUE(style & LBS_USETABSTOPS);
  int windows = 0;
  EnumChildWindows(form->Handle(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  EXPECT_EQ(windows, 1) << "the list box was read into one window, none left behind";
}

TEST_F(ListBox, EachSettingGivesItsWindowStyle) {
  list->SetIntegralHeight(true);
  list->SetBorderStyle(TBorderStyle::bsNone);
  list->SetMultiSelect(true);
  list->SetExtendedSelect(false);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(21);
  HWND window = list->Handle();
  auto style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_FALSE(style & LBS_NOINTEGRALHEIGHT);
  EXPECT_FALSE(style & LBS_EXTENDEDSEL);
  EXPECT_TRUE(style & LBS_MULTIPLESEL);
  EXPECT_TRUE(style & LBS_OWNERDRAWFIXED);
  EXPECT_FALSE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0), 21);
  EXPECT_EQ(list->ItemHeight(), 21) << "an owner-drawn list gives the stored height";
}
