#include "BoxWatcher.h"
#include "DialogDriver.h"
#include "ExceptionReport.h"
#include "Messages.h"
#include "OwnedForm.h"
#include "ShiftJis.h"
#include "TOpenDialog.h"
#include "TempFolder.h"
#include "TestForms.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dlgs.h>

#include <cstring>
#include <memory>
#include <vector>

// The system's open dialog, run for real and worked by a user from the keyboard and mouse
// (DialogDriver): what comes back, what stays as it was, the events, and the dialog's place.

namespace {

const TOpenOptions playerOptions{ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing};

struct ComponentRelease {
  void operator()(TComponent* component) const { component->Free(); }
};

std::vector<String> Entries(const TStrings& list) {
  std::vector<String> entries;
  for (int index = 0; index < list.ItemCount(); ++index) {
    entries.push_back(list.ItemAt(index));
  }
  return entries;
}

// Counts the dialog's events and notes what the dialog looked like when they came.
class Observer : public TObject {
public:
  std::vector<String> events;
  std::vector<String> selectedWhenAsked;
  String fileNameWhenAsked;
  String fileNameWhenSelected;
  std::int32_t filterIndexWhenChanged = 0;
  std::int32_t filterIndexWhenShown = 0;
  HWND handleWhenShown = nullptr;
  RECT frameWhenShown{};
  bool allowClose = true;

  void Show(TObject* sender) {
    events.push_back("show");
    auto* dialog = static_cast<TOpenDialog*>(sender);
    handleWhenShown = dialog->Handle();
    filterIndexWhenShown = dialog->FilterIndex();
    GetWindowRect(GetParent(dialog->Handle()), &frameWhenShown);
  }
  void Close(TObject*) { events.push_back("close"); }
  void CanClose(TObject* sender, bool& canClose) {
    events.push_back("can close");
    auto* dialog = static_cast<TOpenDialog*>(sender);
    selectedWhenAsked = Entries(*dialog->SelectedFiles());
    fileNameWhenAsked = dialog->FileName();
    canClose = allowClose;
  }
  void FolderChange(TObject*) { events.push_back("folder"); }
  void SelectionChange(TObject* sender) {
    events.push_back("selection");
    fileNameWhenSelected = static_cast<TOpenDialog*>(sender)->FileName();
  }
  void TypeChange(TObject* sender) {
    events.push_back("type");
    filterIndexWhenChanged = static_cast<TOpenDialog*>(sender)->FilterIndex();
  }
  void IncludeItem(TObject*, const OFNOTIFYEXA&, bool& include) {
    events.push_back("include");
    include = true;
  }

  void Watch(TOpenDialog& dialog) {
    dialog.OnShow = TNotifyEvent::Bind<&Observer::Show>(*this);
    dialog.OnClose = TNotifyEvent::Bind<&Observer::Close>(*this);
    dialog.OnCanClose = TCloseQueryEvent::Bind<&Observer::CanClose>(*this);
    dialog.OnFolderChange = TNotifyEvent::Bind<&Observer::FolderChange>(*this);
    dialog.OnSelectionChange = TNotifyEvent::Bind<&Observer::SelectionChange>(*this);
    dialog.OnTypeChange = TNotifyEvent::Bind<&Observer::TypeChange>(*this);
    dialog.OnIncludeItem = TIncludeItemEvent::Bind<&Observer::IncludeItem>(*this);
  }
  int Count(const String& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
  }
};

struct OpenDialogRun : ::testing::Test {
  std::unique_ptr<TOpenDialog, ComponentRelease> dialog{new TOpenDialog(nullptr)};
  TempFolder folder{{"a.wav", "b.wav"}};
  Observer observer;

  void SetUp() override {
    dialog->SetOptions(playerOptions);
    dialog->SetInitialDir(folder.Path());
    observer.Watch(*dialog);
  }

  // Runs the dialog while script works it; the driver's problems fail the test.
  bool Run(DialogDriver::Script script) {
    DialogDriver driver(std::move(script));
    const bool accepted = dialog->RunDialog();
    driver.Finish();
    for (const String& problem : driver.Problems()) {
      ADD_FAILURE() << problem;
    }
    return accepted;
  }
};

// The steps of a user who types names into the file name box and presses Enter.
DialogDriver::Script TypeAndEnter(String names) {
  return [names](DialogDriver& user) {
    if (user.WaitForDialog()) {
      user.Type(names);
      user.Press(VK_RETURN);
    }
  };
}

} // namespace

TEST_F(OpenDialogRun, TwoQuotedNamesComeBackAsFullPathsInTheirOrder) {
  EXPECT_TRUE(Run(TypeAndEnter("\"b.wav\" \"a.wav\"")));
  EXPECT_EQ(Entries(*dialog->SelectedFiles()),
            (std::vector<String>{folder.PathOf("b.wav"), folder.PathOf("a.wav")}));
  EXPECT_EQ(dialog->FileName(), folder.PathOf("b.wav"));
  EXPECT_EQ(dialog->Handle(), nullptr);
}

TEST_F(OpenDialogRun, AMousePressOnOkAcceptsOneName) {
  EXPECT_TRUE(Run([](DialogDriver& user) {
    if (HWND frame = user.WaitForDialog()) {
      user.Type("a.wav");
      user.Click(GetDlgItem(frame, IDOK));
    }
  }));
  EXPECT_EQ(Entries(*dialog->SelectedFiles()), std::vector<String>{folder.PathOf("a.wav")});
  EXPECT_EQ(dialog->FileName(), folder.PathOf("a.wav"));
}

TEST_F(OpenDialogRun, EscapeLeavesEverythingAsItWas) {
  dialog->SetFileName("C:\\before.wav");
  dialog->SetFilterIndex(2);
  dialog->SelectedFiles()->Append("left from before");
  EXPECT_FALSE(Run([](DialogDriver& user) {
    if (user.WaitForDialog()) {
      user.Press(VK_ESCAPE);
    }
  }));
  EXPECT_EQ(dialog->SelectedFiles()->ItemCount(), 0);
  EXPECT_EQ(dialog->FileName(), "C:\\before.wav");
  EXPECT_EQ(dialog->FilterIndex(), 2);
  EXPECT_EQ(dialog->Options(), playerOptions);
  EXPECT_EQ(dialog->LastError(), 0u);
  EXPECT_EQ(observer.Count("can close"), 0);
}

TEST_F(OpenDialogRun, EventsComeOnceEachInOrder) {
  Run(TypeAndEnter("a.wav"));
  ASSERT_FALSE(observer.events.empty());
  EXPECT_EQ(observer.events.front(), "show");
  EXPECT_EQ(observer.events.back(), "close");
  EXPECT_EQ(observer.Count("show"), 1);
  EXPECT_EQ(observer.Count("can close"), 1);
  EXPECT_EQ(observer.Count("close"), 1);
  EXPECT_GE(observer.Count("folder"), 1);
  EXPECT_EQ(observer.selectedWhenAsked, std::vector<String>{folder.PathOf("a.wav")});
  EXPECT_EQ(dialog->SelectedFiles()->ItemCount(), 1);
}

namespace {

class Rerunner : public TObject {
public:
  bool secondRun = true;
  void RunAgain(TObject* sender) { secondRun = static_cast<TOpenDialog*>(sender)->RunDialog(); }
};

} // namespace

TEST_F(OpenDialogRun, ARunFromItsOwnHandlerIsRefused) {
  Rerunner rerunner;
  dialog->OnShow = TNotifyEvent::Bind<&Rerunner::RunAgain>(rerunner);
  EXPECT_TRUE(Run(TypeAndEnter("a.wav")));
  EXPECT_FALSE(rerunner.secondRun);
  EXPECT_EQ(dialog->FileName(), folder.PathOf("a.wav"));
}

TEST_F(OpenDialogRun, WhileOpenFileNameAndFilterIndexComeFromTheDialog) {
  dialog->SetOptions({ofHideReadOnly});
  dialog->SetFilter("wave|*.WAV|ALL|*.*");
  dialog->SetFilterIndex(2);
  dialog->SetFileName("before.wav");
  EXPECT_TRUE(Run([](DialogDriver& user) {
    if (user.WaitForDialog()) {
      user.ClearBox();
      user.Type("b.wav");
      user.Press(VK_RETURN);
    }
  }));
  EXPECT_NE(observer.handleWhenShown, nullptr);
  EXPECT_EQ(observer.filterIndexWhenShown, 2);
  EXPECT_EQ(observer.fileNameWhenAsked, folder.PathOf("b.wav"));
  EXPECT_EQ(dialog->FileName(), folder.PathOf("b.wav"));
  EXPECT_EQ(dialog->FilterIndex(), 2);
}

TEST_F(OpenDialogRun, ChoosingAnotherFileTypeIsSeenWhileOpenAndKept) {
  dialog->SetFilter("ALL|*.*|wave|*.WAV");
  EXPECT_TRUE(Run([this](DialogDriver& user) {
    HWND frame = user.WaitForDialog();
    if (!frame) {
      return;
    }
    HWND nameBox = user.Focus();
    HWND types = GetDlgItem(frame, cmb1);
    // Alt with the type label's access key, F4 to open the list, the next type, Enter.
    user.PressWith(VK_MENU, 'T');
    user.WaitUntil([&] { return user.Focus() == types; }, "the file type box");
    user.Press(VK_F4);
    user.WaitUntil([&] { return DialogDriver::Ask(types, CB_GETDROPPEDSTATE) != 0; },
                   "the list of types");
    user.Press(VK_DOWN);
    user.Press(VK_RETURN);
    user.WaitUntil([this] { return observer.Count("type") == 1; }, "the type change");
    user.PressWith(VK_MENU, 'N');
    user.WaitUntil([&] { return user.Focus() == nameBox; }, "the file name box");
    user.Type("a.wav");
    user.Press(VK_RETURN);
  }));
  EXPECT_EQ(observer.Count("type"), 1);
  EXPECT_EQ(observer.filterIndexWhenChanged, 2);
  EXPECT_EQ(dialog->FilterIndex(), 2);
}

TEST_F(OpenDialogRun, APressOnAFileIsASelectionChange) {
  EXPECT_TRUE(Run([this](DialogDriver& user) {
    HWND frame = user.WaitForDialog();
    if (!frame) {
      return;
    }
    HWND view = FindWindowExA(frame, nullptr, "SHELLDLL_DefView", nullptr);
    HWND list = FindWindowExA(view, nullptr, "SysListView32", nullptr);
    // The view fills and lays itself out after the dialog shows; a press before that lands
    // on no file.
    RECT item{};
    user.WaitUntil(
        [&] {
          item = RECT{LVIR_LABEL, 0, 0, 0};
          return GetForegroundWindow() == frame && IsWindowVisible(list) &&
                 SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) >= 2 &&
                 SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)) &&
                 item.right > item.left;
        },
        "the folder's files laid out in the list");
    POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &at);
    HWND nameBox = user.Focus();
    // Under Wine the view may still be refreshing itself and lose a press; as a person, the
    // script presses again when nothing came of the last press within a second.
    DWORD pressed = GetTickCount();
    user.ClickAt(at);
    user.WaitUntil(
        [&] {
          if (DialogDriver::TextOf(nameBox) == "a.wav") {
            return true;
          }
          if (GetTickCount() - pressed > 1000) {
            pressed = GetTickCount();
            user.ClickAt(at);
          }
          return false;
        },
        "the selection");
    user.Click(GetDlgItem(frame, IDOK));
  }));
  EXPECT_GE(observer.Count("selection"), 1);
  EXPECT_EQ(observer.fileNameWhenSelected, folder.PathOf("a.wav"));
  EXPECT_EQ(dialog->FileName(), folder.PathOf("a.wav"));
}

TEST_F(OpenDialogRun, IncludeNotificationsAskAboutEachItem) {
  dialog->SetOptions({ofHideReadOnly, ofEnableIncludeNotify});
  Run([](DialogDriver& user) {
    if (user.WaitForDialog()) {
      user.Press(VK_ESCAPE);
    }
  });
  EXPECT_GE(observer.Count("include"), 2);
}

TEST_F(OpenDialogRun, ARefusedCloseKeepsTheDialogOpen) {
  observer.allowClose = false;
  EXPECT_FALSE(Run([this](DialogDriver& user) {
    HWND frame = user.WaitForDialog();
    if (!frame) {
      return;
    }
    user.Type("a.wav");
    user.Press(VK_RETURN);
    // The refusal runs on the dialog's thread; the frame is still there once it has.
    user.WaitUntil([this] { return observer.Count("can close") == 1; }, "the close query");
    user.WaitUntil([&] { return IsWindowVisible(frame) && GetForegroundWindow() == frame; },
                   "the dialog after the refusal");
    user.Press(VK_ESCAPE);
  }));
  EXPECT_EQ(observer.Count("can close"), 1);
  EXPECT_EQ(observer.selectedWhenAsked, std::vector<String>{folder.PathOf("a.wav")});
  EXPECT_EQ(dialog->SelectedFiles()->ItemCount(), 0);
}

TEST_F(OpenDialogRun, TheFrameIsCentredOnTheMonitorAThirdDown) {
  Run([](DialogDriver& user) {
    if (user.WaitForDialog()) {
      user.Press(VK_ESCAPE);
    }
  });
  const RECT& frame = observer.frameWhenShown;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(frame.left, (width - (frame.right - frame.left)) / 2);
  EXPECT_EQ(frame.top, (height - (frame.bottom - frame.top)) / 3);
}

TEST_F(OpenDialogRun, TheProgramsWindowsAreDisabledWhileItIsOpen) {
  TOwnedForm<TVisibleForm> form = AddOwnedForm<TVisibleForm>();
  SetActiveWindow(form->Handle());
  bool enabledWhileOpen = true;
  Run([&](DialogDriver& user) {
    if (user.WaitForDialog()) {
      enabledWhileOpen = IsWindowEnabled(form->Handle()) != FALSE;
      user.Press(VK_ESCAPE);
    }
  });
  EXPECT_FALSE(enabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST_F(OpenDialogRun, TheFilterReachesTheDialogWhole) {
  // ポップ: its first character's second byte is 0x7C.
  const String pop = "\x83\x7C\x83\x62\x83\x76";
  dialog->SetFilter(pop + "|*.MP3|ALL|*.*");
  std::vector<String> types;
  Run([&](DialogDriver& user) {
    if (HWND frame = user.WaitForDialog()) {
      HWND box = GetDlgItem(frame, cmb1);
      const auto count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
      for (int index = 0; index < count; ++index) {
        char text[256] = {};
        SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        types.push_back(text);
      }
      user.Press(VK_ESCAPE);
    }
  });
  EXPECT_EQ(types, (std::vector<String>{pop, "ALL"}));
}

TEST_F(OpenDialogRun, ADriveRootGetsNoDoubledBackslash) {
  const String a = "C:\\sorvane-dialog-a.wav";
  const String b = "C:\\sorvane-dialog-b.wav";
  for (const String& path : {a, b}) {
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  dialog->SetInitialDir("C:\\");
  EXPECT_EQ(dialog->InitialDir(), "C:\\");
  EXPECT_TRUE(Run(TypeAndEnter("\"sorvane-dialog-a.wav\" \"sorvane-dialog-b.wav\"")));
  DeleteFileA(a.c_str());
  DeleteFileA(b.c_str());
  EXPECT_EQ(Entries(*dialog->SelectedFiles()), (std::vector<String>{a, b}));
}

TEST_F(OpenDialogRun, AnInitialDirWithATrailingBackslashIsTrimmed) {
  dialog->SetInitialDir(folder.Path() + "\\");
  EXPECT_EQ(dialog->InitialDir(), folder.Path());
  EXPECT_TRUE(Run(TypeAndEnter("a.wav")));
  EXPECT_EQ(dialog->FileName(), folder.PathOf("a.wav"));
}

namespace {

// A dialog whose system dialog fails the way it does when the chosen names do not fit the
// file buffer: the size it would need in the buffer's first two bytes, and FALSE.
class TOverfullDialog : public TOpenDialog {
public:
  using TOpenDialog::TOpenDialog;

protected:
  bool ShowSystemDialog(OPENFILENAMEA& record) override {
    const WORD needed = 0x9000;
    std::memcpy(record.lpstrFile, &needed, sizeof needed);
    return false;
  }
  DWORD SystemDialogError() const override { return FNERR_BUFFERTOOSMALL; }
};

} // namespace

TEST(OpenDialogFailure, NamesBeyondTheBufferAreToldAndNothingChanges) {
  std::unique_ptr<TOverfullDialog, ComponentRelease> dialog{new TOverfullDialog(nullptr)};
  dialog->SetOptions(playerOptions);
  dialog->SetFileName("before.wav");
  dialog->SetFilterIndex(3);
  BoxWatcher boxes;
  EXPECT_FALSE(dialog->RunDialog());
  EXPECT_EQ(dialog->LastError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  EXPECT_EQ(dialog->FileName(), "before.wav");
  EXPECT_EQ(dialog->FilterIndex(), 3);
  EXPECT_EQ(dialog->Options(), playerOptions);
  EXPECT_EQ(dialog->SelectedFiles()->ItemCount(), 0);
  const std::vector<SeenBox> seen = boxes.Boxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, WithFinalPeriod(LoadMessage(Msg::InvalidFilename)));
  EXPECT_EQ(seen[0].caption, Application->Title());
}

TEST_F(OpenDialogRun, AnOldStyleDialogIsCentredAndShownToo) {
  dialog->SetOptions({ofHideReadOnly, ofOldStyleDialog});
  RECT bounds{};
  EXPECT_TRUE(Run([&](DialogDriver& user) {
    if (HWND frame = user.WaitForDialog()) {
      GetWindowRect(frame, &bounds);
      user.Type("a.wav");
      user.Press(VK_RETURN);
    }
  }));
  EXPECT_EQ(observer.Count("show"), 1);
  EXPECT_EQ(observer.Count("close"), 1);
  EXPECT_EQ(dialog->FileName(), folder.PathOf("a.wav"));
  EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2);
}

namespace {

std::vector<TObject*> reported;

void NoteReport(TObject* sender) { reported.push_back(sender); }

class Thrower : public TObject {
public:
  void Raise(TObject*) { throw Exception("raised in a handler"); }
};

} // namespace

TEST_F(OpenDialogRun, AHandlerThatRaisesIsReportedAndTheDialogGoesOn) {
  Thrower thrower;
  dialog->OnShow = TNotifyEvent::Bind<&Thrower::Raise>(thrower);
  dialog->OnFolderChange = TNotifyEvent::Bind<&Thrower::Raise>(thrower);
  reported.clear();
  const TExceptionReporter previous = SetExceptionReporter(&NoteReport);
  const bool accepted = Run(TypeAndEnter("a.wav"));
  SetExceptionReporter(previous);
  EXPECT_TRUE(accepted);
  EXPECT_GE(reported.size(), 2u);
  EXPECT_EQ(std::count(reported.begin(), reported.end(), dialog.get()),
            static_cast<std::ptrdiff_t>(reported.size()));
  EXPECT_EQ(dialog->FileName(), folder.PathOf("a.wav"));
}
