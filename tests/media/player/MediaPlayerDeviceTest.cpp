// The media player with the platform's real MCI devices: generated wave files, and the
// samples of scripts/make-samples.sh (AVI, MP3). Waits pump the message queue until a
// condition holds, with a deadline.
#include "ApplicationPump.h"
#include "MediaForms.h"
#include "OwnedForm.h"
#include "SampleFolder.h"
#include "TPanel.h"
#include "TTestWave.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Generous: the real devices start and report late.
constexpr DWORD deviceDeadline = 15000;

String Sample(const char* name) { return String(sampleFolder) + "\\" + name; }

class Notices : public TObject {
public:
  int count = 0;
  void Count(TObject*) { ++count; }
};

class MediaPlayerDevices : public testing::Test {
protected:
  void SetUp() override {
    form = AddOwnedForm<TMediaForm>();
    player = form->Player();
    ASSERT_NE(player, nullptr);
    player->OnNotify = TNotifyEvent::Bind<&Notices::Count>(notices);
  }
  void TearDown() override { form.reset(); }

  TOwnedForm<TMediaForm> form;
  TMediaPlayer* player = nullptr;
  Notices notices;
};

TEST_F(MediaPlayerDevices, AWavePlaysInRealTimeAndEndsWithItsNotice) {
  TTestWave wave("sorvane-player-play.wav", 1500);
  player->SetFileName(wave.Path());
  player->Open();
  EXPECT_EQ(player->Length(), 1500);
  EXPECT_EQ(player->TimeFormat(), MCI_FORMAT_MILLISECONDS);
  EXPECT_EQ(player->Mode(), mmStop);
  player->Play();
  EXPECT_EQ(player->Mode(), mmPlay);
  ASSERT_TRUE(PumpUntil([&] { return player->Position() > 0; }, deviceDeadline));
  std::int32_t during = player->Position();
  EXPECT_LT(during, 1500);
  ASSERT_TRUE(PumpUntil([&] { return notices.count > 0; }, deviceDeadline));
  EXPECT_EQ(player->NotifyValue(), nrSuccessful);
  EXPECT_EQ(player->Mode(), mmStop);
  EXPECT_EQ(player->Position(), 1500);
}

TEST_F(MediaPlayerDevices, PlayAtTheEndOfAWaveStartsAgainFromTheBeginning) {
  TTestWave wave("sorvane-player-again.wav", 600);
  player->SetFileName(wave.Path());
  player->Open();
  player->SetPosition(600);
  ASSERT_EQ(player->Position(), 600);
  player->Play();
  EXPECT_EQ(player->Mode(), mmPlay);
  EXPECT_LT(player->Position(), 600);
  player->Stop();
  EXPECT_EQ(player->Mode(), mmStop);
}

TEST_F(MediaPlayerDevices, AnAviReportsItsPictureAndDrawsIntoTheGivenPanel) {
  auto* panel = new TPanel(form.get());
  panel->SetBounds(40, 8, 320, 240);
  panel->SetParent(form.get());
  form->Show();
  PumpPending();
  player->SetDisplay(panel);
  player->SetFileName(Sample("picture.avi"));
  player->Open();
  EXPECT_TRUE(player->Capabilities().Contains(dcHasVideo));
  EXPECT_EQ(player->Display(), panel);
  RECT picture = player->DisplayRect();
  EXPECT_EQ(picture.right - picture.left, 320);
  EXPECT_EQ(picture.bottom - picture.top, 240);
  player->Play();
  auto colours = [&] {
    std::set<COLORREF> seen;
    HDC dc = GetDC(panel->Handle());
    for (int x = 10; x < 320; x += 40) {
      seen.insert(GetPixel(dc, x, 60));
    }
    ReleaseDC(panel->Handle(), dc);
    return seen.size();
  };
  EXPECT_TRUE(PumpUntil([&] { return colours() >= 3; }, deviceDeadline));
  player->Stop();
}

TEST_F(MediaPlayerDevices, AnMp3OpensAndPlays) {
  player->SetFileName(Sample("melody.mp3"));
  player->Open();
  EXPECT_TRUE(player->Capabilities().Contains(dcCanPlay));
  EXPECT_GT(player->Length(), 7000);
  player->Play();
  ASSERT_TRUE(PumpUntil([&] { return player->Position() > 0; }, deviceDeadline));
  EXPECT_EQ(player->Mode(), mmPlay);
  player->Stop();
  EXPECT_EQ(player->Mode(), mmStop);
  player->Close();
  EXPECT_EQ(player->DeviceID(), 0u);
}

TEST_F(MediaPlayerDevices, AMissingFileRaisesThePlatformsTextAndLeavesNoDevice) {
  TTestWave wave("sorvane-player-here.wav", 300);
  String missing = wave.Path() + ".missing.wav";
  player->SetFileName(missing);
  char expected[4096] = "";
  ASSERT_TRUE(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, expected, sizeof expected));
  try {
    player->Open();
    FAIL() << "no exception";
  } catch (const EMCIDeviceError& error) {
    EXPECT_EQ(error.Message(), String(expected));
  }
  EXPECT_EQ(player->Error(), MCIERROR{MCIERR_FILE_NOT_FOUND});
  EXPECT_EQ(player->DeviceID(), 0u);
  EXPECT_THROW(player->Play(), EMCIDeviceError);
  player->SetFileName(wave.Path());
  player->Open();
  EXPECT_NE(player->DeviceID(), 0u);
  EXPECT_EQ(player->Length(), 300);
}

} // namespace
