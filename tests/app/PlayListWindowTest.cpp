#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "PlayerFixture.h"
#include "UserInput.h"

#include <gtest/gtest.h>

// The play list window as a user meets it: drops on either window, a double click on a line,
// the Delete key, and the bounds of the list.

namespace {

using PlayListWindow = PlayerTest;

std::vector<String> Lines() {
  std::vector<String> lines;
  TStrings& items = Form2->ListBox1->Items();
  for (int i = 0; i < items.ItemCount(); ++i) {
    lines.push_back(items.ItemAt(i));
  }
  return lines;
}

std::vector<String> Entries() {
  return {Form2->Entries.begin(), Form2->Entries.begin() + Form2->EntryCount};
}

// The middle of line index of the list box (lines are 12 pixels high).
POINT Line(int index) { return POINT{40, index * 12 + 6}; }

} // namespace

TEST_F(PlayListWindow, DropTakesMediaFilesInOrderAndSkipsOthers) {
  media.AddFile("C:\\in\\song.mp3");
  media.AddFile("C:\\in\\clip.AVI");
  DropFiles(Form1->Handle(), {"C:\\in\\song.mp3", "C:\\in\\notes.txt", "C:\\in\\clip.AVI"});
  EXPECT_EQ(Entries(), (std::vector<String>{"C:\\in\\song.mp3", "C:\\in\\clip.AVI"}));
  EXPECT_EQ(Lines(), (std::vector<String>{"song.mp3", "clip.AVI"}));
  EXPECT_EQ(Form1->CurrentIndex, 0);
  EXPECT_EQ(OpenNow(), "C:\\in\\song.mp3");
  EXPECT_FALSE(Form1->Timer1->Enabled());
}

TEST_F(PlayListWindow, DropOnTheListBoxReachesThePlayList) {
  media.AddFile("C:\\in\\a.wav");
  media.AddFile("C:\\in\\b.WAV");
  DropFiles(Form2->ListBox1->Handle(), {"C:\\in\\a.wav", "C:\\in\\x.Wav", "C:\\a.b\\file"});
  DropFiles(Form2->Handle(), {"C:\\in\\b.WAV", "C:\\in\\b.WAV"});
  EXPECT_EQ(Lines(), (std::vector<String>{"a.wav", "b.WAV", "b.WAV"}));
}

TEST_F(PlayListWindow, MixedCaseExtensionIsRejectedOnThePlayerWindow) {
  DropFiles(Form1->Handle(), {"C:\\in\\x.Wav"});
  EXPECT_EQ(Form2->EntryCount, 0);
  EXPECT_TRUE(Opened().empty());
}

TEST_F(PlayListWindow, DropWhilePlayingReloadsTheCurrentEntryWithoutPlaying) {
  ListFiles({"C:\\m\\0.wav", "C:\\m\\1.wav", "C:\\m\\2.wav", "C:\\m\\3.wav"});
  DoubleClickAt(Form2->ListBox1->Handle(), Line(2));
  ASSERT_EQ(Form1->CurrentIndex, 2);
  media.Advance(500);
  media.AddFile("C:\\m\\new.wav");
  DropFiles(Form1->Handle(), {"C:\\m\\new.wav"});
  EXPECT_EQ(Form2->EntryCount, 5);
  EXPECT_EQ(Form2->Entries[4], "C:\\m\\new.wav");
  EXPECT_EQ(OpenNow(), "C:\\m\\2.wav");
  const TSimulatedDevice* device = media.Device(Form1->MediaPlayer1->DeviceID());
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->Transport(), TSimulatedDevice::TTransport::Stopped);
  EXPECT_EQ(device->PositionMs(media.Now()), 0u);
}

TEST_F(PlayListWindow, DoubleClickPlaysTheLine) {
  ListFiles({"C:\\m\\a.wav", "C:\\m\\b.mp3"});
  DoubleClickAt(Form2->ListBox1->Handle(), Line(1));
  EXPECT_EQ(Form1->CurrentIndex, 1);
  EXPECT_EQ(OpenNow(), "C:\\m\\b.mp3");
  EXPECT_TRUE(Form5->Visible());
  EXPECT_TRUE(Form1->Timer1->Enabled());
}

TEST_F(PlayListWindow, DeleteRemovesTheFocusedLineAndPullsTheIndexBack) {
  ListFiles({"C:\\m\\a.wav", "C:\\m\\b.wav", "C:\\m\\c.wav"});
  Click(*Form1->Prev);
  ASSERT_EQ(Form1->CurrentIndex, 2);
  ClickAt(Form2->ListBox1->Handle(), Line(1));
  PressKey(Form2->ListBox1->Handle(), VK_DELETE);
  EXPECT_EQ(Entries(), (std::vector<String>{"C:\\m\\a.wav", "C:\\m\\c.wav"}));
  EXPECT_EQ(Lines(), (std::vector<String>{"a.wav", "c.wav"}));
  EXPECT_EQ(Form1->CurrentIndex, 1);
  EXPECT_EQ(OpenNow(), "C:\\m\\c.wav");
  EXPECT_EQ(media.Device(Form1->MediaPlayer1->DeviceID())->Transport(),
            TSimulatedDevice::TTransport::Playing);
}

TEST_F(PlayListWindow, DeleteBeforeTheCurrentEntryKeepsTheIndex) {
  ListFiles({"C:\\m\\a.wav", "C:\\m\\b.wav", "C:\\m\\c.wav"});
  Click(*Form1->Button4);
  ASSERT_EQ(Form1->CurrentIndex, 1);
  ClickAt(Form2->ListBox1->Handle(), Line(1));
  PressKey(Form2->ListBox1->Handle(), VK_DELETE);
  EXPECT_EQ(Form1->CurrentIndex, 1);
  EXPECT_EQ(Form2->Entries[1], "C:\\m\\c.wav");
}

TEST_F(PlayListWindow, DeletingTheLastEntryLeavesNoCurrentEntry) {
  ListFiles({"C:\\m\\a.wav"});
  ClickAt(Form2->ListBox1->Handle(), Line(0));
  PressKey(Form2->ListBox1->Handle(), VK_DELETE);
  EXPECT_EQ(Form2->EntryCount, 0);
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(Form1->CurrentIndex, -1);
}

TEST_F(PlayListWindow, WithoutAFocusedLineDoubleClickAndDeleteDoNothing) {
  BoxWatcher boxes;
  DoubleClickAt(Form2->ListBox1->Handle(), Line(3));
  PressKey(Form2->ListBox1->Handle(), VK_DELETE);
  EXPECT_EQ(Form2->EntryCount, 0);
  EXPECT_TRUE(Opened().empty());
  EXPECT_EQ(Form1->CurrentIndex, -1);
  PumpPending();
  EXPECT_TRUE(boxes.Boxes().empty());
}

// After the list was emptied the current index names no entry; the next file to come is the
// one that plays.
TEST_F(PlayListWindow, AfterEmptyingTheListANewFileBecomesCurrent) {
  ListFiles({"C:\\m\\a.wav"});
  ClickAt(Form2->ListBox1->Handle(), Line(0));
  PressKey(Form2->ListBox1->Handle(), VK_DELETE);
  ASSERT_EQ(Form1->CurrentIndex, -1);
  ListFiles({"C:\\m\\b.wav"});
  EXPECT_EQ(Form1->CurrentIndex, 0);
  EXPECT_EQ(OpenNow(), "C:\\m\\b.wav");
  Click(*Form1->START);
  EXPECT_EQ(media.Device(Form1->MediaPlayer1->DeviceID())->Transport(),
            TSimulatedDevice::TTransport::Playing);
}

TEST_F(PlayListWindow, The1001stFileIsRefusedWithAMessageAndNothingIsLost) {
  media.AddFile("C:\\m\\f.wav");
  std::vector<String> paths(1003, "C:\\m\\f.wav");
  BoxWatcher boxes;
  DropFiles(Form1->Handle(), paths);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Boxes().empty(); }));
  EXPECT_EQ(Form2->EntryCount, 1000);
  EXPECT_EQ(Form2->ListBox1->Items().ItemCount(), 1000);
  const std::vector<SeenBox> seen = boxes.Boxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text,
            "再生リストに入るファイルは 1000 個までです。3 個のファイルを追加できませんでした.");
  DropFiles(Form2->ListBox1->Handle(), {"C:\\m\\f.wav"});
  ASSERT_TRUE(PumpUntil([&] { return boxes.Boxes().size() == 2; }));
  EXPECT_EQ(Form2->EntryCount, 1000);
}
