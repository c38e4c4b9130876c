// The stand-in's devices in time: the test clock, completion notices, CD tracks in TMSF,
// video frames and rectangles, recording.
#include "MciRequests.h"
#include "NoticeWindow.h"
#include "TMciStandIn.h"

#include <digitalv.h>
#include <gtest/gtest.h>

namespace {

using Codes = std::vector<WPARAM>;

class MciStandInPlaybackTest : public testing::Test {
protected:
  MCIDEVICEID Open(const char* type, const char* element) {
    MCIDEVICEID id = 0;
    EXPECT_EQ(OpenDevice(standIn_, type, element, id), 0u);
    return id;
  }

  TMciAnswer Position(MCIDEVICEID id) { return StatusOf(standIn_, id, MCI_STATUS_POSITION); }
  DWORD_PTR Mode(MCIDEVICEID id) { return StatusOf(standIn_, id, MCI_STATUS_MODE).value; }

  // The notices the window received, once the queue is handled.
  Codes Received() {
    PumpThreadPending();
    Codes codes;
    for (const TReceivedNotice& notice : window_.Received())
      codes.push_back(notice.code);
    return codes;
  }

  TMciStandIn standIn_;
  TNoticeWindow window_;
};

TEST_F(MciStandInPlaybackTest, APlayMovesOnTheTestClockAndIsNotifiedAtItsEnd) {
  standIn_.AddFile("C:\\a.wav", WaveMedia(1500));
  MCIDEVICEID id = Open(nullptr, "C:\\a.wav");
  ASSERT_EQ(PlayDevice(standIn_, id, MCI_NOTIFY, 0, 0, window_.Callback()), 0u);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_PLAY});
  EXPECT_EQ(Position(id), (TMciAnswer{0, 0}));
  standIn_.Advance(400);
  EXPECT_EQ(Position(id), (TMciAnswer{0, 400}));
  EXPECT_EQ(Received(), Codes{});
  standIn_.Advance(5000);
  EXPECT_EQ(Position(id), (TMciAnswer{0, 1500}));
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_STOP});
  EXPECT_EQ(Received(), Codes{MCI_NOTIFY_SUCCESSFUL});
  EXPECT_EQ(window_.Received()[0].device, static_cast<LPARAM>(id));

  // At the end a play has nothing left to play: it ends at once.
  PlayDevice(standIn_, id, MCI_NOTIFY, 0, 0, window_.Callback());
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_STOP});
  EXPECT_EQ(Received(), (Codes{MCI_NOTIFY_SUCCESSFUL, MCI_NOTIFY_SUCCESSFUL}));
}

TEST_F(MciStandInPlaybackTest, AnInterruptedPlayIsAbortedAndAnotherNotifyingRequestSupersedesIt) {
  standIn_.AddFile("C:\\a.wav", WaveMedia(2000));
  MCIDEVICEID id = Open(nullptr, "C:\\a.wav");
  DWORD_PTR callback = window_.Callback();
  PlayDevice(standIn_, id, MCI_NOTIFY, 0, 0, callback);
  // A refused command interrupts nothing.
  MCI_SET_PARMS door{};
  EXPECT_EQ(standIn_.Send(id, MCI_SET, MCI_WAIT | MCI_SET_DOOR_OPEN, door),
            MCIERROR{MCIERR_UNSUPPORTED_FUNCTION});
  EXPECT_EQ(SeekDevice(standIn_, id, MCI_TO, 2001), MCIERROR{MCIERR_OUTOFRANGE});
  EXPECT_EQ(Received(), Codes{});
  Command(standIn_, id, MCI_STOP, MCI_WAIT | MCI_NOTIFY, callback);
  EXPECT_EQ(Received(), (Codes{MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUCCESSFUL}));

  PlayDevice(standIn_, id, MCI_NOTIFY | MCI_FROM, 0, 0, callback);
  PlayDevice(standIn_, id, MCI_NOTIFY | MCI_FROM, 100, 0, callback);
  EXPECT_EQ(Received().back(), WPARAM{MCI_NOTIFY_ABORTED});

  MCI_STATUS_PARMS status{callback, 0, MCI_STATUS_MODE, 0};
  standIn_.Send(id, MCI_STATUS, MCI_NOTIFY | MCI_STATUS_ITEM, status);
  standIn_.Advance(3000);
  EXPECT_EQ(Received(), (Codes{MCI_NOTIFY_ABORTED, MCI_NOTIFY_SUCCESSFUL, MCI_NOTIFY_ABORTED,
                               MCI_NOTIFY_SUPERSEDED, MCI_NOTIFY_SUCCESSFUL}));
  EXPECT_EQ(standIn_.Notices().size(), 5u);
}

TEST_F(MciStandInPlaybackTest, PauseHoldsThePositionAndResumeGoesOn) {
  standIn_.AddFile("C:\\a.wav", WaveMedia(2000));
  MCIDEVICEID id = Open(nullptr, "C:\\a.wav");
  EXPECT_EQ(Command(standIn_, id, MCI_PAUSE, MCI_WAIT), MCIERROR{MCIERR_NONAPPLICABLE_FUNCTION});
  PlayDevice(standIn_, id, MCI_NOTIFY, 0, 0, window_.Callback());
  standIn_.Advance(300);
  ASSERT_EQ(Command(standIn_, id, MCI_PAUSE, MCI_WAIT), 0u);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_PAUSE});
  standIn_.Advance(1000);
  EXPECT_EQ(Position(id), (TMciAnswer{0, 300}));
  ASSERT_EQ(Command(standIn_, id, MCI_RESUME, MCI_WAIT), 0u);
  standIn_.Advance(200);
  EXPECT_EQ(Position(id), (TMciAnswer{0, 500}));
  EXPECT_EQ(Received(), Codes{});
  standIn_.Advance(1500);
  EXPECT_EQ(Received(), Codes{MCI_NOTIFY_SUCCESSFUL});
}

TEST_F(MciStandInPlaybackTest, AWaitingPlayReturnsAtItsEndAndTheClockMovesOnMeanwhile) {
  standIn_.AddFile("C:\\a.wav", WaveMedia(2000));
  standIn_.AddFile("C:\\b.wav", WaveMedia(500));
  MCIDEVICEID a = Open(nullptr, "C:\\a.wav");
  MCIDEVICEID b = Open(nullptr, "C:\\b.wav");
  PlayDevice(standIn_, b, MCI_NOTIFY, 0, 0, window_.Callback());
  ASSERT_EQ(PlayDevice(standIn_, a, MCI_WAIT | MCI_NOTIFY | MCI_FROM | MCI_TO, 500, 1500,
                       window_.Callback()),
            0u);
  EXPECT_EQ(standIn_.Now(), 1000u);
  EXPECT_EQ(Position(a), (TMciAnswer{0, 1500}));
  EXPECT_EQ(Mode(b), DWORD_PTR{MCI_MODE_STOP});
  ASSERT_EQ(standIn_.Notices().size(), 2u);
  EXPECT_EQ(standIn_.Notices()[0].device, b);
  EXPECT_EQ(standIn_.Notices()[1].device, a);
}

TEST_F(MciStandInPlaybackTest, ABreakdownEndsThePlayWithAFailureNotice) {
  standIn_.AddFile("C:\\a.wav");
  MCIDEVICEID id = Open(nullptr, "C:\\a.wav");
  PlayDevice(standIn_, id, MCI_NOTIFY, 0, 0, window_.Callback());
  standIn_.Advance(250);
  standIn_.BreakDown(id);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_STOP});
  EXPECT_EQ(Position(id), (TMciAnswer{0, 250}));
  EXPECT_EQ(Received(), Codes{MCI_NOTIFY_FAILURE});
  standIn_.ForceMode(id, MCI_MODE_NOT_READY);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_NOT_READY});
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_READY), (TMciAnswer{0, FALSE}));
  standIn_.ReleaseMode(id);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_STOP});
}

TEST_F(MciStandInPlaybackTest, TheCdDriveCountsInTracksWithTmsf) {
  standIn_.SetDisc({60000, 90000, 120000});
  MCIDEVICEID id = Open("CDAudio", nullptr);
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_TIME_FORMAT), (TMciAnswer{0, MCI_FORMAT_MSF}));
  ASSERT_EQ(SetTimeFormat(standIn_, id, MCI_FORMAT_TMSF), 0u);
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_NUMBER_OF_TRACKS), (TMciAnswer{0, 3}));
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_POSITION, MCI_TRACK, 3),
            (TMciAnswer{0, MCI_MAKE_TMSF(3, 0, 0, 0)}));
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_POSITION, MCI_TRACK, 4).error,
            MCIERROR{MCIERR_OUTOFRANGE});
  // Lengths have no track: they come in MSF.
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_LENGTH), (TMciAnswer{0, MCI_MAKE_MSF(4, 30, 0)}));
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_LENGTH, MCI_TRACK, 2),
            (TMciAnswer{0, MCI_MAKE_MSF(1, 30, 0)}));

  PlayDevice(standIn_, id, MCI_FROM, MCI_MAKE_TMSF(2, 1, 29, 0));
  standIn_.Advance(1500);
  EXPECT_EQ(Position(id), (TMciAnswer{0, MCI_MAKE_TMSF(3, 0, 0, 37)}));
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_CURRENT_TRACK), (TMciAnswer{0, 3}));
  EXPECT_EQ(SeekDevice(standIn_, id, MCI_TO, MCI_MAKE_TMSF(4, 0, 0, 0)),
            MCIERROR{MCIERR_OUTOFRANGE});
  EXPECT_EQ(Command(standIn_, id, MCI_RESUME, MCI_WAIT), MCIERROR{MCIERR_UNSUPPORTED_FUNCTION});
}

TEST_F(MciStandInPlaybackTest, TheCdDoorAndAnEmptyDrive) {
  MCIDEVICEID id = Open("cdaudio", nullptr);
  MCI_SET_PARMS door{};
  ASSERT_EQ(standIn_.Send(id, MCI_SET, MCI_WAIT | MCI_SET_DOOR_OPEN, door), 0u);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_OPEN});
  EXPECT_EQ(PlayDevice(standIn_, id, 0), MCIERROR{MCIERR_HARDWARE});
  ASSERT_EQ(standIn_.Send(id, MCI_SET, MCI_WAIT | MCI_SET_DOOR_CLOSED, door), 0u);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_STOP});
  Command(standIn_, id, MCI_CLOSE, MCI_WAIT);

  standIn_.SetDisc({});
  id = Open("cdaudio", nullptr);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_NOT_READY});
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_MEDIA_PRESENT), (TMciAnswer{0, FALSE}));
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_LENGTH).error, MCIERROR{MCIERR_HARDWARE});
}

TEST_F(MciStandInPlaybackTest, AnAviStepsInFramesAndPlacesItsPicture) {
  standIn_.AddFile("C:\\v.avi");
  MCIDEVICEID id = Open(nullptr, "C:\\v.avi");
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_LENGTH), (TMciAnswer{0, 20}));
  MCI_DGV_STEP_PARMS step{0, 3};
  ASSERT_EQ(standIn_.Send(id, MCI_STEP, MCI_WAIT | MCI_DGV_STEP_FRAMES, step), 0u);
  step.dwFrames = 1;
  ASSERT_EQ(
      standIn_.Send(id, MCI_STEP, MCI_WAIT | MCI_DGV_STEP_FRAMES | MCI_DGV_STEP_REVERSE, step), 0u);
  EXPECT_EQ(Position(id), (TMciAnswer{0, 2}));
  step.dwFrames = 100;
  EXPECT_EQ(standIn_.Send(id, MCI_STEP, MCI_WAIT | MCI_DGV_STEP_FRAMES, step),
            MCIERROR{MCIERR_OUTOFRANGE});
  SetTimeFormat(standIn_, id, MCI_FORMAT_MILLISECONDS);
  EXPECT_EQ(Position(id), (TMciAnswer{0, 200}));

  MCI_DGV_RECT_PARMS rect{0, {10, 20, 160, 120}};
  ASSERT_EQ(standIn_.Send(id, MCI_PUT, MCI_WAIT | MCI_DGV_PUT_DESTINATION | MCI_DGV_RECT, rect),
            0u);
  MCI_DGV_RECT_PARMS where{};
  ASSERT_EQ(standIn_.Send(id, MCI_WHERE, MCI_DGV_WHERE_DESTINATION, where), 0u);
  EXPECT_EQ(where.rc.left, 10);
  EXPECT_EQ(where.rc.bottom, 120);
  ASSERT_EQ(standIn_.Send(id, MCI_WHERE, MCI_DGV_WHERE_SOURCE, where), 0u);
  EXPECT_EQ(where.rc.right, 320);

  MCI_DGV_WINDOW_PARMSA window{0, window_.Handle(), 0, nullptr};
  ASSERT_EQ(standIn_.Send(id, MCI_WINDOW, MCI_WAIT | MCI_DGV_WINDOW_HWND, window), 0u);
  EXPECT_EQ(standIn_.Device(id)->Window(), window_.Handle());
  window.hWnd = nullptr;
  ASSERT_EQ(standIn_.Send(id, MCI_WINDOW, MCI_WAIT | MCI_DGV_WINDOW_HWND, window), 0u);
  EXPECT_EQ(standIn_.Device(id)->Window(), nullptr);
}

TEST_F(MciStandInPlaybackTest, PictureCommandsNeedAPicture) {
  standIn_.AddFile("C:\\a.wav");
  standIn_.AddFile("C:\\t.mp3");
  MCIDEVICEID wave = Open(nullptr, "C:\\a.wav");
  MCIDEVICEID mp3 = Open(nullptr, "C:\\t.mp3");
  MCI_DGV_RECT_PARMS where{};
  EXPECT_EQ(standIn_.Send(wave, MCI_WHERE, MCI_DGV_WHERE_SOURCE, where),
            MCIERROR{MCIERR_UNRECOGNIZED_COMMAND});
  EXPECT_EQ(standIn_.Send(mp3, MCI_WHERE, MCI_DGV_WHERE_DESTINATION, where),
            MCIERROR{MCIERR_NO_WINDOW});
  MCI_DGV_STEP_PARMS step{0, 1};
  EXPECT_EQ(standIn_.Send(mp3, MCI_STEP, MCI_WAIT | MCI_DGV_STEP_FRAMES, step),
            MCIERROR{MCIERR_UNRECOGNIZED_COMMAND});
}

TEST_F(MciStandInPlaybackTest, TheWaveDeviceRecordsAndSavesAFileThatThenOpens) {
  MCIDEVICEID id = Open("waveaudio", nullptr);
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_LENGTH), (TMciAnswer{0, 0}));
  MCI_RECORD_PARMS record{window_.Callback(), 0, 0};
  ASSERT_EQ(standIn_.Send(id, MCI_RECORD, MCI_NOTIFY, record), 0u);
  standIn_.Advance(1200);
  EXPECT_EQ(Mode(id), DWORD_PTR{MCI_MODE_RECORD});
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_LENGTH), (TMciAnswer{0, 1200}));
  Command(standIn_, id, MCI_STOP, MCI_WAIT);
  MCI_SAVE_PARMSA save{0, "C:\\new.wav"};
  ASSERT_EQ(standIn_.Send(id, MCI_SAVE, MCI_WAIT | MCI_SAVE_FILE, save), 0u);
  ASSERT_NE(standIn_.File("C:\\NEW.WAV"), nullptr);
  EXPECT_EQ(standIn_.File("C:\\new.wav")->LengthMs(), 1200u);
  EXPECT_EQ(Received(), Codes{MCI_NOTIFY_ABORTED});

  MCIDEVICEID saved = Open(nullptr, "C:\\new.wav");
  EXPECT_EQ(StatusOf(standIn_, saved, MCI_STATUS_LENGTH), (TMciAnswer{0, 1200}));
}

} // namespace
