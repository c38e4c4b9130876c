// The winmm port against the platform's real MCI devices, the current-port scope, and the
// stand-in compared with the real wave device where that device is deterministic.
#include "CurrentMciPort.h"
#include "MciRequests.h"
#include "NoticeWindow.h"
#include "TMciStandIn.h"
#include "TTestWave.h"
#include "TWinmmPort.h"

#include <digitalv.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

// Generous: the real wave device plays in real time and reports late.
constexpr DWORD kNoticeDeadlineMs = 10000;

TEST(MciPortScope, PutsAPortInPlaceForItsLifeAndNests) {
  TMciPort& product = CurrentMciPort();
  EXPECT_NE(dynamic_cast<TWinmmPort*>(&product), nullptr);
  TMciStandIn outer;
  {
    TMciPortScope outerScope(outer);
    EXPECT_EQ(&CurrentMciPort(), &outer);
    TMciStandIn inner;
    {
      TMciPortScope innerScope(inner);
      EXPECT_EQ(&CurrentMciPort(), &inner);
    }
    EXPECT_EQ(&CurrentMciPort(), &outer);
  }
  EXPECT_EQ(&CurrentMciPort(), &product);
}

class WinmmPortTest : public testing::Test {
protected:
  void TearDown() override {
    if (id_ != 0)
      Command(port_, id_, MCI_CLOSE, MCI_WAIT);
  }

  TWinmmPort port_;
  MCIDEVICEID id_ = 0;
};

TEST_F(WinmmPortTest, OpensAGeneratedWaveAndReportsItsLengthInMilliseconds) {
  TTestWave wave("sorvane-port-length.wav", 750);
  ASSERT_EQ(OpenDevice(port_, "waveaudio", wave.Path().c_str(), id_), 0u);
  EXPECT_NE(id_, 0u);
  EXPECT_EQ(StatusOf(port_, id_, MCI_STATUS_LENGTH), (TMciAnswer{0, 750}));
  EXPECT_EQ(StatusOf(port_, id_, MCI_STATUS_MODE), (TMciAnswer{0, MCI_MODE_STOP}));
  EXPECT_EQ(CapabilityOf(port_, id_, MCI_GETDEVCAPS_DEVICE_TYPE),
            (TMciAnswer{0, MCI_DEVTYPE_WAVEFORM_AUDIO}));
}

TEST_F(WinmmPortTest, PlayWithNotifyPostsTheCompletionNoticeToTheWindow) {
  TTestWave wave("sorvane-port-notice.wav", 300);
  TNoticeWindow window;
  ASSERT_EQ(OpenDevice(port_, nullptr, wave.Path().c_str(), id_), 0u);
  ASSERT_EQ(PlayDevice(port_, id_, MCI_NOTIFY, 0, 0, window.Callback()), 0u);
  ASSERT_TRUE(PumpThreadUntil([&] { return !window.Received().empty(); }, kNoticeDeadlineMs));
  EXPECT_EQ(window.Received()[0].code, WPARAM{MCI_NOTIFY_SUCCESSFUL});
  EXPECT_EQ(window.Received()[0].device, static_cast<LPARAM>(id_));
  EXPECT_EQ(StatusOf(port_, id_, MCI_STATUS_MODE), (TMciAnswer{0, MCI_MODE_STOP}));
  EXPECT_EQ(StatusOf(port_, id_, MCI_STATUS_POSITION), (TMciAnswer{0, 300}));
}

TEST_F(WinmmPortTest, AMissingFileIsRefusedWithATextOfThePlatform) {
  TTestWave wave("sorvane-port-gone.wav", 100);
  String missing = wave.Path() + ".missing.wav";
  MCIERROR error = OpenDevice(port_, nullptr, missing.c_str(), id_);
  id_ = 0;
  EXPECT_EQ(error, MCIERROR{MCIERR_FILE_NOT_FOUND});
  char text[4096] = "";
  ASSERT_TRUE(port_.ErrorString(error, text, sizeof text));
  EXPECT_STRNE(text, "");
  EXPECT_FALSE(port_.ErrorString(99999, text, sizeof text));
}

// One fixed sequence of requests on a wave file; the answers that do not depend on timing.
std::vector<TMciAnswer> WaveTrace(TMciPort& port, const String& path) {
  std::vector<TMciAnswer> answers;
  auto note = [&](MCIERROR error) { answers.push_back({error, 0}); };
  MCIDEVICEID id = 0;
  note(OpenDevice(port, "waveaudio", path.c_str(), id));
  for (DWORD item : std::initializer_list<DWORD>{MCI_STATUS_LENGTH, MCI_STATUS_POSITION,
                                                 MCI_STATUS_NUMBER_OF_TRACKS, MCI_STATUS_MODE,
                                                 MCI_STATUS_MEDIA_PRESENT, MCI_STATUS_TIME_FORMAT,
                                                 MCI_STATUS_READY, MCI_STATUS_CURRENT_TRACK})
    answers.push_back(StatusOf(port, id, item));
  answers.push_back(StatusOf(port, id, MCI_STATUS_LENGTH, MCI_TRACK, 1));
  for (DWORD item = MCI_GETDEVCAPS_CAN_RECORD; item <= MCI_GETDEVCAPS_CAN_SAVE; ++item)
    answers.push_back(CapabilityOf(port, id, item));
  MCI_DGV_RECT_PARMS where{};
  note(port.Send(id, MCI_WHERE, MCI_DGV_WHERE_SOURCE, where));
  MCI_DGV_WINDOW_PARMSA window{};
  note(port.Send(id, MCI_WINDOW, MCI_WAIT | MCI_DGV_WINDOW_HWND, window));
  MCI_DGV_STEP_PARMS step{0, 1};
  note(port.Send(id, MCI_STEP, MCI_WAIT | MCI_DGV_STEP_FRAMES, step));
  MCI_SET_PARMS door{};
  note(port.Send(id, MCI_SET, MCI_WAIT | MCI_SET_DOOR_OPEN, door));
  note(SetTimeFormat(port, id, MCI_FORMAT_SAMPLES));
  answers.push_back(StatusOf(port, id, MCI_STATUS_LENGTH));
  note(SeekDevice(port, id, MCI_TO, 1600));
  answers.push_back(StatusOf(port, id, MCI_STATUS_POSITION));
  note(SetTimeFormat(port, id, MCI_FORMAT_BYTES));
  answers.push_back(StatusOf(port, id, MCI_STATUS_POSITION));
  note(SetTimeFormat(port, id, MCI_FORMAT_FRAMES));
  note(SetTimeFormat(port, id, MCI_FORMAT_MILLISECONDS));
  answers.push_back(StatusOf(port, id, MCI_STATUS_POSITION));
  note(SeekDevice(port, id, MCI_TO, 600));
  note(SeekDevice(port, id, MCI_SEEK_TO_START | MCI_SEEK_TO_END));
  note(SeekDevice(port, id, 0));
  note(SeekDevice(port, id, MCI_SEEK_TO_END));
  answers.push_back(StatusOf(port, id, MCI_STATUS_POSITION));
  note(PlayDevice(port, id, MCI_FROM, 600));
  note(PlayDevice(port, id, MCI_FROM | MCI_TO, 300, 100));
  note(Command(port, id, MCI_PAUSE, MCI_WAIT));
  note(Command(port, id, MCI_RESUME, MCI_WAIT));
  note(PlayDevice(port, id, MCI_FROM, 0));
  answers.push_back(StatusOf(port, id, MCI_STATUS_MODE));
  note(Command(port, id, MCI_STOP, MCI_WAIT));
  answers.push_back(StatusOf(port, id, MCI_STATUS_MODE));
  TMciAnswer position = StatusOf(port, id, MCI_STATUS_POSITION);
  answers.push_back({position.error, position.value <= 500});
  note(Command(port, id, MCI_CLOSE, MCI_WAIT));
  answers.push_back(StatusOf(port, id, MCI_STATUS_MODE));
  note(Command(port, id, MCI_CLOSE, MCI_WAIT));
  String missing = path + ".missing.wav";
  note(OpenDevice(port, nullptr, missing.c_str(), id));
  note(OpenDevice(port, nullptr, "", id));
  note(OpenDevice(port, nullptr, "C:\\song.xyz", id));
  note(OpenDevice(port, "DAT", nullptr, id));
  note(OpenDevice(port, nullptr, nullptr, id));
  return answers;
}

TEST(MciStandInFidelity, AnswersAWaveSequenceAsTheRealDeviceDoes) {
  TTestWave wave("sorvane-fidelity.wav", 500);
  TWinmmPort real;
  std::vector<TMciAnswer> expected = WaveTrace(real, wave.Path());

  TMciStandIn standIn;
  TSimulatedMedia media = WaveMedia(500);
  media.samplesPerSecond = 8000;
  media.blockAlign = 1;
  standIn.AddFile(wave.Path(), media);
  std::vector<TMciAnswer> simulated = WaveTrace(standIn, wave.Path());

  ASSERT_EQ(simulated.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(simulated[i].error, expected[i].error) << "answer " << i;
    EXPECT_EQ(simulated[i].value, expected[i].value) << "answer " << i;
  }
}

TEST(MciStandInFidelity, GivesThePlatformsErrorTexts) {
  TMciStandIn standIn;
  TWinmmPort real;
  for (MCIERROR error : std::initializer_list<MCIERROR>{MCIERR_FILE_NOT_FOUND, MCIERR_HARDWARE,
                                                        MCIERR_INVALID_DEVICE_ID}) {
    char expected[512] = "";
    char simulated[512] = "";
    ASSERT_TRUE(real.ErrorString(error, expected, sizeof expected));
    ASSERT_TRUE(standIn.ErrorString(error, simulated, sizeof simulated));
    EXPECT_STREQ(simulated, expected);
  }
  standIn.SetErrorTextsAvailable(false);
  char text[512];
  EXPECT_FALSE(standIn.ErrorString(MCIERR_FILE_NOT_FOUND, text, sizeof text));
}

} // namespace
