#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "DialogDriver.h"
#include "PlayerFixture.h"
#include "ShiftJis.h"
#include "TApplication.h"
#include "TTestWave.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <fstream>

// Files a user may hand the player that are not what they claim to be, or whose names push
// at the limits: each gets a clear message in the program's own words or is taken as it is,
// and nothing already in the play list is lost.

namespace {

String TemporaryFolder() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  return String(folder, length);
}

// A file in the temporary folder with the given bytes, deleted at the end of its scope.
class TBadFile {
public:
  TBadFile(std::string_view name, std::string_view bytes)
      : path_(TemporaryFolder() + String(name)) {
    std::ofstream(path_, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ~TBadFile() { DeleteFileA(path_.c_str()); }
  TBadFile(const TBadFile&) = delete;
  TBadFile& operator=(const TBadFile&) = delete;

  const String& Path() const { return path_; }

private:
  String path_;
};

// A folder in the temporary folder, removed at the end of its scope.
class TBadFolder {
public:
  explicit TBadFolder(std::string_view name) : path_(TemporaryFolder() + String(name)) {
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TBadFolder() { RemoveDirectoryA(path_.c_str()); }
  TBadFolder(const TBadFolder&) = delete;
  TBadFolder& operator=(const TBadFolder&) = delete;

  const String& Path() const { return path_; }

private:
  String path_;
};

std::vector<String> Entries() {
  return {Form2->Entries.begin(), Form2->Entries.begin() + Form2->EntryCount};
}

std::vector<String> Lines() {
  std::vector<String> lines;
  for (int i = 0; i < Form2->ListBox1->Items().ItemCount(); ++i) {
    lines.push_back(Form2->ListBox1->Items().ItemAt(i));
  }
  return lines;
}

// A drop posted from another thread, as the shell posts it: the test's thread takes it when
// its loop comes round.
void PostDrop(HWND window, const std::vector<String>& paths) {
  std::size_t bytes = sizeof(DROPFILES) + 1;
  for (const String& path : paths) {
    bytes += path.size() + 1;
  }
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  char* text = reinterpret_cast<char*>(header + 1);
  for (const String& path : paths) {
    std::memcpy(text, path.c_str(), path.size() + 1);
    text += path.size() + 1;
  }
  GlobalUnlock(memory);
  PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// The text the media control's last refusal shows in an error box.
String DeviceText() { return WithFinalPeriod(Form1->MediaPlayer1->ErrorMessage()); }

// The player over the platform's own devices, with one good wave file already listed.
class RealBadInput : public PlayerTest {
protected:
  RealBadInput() { realDevices = true; }

  void SetUp() override {
    PlayerTest::SetUp();
    DropFiles(Form1->Handle(), {good.Path()});
    ASSERT_EQ(Form2->EntryCount, 1);
  }

  // Drops path on the player window; the file is listed after the good one and its refusal
  // is told once in an error box, when the player opens it.
  void ExpectRefusedWhenOpened(const String& path) {
    BoxWatcher boxes;
    DropFiles(Form1->Handle(), {path});
    EXPECT_EQ(Entries(), (std::vector<String>{good.Path(), path}));
    EXPECT_EQ(Lines().size(), 2u);
    Click(*Form1->Button4);
    ASSERT_TRUE(PumpUntil([&] { return !boxes.Boxes().empty(); }));
    PumpPending();
    const std::vector<SeenBox> seen = boxes.Boxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, Application->Title());
    EXPECT_EQ(seen[0].text, DeviceText());
    EXPECT_NE(Form1->MediaPlayer1->Error(), 0u);
    EXPECT_EQ(Entries(), (std::vector<String>{good.Path(), path}));
    ExpectGoodFilePlays(boxes);
  }

  // The program goes on: the good entry still plays.
  void ExpectGoodFilePlays(BoxWatcher& boxes) {
    const std::size_t before = boxes.Boxes().size();
    Click(*Form1->Button4);
    EXPECT_EQ(Form1->CurrentIndex, 0);
    EXPECT_EQ(Form1->MediaPlayer1->FileName(), good.Path());
    EXPECT_EQ(Form1->MediaPlayer1->Mode(), mmPlay);
    Click(*Form1->STOP);
    EXPECT_EQ(boxes.Boxes().size(), before);
  }

  TTestWave good{"good.wav", 3000};
};

using BadInput = PlayerTest;

} // namespace

TEST_F(RealBadInput, FileThatDoesNotExist) {
  ExpectRefusedWhenOpened(TemporaryFolder() + "missing.wav");
}

TEST_F(RealBadInput, ZeroByteFile) {
  TBadFile empty("empty.wav", "");
  ExpectRefusedWhenOpened(empty.Path());
}

TEST_F(RealBadInput, TextFileNamedMp3) {
  TBadFile text("notes.mp3", "These are notes, not music.\r\n");
  ExpectRefusedWhenOpened(text.Path());
}

// A wave file cut short after its header, which still claims three seconds of sound: the
// device opens it, plays what there is and stops there, without a message; the list keeps
// it, and the good file still plays.
TEST_F(RealBadInput, TruncatedWave) {
  TTestWave cut("cut.wav", 3000);
  const String& path = cut.Path();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  SetFilePointer(file, 44 + 300, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);

  BoxWatcher boxes;
  DropFiles(Form1->Handle(), {path});
  Click(*Form1->Button4);
  EXPECT_EQ(Form1->MediaPlayer1->FileName(), path);
  EXPECT_NE(Form1->MediaPlayer1->DeviceID(), 0u);
  EXPECT_TRUE(PumpUntil([] { return Form1->MediaPlayer1->Mode() == mmStop; }));
  EXPECT_LT(Form1->MediaPlayer1->Position(), Form1->MediaPlayer1->Length());
  EXPECT_EQ(Entries(), (std::vector<String>{good.Path(), path}));
  ExpectGoodFilePlays(boxes);
  EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes()[0].text;
}

// 表 (0x95 0x5C) and ソ (0x83 0x5C) end in the code of "\", ポ (0x83 0x7C) in that of "|":
// none of them splits a name, and the devices open the files by their whole names.
TEST_F(RealBadInput, JapaneseNamesWithBackslashAndBarTrailBytes) {
  TBadFolder folder("ソフト");
  TTestWave table("ソフト\\表示テスト.wav", 3000);
  TTestWave pop("ポップ.wav", 3000);
  BoxWatcher boxes;
  DropFiles(Form2->ListBox1->Handle(), {table.Path(), pop.Path()});
  EXPECT_EQ(Lines(), (std::vector<String>{"good.wav", "表示テスト.wav", "ポップ.wav"}));
  Click(*Form1->Button4);
  EXPECT_EQ(Form1->MediaPlayer1->FileName(), table.Path());
  EXPECT_EQ(Form1->MediaPlayer1->Mode(), mmPlay);
  Click(*Form1->Button4);
  EXPECT_EQ(Form1->MediaPlayer1->FileName(), pop.Path());
  EXPECT_EQ(Form1->MediaPlayer1->Mode(), mmPlay);
  EXPECT_TRUE(PumpUntil([] { return Form1->Edit1->Text().find("ポップ.wav") != String::npos; }))
      << Form1->Edit1->Text();
  Click(*Form1->STOP);
  EXPECT_TRUE(boxes.Boxes().empty());
}

// A folder whose name ends in a media extension passes the drop filter like a file; the
// device finds no such file when it comes to be opened.
TEST_F(RealBadInput, FolderNamedLikeAWaveFile) {
  TBadFolder folder("ライブ.wav");
  ExpectRefusedWhenOpened(folder.Path());
}

TEST_F(RealBadInput, SameFileListedTwicePlaysTwice) {
  BoxWatcher boxes;
  DropFiles(Form1->Handle(), {good.Path()});
  EXPECT_EQ(Entries(), (std::vector<String>{good.Path(), good.Path()}));
  EXPECT_EQ(Lines(), (std::vector<String>{"good.wav", "good.wav"}));
  Click(*Form1->Button4);
  EXPECT_EQ(Form1->CurrentIndex, 1);
  EXPECT_EQ(Form1->MediaPlayer1->Mode(), mmPlay);
  ExpectGoodFilePlays(boxes);
  EXPECT_TRUE(boxes.Boxes().empty());
}

// A folder has no media extension: it is passed over without a message, as any other file
// the player does not play.
TEST_F(RealBadInput, FolderDropped) {
  TBadFolder folder("アルバム");
  BoxWatcher boxes;
  DropFiles(Form1->Handle(), {folder.Path()});
  DropFiles(Form2->Handle(), {folder.Path(), good.Path()});
  EXPECT_EQ(Entries(), (std::vector<String>{good.Path(), good.Path()}));
  PumpPending();
  EXPECT_TRUE(boxes.Boxes().empty());
}

// Paths of 259 bytes (the longest a Windows name may be) and of 300 bytes (from a folder
// that allows longer ones) are listed and opened whole, never cut at the 260 bytes of the
// system's usual buffer.
TEST_F(BadInput, LongPathsAreListedAndOpenedWhole) {
  const String folder = "C:\\" + String(200, 'd') + "\\";
  const String path259 = folder + String(259 - folder.size() - 4, 'a') + ".wav";
  const String path300 = folder + String(300 - folder.size() - 4, 'b') + ".mp3";
  ASSERT_EQ(path259.size(), 259u);
  ASSERT_EQ(path300.size(), 300u);
  BoxWatcher boxes;
  ListFiles({path259, path300});
  EXPECT_EQ(Entries(), (std::vector<String>{path259, path300}));
  EXPECT_EQ(Lines()[1], String(300 - folder.size() - 4, 'b') + ".mp3");
  Click(*Form1->Button4);
  EXPECT_EQ(OpenNow(), path300);
  EXPECT_EQ(Opened().back(), path300);
  EXPECT_TRUE(boxes.Boxes().empty()) << boxes.Boxes()[0].text;
}

TEST_F(BadInput, The1001stFileOfOneDropIsRefusedAndTheThousandKept) {
  ListFiles({"C:\\m\\first.wav"});
  std::vector<String> paths;
  for (int i = 0; i < 1000; ++i) {
    paths.push_back("C:\\m\\" + std::to_string(i) + ".wav");
  }
  BoxWatcher boxes;
  DropFiles(Form1->Handle(), paths);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Boxes().empty(); }));
  PumpPending();
  ASSERT_EQ(Form2->EntryCount, 1000);
  EXPECT_EQ(Form2->Entries[0], "C:\\m\\first.wav");
  EXPECT_EQ(Form2->Entries[999], "C:\\m\\998.wav");
  EXPECT_EQ(Form2->ListBox1->Items().ItemCount(), 1000);
  EXPECT_EQ(Form2->ListBox1->Items().ItemAt(999), "998.wav");
  // The list box drew once for the whole drop; its scroll bar still spans every line.
  SCROLLINFO scroll{sizeof scroll, SIF_RANGE, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(Form2->ListBox1->Handle(), SB_VERT, &scroll));
  EXPECT_EQ(scroll.nMax, 999);
  const std::vector<SeenBox> seen = boxes.Boxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, Application->Title());
  EXPECT_TRUE(seen[0].text.starts_with(
      "再生リストに入るファイルは 1000 個までです。1 個のファイルを追加できませんでした"))
      << seen[0].text;
  EXPECT_EQ(OpenNow(), "C:\\m\\first.wav");
}

// A video entry that does not open leaves the display window up with no device behind it.
// An arrow of its scroll bar then raises for the step and again for the end of the gesture:
// the second box comes while the first is still up, and each is told and closed.
TEST_F(BadInput, DisplayScrollBarWithoutADeviceIsToldForEachScrollEvent) {
  ListFiles({"C:\\m\\clip.avi"});
  DropFiles(Form1->Handle(), {"C:\\m\\gone.avi"});
  Click(*Form1->START);
  ASSERT_TRUE(Form3->Visible());
  BoxWatcher boxes;
  Click(*Form1->Button4);
  TScrollBar& bar = *Form3->ScrollBar1;
  ClickAt(bar.Handle(), POINT{bar.Width() - 4, bar.Height() / 2});
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes().size() >= 3; }));
  PumpPending();
  const std::vector<SeenBox> seen = boxes.Boxes();
  ASSERT_EQ(seen.size(), 3u);
  char missing[MAXERRORLENGTH] = {};
  media.ErrorString(MCIERR_FILE_NOT_FOUND, missing, sizeof missing);
  EXPECT_EQ(seen[0].text, WithFinalPeriod(missing));
  EXPECT_EQ(seen[1].text, "MCI デバイスがありません.");
  EXPECT_EQ(seen[2].text, "MCI デバイスがありません.");
  EXPECT_EQ(Entries(), (std::vector<String>{"C:\\m\\clip.avi", "C:\\m\\gone.avi"}));
  Click(*Form1->Prev);
  EXPECT_EQ(OpenNow(), "C:\\m\\clip.avi");
  EXPECT_EQ(Form1->MediaPlayer1->Mode(), mmPlay);
}

// A drop that arrives while the open dialog is up is taken at once, by the dialog's own
// message loop.
class DropDuringDialog : public PlayerTest {
protected:
  void SetUp() override {
    PlayerTest::SetUp();
    media.AddFile(chosen.Path());
    media.AddFile("C:\\m\\dropped.wav");
    ListFiles({"C:\\m\\old.wav"});
    Form1->OpenDialog1->SetInitialDir(TemporaryFolder());
  }

  // Chooses item; in its dialog a file is dropped on the player window, then chosen.wav is
  // typed and Enter pressed.
  void ChooseWithDrop(const TMenuItem& item) {
    DialogDriver driver([](DialogDriver& user) {
      if (user.WaitForDialog()) {
        PostDrop(Form1->Handle(), {"C:\\m\\dropped.wav"});
        user.Type("chosen.wav");
        user.Press(VK_RETURN);
      }
    });
    Choose(Form1->Handle(), item);
    driver.Finish();
    for (const String& problem : driver.Problems()) {
      ADD_FAILURE() << problem;
    }
    PumpPending();
  }

  TTestWave chosen{"chosen.wav", 1000};
};

TEST_F(DropDuringDialog, AddToListKeepsTheDropBeforeTheChosenFiles) {
  ChooseWithDrop(*Form1->S1);
  EXPECT_EQ(Entries(),
            (std::vector<String>{"C:\\m\\old.wav", "C:\\m\\dropped.wav", chosen.Path()}));
  EXPECT_EQ(Lines(), (std::vector<String>{"old.wav", "dropped.wav", "chosen.wav"}));
  EXPECT_EQ(OpenNow(), "C:\\m\\old.wav");
}

// Open replaces the whole list by the chosen files, the dropped one with the rest.
TEST_F(DropDuringDialog, OpenReplacesTheListDropIncluded) {
  ChooseWithDrop(*Form1->O1);
  EXPECT_EQ(Entries(), (std::vector<String>{chosen.Path()}));
  EXPECT_EQ(Lines(), (std::vector<String>{"chosen.wav"}));
  EXPECT_EQ(OpenNow(), chosen.Path());
}
