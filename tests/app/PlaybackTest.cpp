#include "ApplicationPump.h"
#include "BeepCounter.h"
#include "BoxWatcher.h"
#include "DesignScale.h"
#include "PlayerFixture.h"
#include "TickTexts.h"
#include "UserInput.h"

#include <gtest/gtest.h>

// The player window's buttons, its tick, continuous play and repeat, and the time and display
// windows, over the media stand-in, driven as a user drives them.

namespace {

using Playback = PlayerTest;

const TSimulatedDevice& Device(const TMciStandIn& media) {
  const TSimulatedDevice* device = media.Device(Form1->MediaPlayer1->DeviceID());
  if (device == nullptr) {
    throw std::runtime_error("no device is open");
  }
  return *device;
}

bool Playing(const TMciStandIn& media) {
  const TSimulatedDevice* device = media.Device(Form1->MediaPlayer1->DeviceID());
  return device && device->Transport() == TSimulatedDevice::TTransport::Playing;
}

} // namespace

TEST_F(Playback, PreviousAndNextWrapAroundTheList) {
  ListFiles({"C:\\m\\a.wav", "C:\\m\\b.wav", "C:\\m\\c.wav"});
  ASSERT_EQ(Form1->CurrentIndex, 0);
  Click(*Form1->Prev);
  EXPECT_EQ(Form1->CurrentIndex, 2);
  EXPECT_EQ(OpenNow(), "C:\\m\\c.wav");
  EXPECT_TRUE(Playing(media));
  Click(*Form1->Button4);
  EXPECT_EQ(Form1->CurrentIndex, 0);
  EXPECT_EQ(OpenNow(), "C:\\m\\a.wav");
  EXPECT_TRUE(Playing(media));
  EXPECT_TRUE(Form1->Timer1->Enabled());
}

TEST_F(Playback, ButtonsDoNothingOnAnEmptyList) {
  Click(*Form1->START);
  Click(*Form1->Prev);
  Click(*Form1->Button4);
  EXPECT_TRUE(Opened().empty());
  EXPECT_FALSE(Form1->Timer1->Enabled());
  EXPECT_FALSE(Form5->Visible());
}

TEST_F(Playback, StartShowsTheTimeWindowForAudioAndStopHaltsTheTick) {
  media.AddFile("C:\\m\\long.wav", WaveMedia(700000));
  DropFiles(Form1->Handle(), {"C:\\m\\long.wav"});
  Click(*Form1->START);
  ASSERT_TRUE(Playing(media));
  EXPECT_TRUE(Form5->Visible());
  EXPECT_FALSE(Form3->Visible());
  EXPECT_EQ(Form5->ScrollBar1->Max(), 700000);

  media.Advance(59999);
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_EQ(Form5->Label1->Caption(), "0:59");
  media.Advance(605000 - 59999);
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_EQ(Form5->Label1->Caption(), "10:05");
  EXPECT_EQ(Form5->ScrollBar1->Position(), 605000);

  Click(*Form1->STOP);
  EXPECT_FALSE(Playing(media));
  EXPECT_FALSE(Form1->Timer1->Enabled());
  EXPECT_TRUE(Form5->Visible());
}

TEST_F(Playback, StatusLineScrollsTheFileNameAndStartsAgainAfterStep99) {
  ListFiles({"C:\\m\\song.wav"});
  Click(*Form1->START);
  ASSERT_TRUE(WaitTicks(1));
  ASSERT_GE(Form1->Timer1->Tag(), 1);
  EXPECT_EQ(Form1->Edit1->Text(), TitleWindow("song.wav", Form1->Timer1->Tag()));
  EXPECT_EQ(Form1->CurrentFile, "C:\\m\\song.wav");

  Form1->Timer1->SetTag(98);
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_EQ(Form1->Timer1->Tag(), 99);
  EXPECT_EQ(Form1->Edit1->Text(), TitleWindow("song.wav", 99));
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_EQ(Form1->Timer1->Tag(), 0);
  EXPECT_EQ(Form1->Edit1->Text(), "");
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_EQ(Form1->Edit1->Text(), String(50, ' ') + "s");
}

TEST_F(Playback, StatusLineSaysNotReadyWhileTheDeviceIsNot) {
  ListFiles({"C:\\m\\song.wav"});
  Click(*Form1->START);
  media.ForceMode(Form1->MediaPlayer1->DeviceID(), MCI_MODE_NOT_READY);
  ASSERT_TRUE(WaitTicks(1));
  EXPECT_EQ(Form1->Edit1->Text(), "準備中");
}

TEST_F(Playback, VideoSizesTheDisplayWindowToThePicture) {
  ListFiles({"C:\\m\\clip.avi"});
  Click(*Form1->START);
  ASSERT_TRUE(Form3->Visible());
  EXPECT_FALSE(Form5->Visible());
  EXPECT_EQ(Form3->Left(), Form1->Left() + Form1->Width());
  EXPECT_EQ(Form3->Top(), 106);
  EXPECT_EQ(Form3->ClientWidth(), 320);
  EXPECT_EQ(Form3->ClientHeight(), 240 + Form3->ScrollBar1->Height());
  EXPECT_EQ(Form3->Panel1->Width(), 320);
  EXPECT_EQ(Form3->Panel1->Height(), 240);
  EXPECT_EQ(Form3->ScrollBar1->Top(), 240);
  EXPECT_EQ(Form3->ScrollBar1->Width(), 320);
  EXPECT_EQ(Device(media).Window(), Form3->Panel1->Handle());
  EXPECT_TRUE(Playing(media));
}

TEST_F(Playback, AudioAfterVideoSwapsThePresentationWindows) {
  ListFiles({"C:\\m\\clip.avi", "C:\\m\\song.mp3"});
  Click(*Form1->START);
  ASSERT_TRUE(Form3->Visible());
  Click(*Form1->Button4);
  EXPECT_FALSE(Form3->Visible());
  EXPECT_TRUE(Form5->Visible());
  Click(*Form1->Button4);
  EXPECT_TRUE(Form3->Visible());
  EXPECT_FALSE(Form5->Visible());
}

TEST_F(Playback, DisplayScrollBarSeeksAndTheNextStartPlaysFromThere) {
  ListFiles({"C:\\m\\clip.avi"});
  Click(*Form1->START);
  Click(*Form1->STOP);
  media.ClearLog();
  Form3->ScrollBar1->SetPosition(7);
  // A click in the trough right of the thumb: one step on, then the end of scrolling.
  ClickAt(Form3->ScrollBar1->Handle(), POINT{300, 8});
  const auto seeks = media.CallsOf(MCI_SEEK);
  ASSERT_FALSE(seeks.empty());
  EXPECT_TRUE(seeks.back().Has(MCI_TO));
  EXPECT_FALSE(Playing(media));
  const int chosen = Form3->ScrollBar1->Position();
  Click(*Form1->START);
  const auto plays = media.CallsOf(MCI_PLAY);
  ASSERT_FALSE(plays.empty());
  EXPECT_TRUE(plays.back().Has(MCI_FROM));
  EXPECT_EQ(static_cast<int>(plays.back().from), chosen);
  EXPECT_EQ(chosen, 8);
}

TEST_F(Playback, TimeScrollBarPlaysFromTheChosenPoint) {
  media.AddFile("C:\\m\\long.wav", WaveMedia(700000));
  DropFiles(Form1->Handle(), {"C:\\m\\long.wav"});
  Click(*Form1->START);
  Click(*Form1->STOP);
  ASSERT_FALSE(Playing(media));
  ClickAt(Form5->ScrollBar1->Handle(), POINT{200, 10});
  EXPECT_TRUE(Playing(media));
  EXPECT_FALSE(Form1->Timer1->Enabled());
}

namespace {

// Counts the windows of class TForm4 (a window enumeration callback: lParam is an int*).
BOOL CALLBACK CountVersionWindows(HWND window, LPARAM count) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  *reinterpret_cast<int*>(count) += String(name) == "TForm4" ? 1 : 0;
  return TRUE;
}

} // namespace

TEST_F(Playback, VersionWindowShowsOnceAndBeepsEachTime) {
  BeepCounter beeps;
  Choose(Form1->Handle(), *Form1->N3);
  Choose(Form1->Handle(), *Form1->N3);
  EXPECT_TRUE(IsWindowVisible(Form4->Handle()));
  EXPECT_EQ(beeps.Count(), 2);
  int versionWindows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountVersionWindows,
                    reinterpret_cast<LPARAM>(&versionWindows));
  EXPECT_EQ(versionWindows, 1);
  Click(*Form4->Button1);
  EXPECT_FALSE(IsWindowVisible(Form4->Handle()));
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
}

TEST_F(Playback, OptionsToggleTheirCheckMarks) {
  Choose(Form1->Handle(), *Form1->renzoku);
  EXPECT_TRUE(Form1->renzoku->Checked());
  EXPECT_FALSE(Form1->repeat->Checked());
  Choose(Form1->Handle(), *Form1->repeat);
  Choose(Form1->Handle(), *Form1->renzoku);
  EXPECT_FALSE(Form1->renzoku->Checked());
  EXPECT_TRUE(Form1->repeat->Checked());
}

// A file of the continuous advance that no longer opens is reported once: the tick stops
// instead of raising ten error boxes a second.
TEST_F(Playback, FailingAdvanceIsReportedOnceAndStopsTheTick) {
  ListFiles({"C:\\m\\a.wav", "C:\\m\\b.wav"});
  Choose(Form1->Handle(), *Form1->renzoku);
  Click(*Form1->START);
  media.RemoveFile("C:\\m\\b.wav");
  BoxWatcher boxes;
  media.Advance(2000);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Boxes().empty(); }));
  EXPECT_FALSE(Form1->Timer1->Enabled());
  PumpPending();
  EXPECT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(Form1->CurrentIndex, 1);
}
