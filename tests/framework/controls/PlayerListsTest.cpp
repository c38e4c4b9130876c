#include "ApplicationPump.h"
#include "DesignScale.h"
#include "OwnedForm.h"
#include "ScopeGuard.h"
#include "TListBox.h"
#include "TScrollBar.h"
#include "TestForms.h"
#include "UserInput.h"
#include "WindowPicture.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

// The list box and the scroll bars as the player's windows describe them: the play list
// window's resource whole, the display and time windows' scroll bars cut out of theirs, each
// read into a form class with the player's field and handler names.

namespace {

using Texts = std::vector<std::string>;

// The play list window as the player declares it: the list box, its double click and key
// handlers, and a drop handler that takes the names and finishes the drop.
class TForm2 : public TForm {
public:
  SORVANE_CLASS(TForm2, TForm)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES
  using TForm::TForm;

  TListBox* ListBox1 = nullptr;

  int doubleClicks = 0;
  int doubleClickIndex = -2;
  std::vector<WORD> keys;
  Texts dropped;
  int drops = 0;

  void ListBox1DblClick(TObject*) {
    ++doubleClicks;
    doubleClickIndex = ListBox1->FocusIndex();
  }

  void ListBox1KeyDown(TObject*, WORD& key, TShiftState) {
    keys.push_back(key);
    if (key == VK_DELETE && ListBox1->Items().ItemCount() > 0) {
      ListBox1->Items().RemoveAt(ListBox1->FocusIndex());
    }
  }

protected:
  void Constructed() override {
    DragAcceptFiles(Handle(), TRUE);
    DragAcceptFiles(ListBox1->Handle(), TRUE);
  }

private:
  void WMDropFiles(TWMDropFiles& message) {
    HDROP drop = message.Drop();
    TScopeGuard finish([drop] { DragFinish(drop); });
    ++drops;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      char path[MAX_PATH] = {};
      DragQueryFileA(drop, i, path, MAX_PATH);
      dropped.emplace_back(path);
    }
  }
};

SORVANE_MESSAGE_ROWS(TForm2){
    SORVANE_ON(WM_DROPFILES, WMDropFiles),
};
SORVANE_MESSAGE_TABLE(TForm2)

TPublishedTables TForm2::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm2::ListBox1DblClick>("ListBox1DblClick"),
      PublishedMethod<&TForm2::ListBox1KeyDown>("ListBox1KeyDown"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm2::ListBox1>("ListBox1"),
  };
  return {{}, methods, fields};
}

// A form holding one of the player's seek bars, with the player's handler name.
class TBarForm : public TForm {
public:
  SORVANE_CLASS(TBarForm, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  TScrollBar* ScrollBar1 = nullptr;
  std::vector<int> positionsSeen;

  void ScrollBar1Scroll(TObject*, TScrollCode, int&) {
    positionsSeen.push_back(ScrollBar1->Position());
  }
};

TPublishedTables TBarForm::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TBarForm::ScrollBar1Scroll>("ScrollBar1Scroll"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TBarForm::ScrollBar1>("ScrollBar1"),
  };
  return {{}, methods, fields};
}

class TDisplayBarForm : public TBarForm {
public:
  SORVANE_CLASS(TDisplayBarForm, TBarForm)
  using TBarForm::TBarForm;
};

class TTimeBarForm : public TBarForm {
public:
  SORVANE_CLASS(TTimeBarForm, TBarForm)
  using TBarForm::TBarForm;
};

// A drop of files as the shell hands it over: a movable block with the names one after the
// other, each ending in a zero byte, and one more zero byte at the end.
HGLOBAL MakeDrop(const Texts& paths) {
  std::size_t size = sizeof(DROPFILES) + 1;
  for (const std::string& path : paths) {
    size += path.size() + 1;
  }
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  char* names = reinterpret_cast<char*>(header + 1);
  for (const std::string& path : paths) {
    std::memcpy(names, path.c_str(), path.size() + 1);
    names += path.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

bool Finished(HGLOBAL drop) { return GlobalFlags(drop) == GMEM_INVALID_HANDLE; }

struct PlayList : ::testing::Test {
  TOwnedForm<TForm2> form;
  TListBox* list = nullptr;

  void SetUp() override {
    form = AddOwnedForm<TForm2>();
    list = form->ListBox1;
    PumpPending();
  }
  void TearDown() override { form.reset(); }

  void Fill(const Texts& lines) {
    for (const std::string& line : lines) {
      list->Items().ReplaceAt(list->Items().ItemCount(), line);
    }
  }

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

TEST_F(PlayList, TheListBoxIsReadFromThePlayListWindowsResource) {
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Owner(), form.get());
  EXPECT_EQ(list->Parent(), form.get());
  EXPECT_EQ(list->Name(), "ListBox1");
  RECT bounds = list->BoundsRect();
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.top, 0);
  EXPECT_EQ(bounds.right, Scaled(222));
  EXPECT_EQ(bounds.bottom, Scaled(169));
  EXPECT_EQ(list->Color(), clBlack);
  EXPECT_EQ(list->Font().Color(), clLime);
  EXPECT_EQ(list->Font().Height(), Scaled(-12));
  EXPECT_EQ(list->Font().Name(), "ＭＳ Ｐゴシック");
  EXPECT_FALSE(list->ParentFont());
  EXPECT_TRUE(list->MultiSelect());
  EXPECT_TRUE(list->ExtendedSelect());
  EXPECT_EQ(list->TabOrder(), 0);
  EXPECT_TRUE(list->OnDblClick);
  EXPECT_TRUE(list->OnKeyDown);
}

TEST_F(PlayList, TheListBoxWindowHasThePlayersStyles) {
  HWND window = list->Handle();
  auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  constexpr DWORD expected = LBS_HASSTRINGS | LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT;
  EXPECT_EQ(style & expected, expected);
  EXPECT_EQ(style & (LBS_SORT | LBS_MULTIPLESEL | LBS_MULTICOLUMN | WS_BORDER), 0u);
  EXPECT_FALSE(style & WS_VSCROLL) << "the native control hides the bar it does not need";
  for (int i = 0; i < 30; ++i) {
    list->Items().Append("line");
  }
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(exStyle & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(exStyle & WS_EX_ACCEPTFILES);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  EXPECT_STREQ(className, "TListBox");
  auto classStyle = static_cast<UINT>(GetClassLongPtrA(window, GCL_STYLE));
  EXPECT_EQ(classStyle & (CS_HREDRAW | CS_VREDRAW), 0u);
}

TEST_F(PlayList, ADoubleClickOnALineReachesTheFormsHandlerOnce) {
  Fill({"song.mp3", "clip.avi", "曲.wav"});
  PumpPending();
  DoubleClick(list->Handle(), LinePoint(1));
  EXPECT_EQ(form->doubleClicks, 1);
  EXPECT_EQ(form->doubleClickIndex, 1);
}

TEST_F(PlayList, TheDeleteKeyRemovesTheFocusedLineOnly) {
  Fill({"a", "b", "c", "d"});
  PumpPending();
  Click(list->Handle(), LinePoint(1));
  Click(list->Handle(), LinePoint(2), MK_SHIFT);
  ASSERT_EQ(GetFocus(), list->Handle());
  ASSERT_EQ(list->FocusIndex(), 2);
  PressKey(list->Handle(), VK_DELETE);
  EXPECT_EQ(form->keys, (std::vector<WORD>{VK_DELETE}));
  EXPECT_EQ(Lines(), (Texts{"a", "b", "d"}));
}

TEST_F(PlayList, FilesDroppedOnTheListBoxReachTheFormsDropHandler) {
  HGLOBAL drop = MakeDrop({"C:\\music\\song.mp3", "C:\\notes.txt", "C:\\動画\\clip.AVI"});
  PostMessageA(list->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  PumpPending();
  EXPECT_EQ(form->drops, 1);
  EXPECT_EQ(form->dropped, (Texts{"C:\\music\\song.mp3", "C:\\notes.txt", "C:\\動画\\clip.AVI"}));
  EXPECT_TRUE(Finished(drop));
}

TEST_F(PlayList, TheListIsDrawnLimeOnBlack) {
  Fill({"■■■■■■", "■■■■■■", "再生リスト.mp3"});
  form->Show();
  PumpPending();
  HWND window = list->Handle();
  UpdateWindow(window);
  HDC dc = GetDC(window);
  TScopeGuard release([window, dc] { ReleaseDC(window, dc); });
  RECT line = list->ItemRect(0);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(GetPixel(dc, client.right - 4, client.bottom - 4), RGB(0, 0, 0));
  bool lime = false;
  for (int x = line.left; x < line.left + 40 && !lime; ++x) {
    lime = GetPixel(dc, x, (line.top + line.bottom) / 2) == RGB(0, 255, 0);
  }
  EXPECT_TRUE(lime) << "the text of the first line is lime";
  EXPECT_TRUE(SaveWindowPicture(window, "PlayList.bmp")) << "the picture is kept in the build tree";
}

TEST(PlayListDrop, ADropOnAListBoxWhoseFormTakesNoDropsIsStillFinished) {
  auto form = AddOwnedForm<TButtonForm>();
  auto* list = new TListBox(form.get());
  list->SetParent(form.get());
  DragAcceptFiles(list->Handle(), TRUE);
  HGLOBAL drop = MakeDrop({"C:\\song.mp3"});
  PostMessageA(list->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  PumpPending();
  EXPECT_TRUE(Finished(drop));
}

TEST(PlayerSeekBars, TheDisplayWindowsScrollBarIsReadFromItsResource) {
  auto form = AddOwnedForm<TDisplayBarForm>();
  TScrollBar* bar = form->ScrollBar1;
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Left(), 0);
  EXPECT_EQ(bar->Top(), 240);
  EXPECT_EQ(bar->Width(), 265);
  EXPECT_EQ(bar->Height(), 16);
  EXPECT_EQ(bar->Kind(), sbHorizontal);
  EXPECT_EQ(bar->PageSize(), 0);
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 100);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(bar->SmallChange(), 1);
  EXPECT_EQ(bar->LargeChange(), 1);
  EXPECT_TRUE(bar->OnScroll);
}

TEST(PlayerSeekBars, TheTimeWindowsScrollBarSeeksWithThePositionBeforeTheStep) {
  auto form = AddOwnedForm<TTimeBarForm>();
  TScrollBar* bar = form->ScrollBar1;
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Top(), 56);
  EXPECT_EQ(bar->Width(), 220);
  EXPECT_EQ(bar->Height(), 21);
  EXPECT_EQ(bar->TabOrder(), 0);
  bar->ApplyRange(0, 0, 185000);
  form->Show();
  PumpPending();
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(bar->Handle(), OBJID_CLIENT, &info);
  Click(bar->Handle(), POINT{bar->ClientWidth() - info.dxyLineButton / 2, bar->ClientHeight() / 2});
  EXPECT_EQ(form->positionsSeen, (std::vector<int>{0, 1}))
      << "the step sees 0, the end of the gesture the new position";
  EXPECT_EQ(bar->Position(), 1);
}
