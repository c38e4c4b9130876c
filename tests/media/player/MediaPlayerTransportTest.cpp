// The transport commands and status values: guards, flags, block fields, the rewind rule,
// CD track arithmetic, and every refusal of the device.
#include "Messages.h"
#include "PlayerFixture.h"

#include <digitalv.h>

#include <functional>

namespace {

using MediaPlayerTransport = PlayerFixture;
using MediaPlayerCd = PlayerFixture;
using MediaPlayerStatus = PlayerFixture;
using MediaPlayerFaults = PlayerFixture;

constexpr DWORD Tmsf(int track, int minute, int second, int frame) {
  return static_cast<DWORD>(MCI_MAKE_TMSF(track, minute, second, frame));
}

TEST_F(MediaPlayerTransport, PlayAtTheEndRewindsFirstAndPlaysWithNotify) {
  OpenFile("C:\\media\\song.wav");
  player->SetPosition(2000);
  standIn.ClearLog();
  player->Play();
  auto seeks = Calls(MCI_SEEK);
  ASSERT_EQ(seeks.size(), 1u);
  EXPECT_EQ(seeks[0].flags, DWORD_PTR{MCI_WAIT | MCI_SEEK_TO_START});
  auto plays = Calls(MCI_PLAY);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].flags, DWORD_PTR{MCI_NOTIFY});
  EXPECT_EQ(plays[0].callback, PlayerCallback());
  EXPECT_EQ(player->Mode(), mmPlay);
  EXPECT_EQ(player->Position(), 0);
}

TEST_F(MediaPlayerTransport, PlayWithFromAtTheEndPlaysFromThereAndForgetsFromAfterwards) {
  OpenFile("C:\\media\\song.wav");
  player->SetPosition(2000);
  player->SetFrom(500);
  standIn.ClearLog();
  player->Play();
  EXPECT_TRUE(Calls(MCI_SEEK).empty());
  player->Stop();
  player->Play();
  auto plays = Calls(MCI_PLAY);
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].flags, DWORD_PTR{MCI_NOTIFY | MCI_FROM});
  EXPECT_EQ(plays[0].from, 500u);
  EXPECT_EQ(plays[1].flags, DWORD_PTR{MCI_NOTIFY});
}

TEST_F(MediaPlayerTransport, RecordingTakesFromAndToAndNeverRewinds) {
  OpenFile("C:\\media\\song.wav");
  player->SetPosition(2000);
  player->SetTo(2500);
  standIn.ClearLog();
  player->StartRecording();
  EXPECT_TRUE(Calls(MCI_SEEK).empty());
  auto records = Calls(MCI_RECORD);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].flags, DWORD_PTR{MCI_NOTIFY | MCI_TO});
  EXPECT_EQ(records[0].to, 2500u);
  EXPECT_EQ(player->Mode(), mmRecord);
}

TEST_F(MediaPlayerTransport, PauseTogglesWhileItPlaysAndDoesNothingWhenStopped) {
  OpenFile("C:\\media\\song.wav");
  player->Play();
  player->Pause();
  EXPECT_EQ(player->Mode(), mmPause);
  player->Pause();
  EXPECT_EQ(player->Mode(), mmPlay);
  player->Stop();
  standIn.ClearLog();
  player->Pause();
  ASSERT_EQ(standIn.Log().size(), 1u);
  EXPECT_EQ(standIn.Log()[0].item, DWORD{MCI_STATUS_MODE});
  auto pauses = standIn.CallsOf(MCI_PAUSE);
  EXPECT_TRUE(pauses.empty());
}

TEST_F(MediaPlayerTransport, PauseAndResumeSendTheirFlags) {
  OpenFile("C:\\media\\song.wav");
  player->Play();
  player->Pause();
  player->Pause();
  auto pauses = Calls(MCI_PAUSE);
  ASSERT_EQ(pauses.size(), 1u);
  EXPECT_EQ(pauses[0].flags, DWORD_PTR{MCI_WAIT});
  auto resumes = Calls(MCI_RESUME);
  ASSERT_EQ(resumes.size(), 1u);
  EXPECT_EQ(resumes[0].flags, DWORD_PTR{MCI_NOTIFY});
  EXPECT_EQ(resumes[0].callback, PlayerCallback());
}

TEST_F(MediaPlayerTransport, ResumeRefusedPlaysInsteadWithTheGivenFlags) {
  OpenFile("C:\\media\\song.wav");
  standIn.FailNext(MCI_RESUME, MCIERR_UNSUPPORTED_FUNCTION);
  player->SetWait(false);
  player->SetNotify(false);
  player->Resume();
  auto resumes = Calls(MCI_RESUME);
  ASSERT_EQ(resumes.size(), 1u);
  EXPECT_EQ(resumes[0].flags, DWORD_PTR{0});
  auto plays = Calls(MCI_PLAY);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].flags, DWORD_PTR{0});
  EXPECT_EQ(player->Error(), 0u);
  player->Stop();
  EXPECT_EQ(Calls(MCI_STOP)[0].flags, DWORD_PTR{MCI_WAIT});
}

TEST_F(MediaPlayerTransport, NextAndPreviousSeekToTheEndsOutsideTmsf) {
  OpenFile("C:\\media\\song.wav");
  player->Next();
  EXPECT_EQ(player->Position(), 2000);
  player->Previous();
  EXPECT_EQ(player->Position(), 0);
  auto seeks = Calls(MCI_SEEK);
  ASSERT_EQ(seeks.size(), 2u);
  EXPECT_EQ(seeks[0].flags, DWORD_PTR{MCI_WAIT | MCI_SEEK_TO_END});
  EXPECT_EQ(seeks[1].flags, DWORD_PTR{MCI_WAIT | MCI_SEEK_TO_START});
}

TEST_F(MediaPlayerTransport, StepWithoutVideoSendsNothingAndKeepsError) {
  OpenFile("C:\\media\\song.wav");
  standIn.FailNext(MCI_STOP, MCIERR_HARDWARE);
  player->Stop();
  standIn.ClearLog();
  player->Step();
  player->Back();
  player->Eject();
  EXPECT_TRUE(standIn.Log().empty());
  EXPECT_EQ(player->Error(), MCIERROR{MCIERR_HARDWARE});
}

TEST_F(MediaPlayerTransport, StepAndBackMoveByFramesOnVideo) {
  OpenFile("C:\\media\\clip.avi");
  player->SetFrames(1);
  player->Step();
  player->Back();
  auto steps = Calls(MCI_STEP);
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].flags, DWORD_PTR{MCI_WAIT | MCI_DGV_STEP_FRAMES});
  EXPECT_EQ(steps[0].frames, 1u);
  EXPECT_EQ(steps[1].flags, DWORD_PTR{MCI_WAIT | MCI_DGV_STEP_FRAMES | MCI_DGV_STEP_REVERSE});
  EXPECT_EQ(player->Position(), 0);
}

TEST_F(MediaPlayerTransport, StepAtTheEndRewindsFirst) {
  OpenFile("C:\\media\\clip.avi");
  player->SetPosition(player->Length());
  standIn.ClearLog();
  player->Step();
  auto seeks = Calls(MCI_SEEK);
  ASSERT_EQ(seeks.size(), 1u);
  EXPECT_EQ(seeks[0].flags, DWORD_PTR{MCI_WAIT | MCI_SEEK_TO_START});
  EXPECT_EQ(player->Position(), player->Frames());
}

TEST_F(MediaPlayerTransport, RewindKeepsErrorAndTheOneShotMarkers) {
  OpenFile("C:\\media\\song.wav");
  standIn.FailNext(MCI_STOP, MCIERR_HARDWARE);
  player->Stop();
  player->SetWait(false);
  standIn.FailNext(MCI_SEEK, MCIERR_OUTOFRANGE);
  player->Rewind();
  EXPECT_EQ(player->Error(), MCIERROR{MCIERR_HARDWARE});
  player->Stop();
  EXPECT_EQ(Calls(MCI_STOP).back().flags, DWORD_PTR{0});
}

TEST_F(MediaPlayerTransport, PositionWriteSeeksWithTo) {
  OpenFile("C:\\media\\song.wav");
  player->SetPosition(750);
  auto seeks = Calls(MCI_SEEK);
  ASSERT_EQ(seeks.size(), 1u);
  EXPECT_EQ(seeks[0].flags, DWORD_PTR{MCI_WAIT | MCI_TO});
  EXPECT_EQ(seeks[0].to, 750u);
  EXPECT_EQ(player->Position(), 750);
}

TEST_F(MediaPlayerCd, NextWhilePlayingTrackThreePlaysFromTrackFour) {
  OpenFile("", dtCDAudio);
  player->SetPosition(static_cast<std::int32_t>(Tmsf(3, 0, 10, 0)));
  player->Play();
  standIn.ClearLog();
  player->Next();
  auto plays = Calls(MCI_PLAY);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].flags, DWORD_PTR{MCI_NOTIFY | MCI_FROM});
  EXPECT_EQ(plays[0].from, Tmsf(4, 0, 0, 0));
  EXPECT_TRUE(Calls(MCI_SEEK).empty());
}

TEST_F(MediaPlayerCd, NextOnTheLastTrackPlaysItFromItsStart) {
  OpenFile("", dtCDAudio);
  player->SetPosition(static_cast<std::int32_t>(Tmsf(10, 1, 0, 0)));
  player->Play();
  standIn.ClearLog();
  player->Next();
  auto plays = Calls(MCI_PLAY);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].from, Tmsf(10, 0, 0, 0));
}

TEST_F(MediaPlayerCd, NextWhileStoppedSeeksToTheNextTrack) {
  OpenFile("", dtCDAudio);
  player->SetPosition(static_cast<std::int32_t>(Tmsf(2, 0, 30, 0)));
  standIn.ClearLog();
  player->Next();
  auto seeks = Calls(MCI_SEEK);
  ASSERT_EQ(seeks.size(), 1u);
  EXPECT_EQ(seeks[0].flags, DWORD_PTR{MCI_WAIT | MCI_TO});
  EXPECT_EQ(seeks[0].to, Tmsf(3, 0, 0, 0));
}

TEST_F(MediaPlayerCd, PreviousFollowsTheOneSecondRule) {
  OpenFile("", dtCDAudio);
  const std::pair<DWORD, DWORD> cases[] = {
      {Tmsf(5, 0, 0, 37), Tmsf(4, 0, 0, 0)},
      {Tmsf(5, 0, 2, 0), Tmsf(5, 0, 0, 0)},
      {Tmsf(1, 0, 0, 37), Tmsf(1, 0, 0, 0)},
      {Tmsf(1, 0, 5, 0), Tmsf(1, 0, 0, 0)},
  };
  for (auto [from, expected] : cases) {
    player->SetPosition(static_cast<std::int32_t>(from));
    standIn.ClearLog();
    player->Previous();
    auto seeks = Calls(MCI_SEEK);
    ASSERT_EQ(seeks.size(), 1u);
    EXPECT_EQ(seeks[0].to, expected) << std::hex << from;
    EXPECT_EQ(static_cast<DWORD>(player->Position()), expected);
  }
}

TEST_F(MediaPlayerCd, PreviousWhilePlayingPlaysFromTheTarget) {
  OpenFile("", dtCDAudio);
  player->SetPosition(static_cast<std::int32_t>(Tmsf(5, 0, 0, 10)));
  player->Play();
  standIn.ClearLog();
  player->Previous();
  auto plays = Calls(MCI_PLAY);
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].from, Tmsf(4, 0, 0, 0));
}

TEST_F(MediaPlayerCd, EjectOpensTheDoor) {
  OpenFile("", dtCDAudio);
  player->Eject();
  auto sets = Calls(MCI_SET);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].flags, DWORD_PTR{MCI_WAIT | MCI_SET_DOOR_OPEN});
  EXPECT_EQ(player->Mode(), mmOpen);
}

TEST_F(MediaPlayerCd, TracksAndTrackPositionAskTheDisc) {
  OpenFile("", dtCDAudio);
  EXPECT_EQ(player->Tracks(), 10);
  standIn.FailNext(MCI_STOP, MCIERR_HARDWARE);
  player->Stop();
  EXPECT_EQ(static_cast<DWORD>(player->TrackPosition(7)), Tmsf(7, 0, 0, 0));
  const TMciCall& status = standIn.Log().back();
  EXPECT_EQ(status.flags, DWORD_PTR{MCI_WAIT | MCI_STATUS_ITEM | MCI_TRACK});
  EXPECT_EQ(status.item, DWORD{MCI_STATUS_POSITION});
  EXPECT_EQ(status.track, 7u);
  EXPECT_EQ(player->TrackPosition(99), 0);
  EXPECT_EQ(player->Error(), MCIERROR{MCIERR_HARDWARE});
}

TEST_F(MediaPlayerStatus, WithoutADeviceTheGuardedOnesRaiseAndSendNothing) {
  const std::function<void()> guarded[] = {
      [&] { player->Play(); },       [&] { player->StartRecording(); },
      [&] { player->Stop(); },       [&] { player->Pause(); },
      [&] { player->Resume(); },     [&] { player->Next(); },
      [&] { player->Previous(); },   [&] { player->Step(); },
      [&] { player->Back(); },       [&] { player->Eject(); },
      [&] { player->Rewind(); },     [&] { player->SetPosition(5); },
      [&] { player->Length(); },     [&] { player->Tracks(); },
      [&] { player->TimeFormat(); },
  };
  for (const auto& command : guarded) {
    try {
      command();
      ADD_FAILURE() << "no exception";
    } catch (const EMCIDeviceError& error) {
      EXPECT_EQ(error.Message(), "MCI デバイスがありません");
    }
  }
  EXPECT_TRUE(standIn.Log().empty());
}

TEST_F(MediaPlayerStatus, WithoutADevicePositionAndModeAskDeviceZeroAndRecordTheFailure) {
  EXPECT_EQ(player->Position(), 0);
  EXPECT_EQ(player->Error(), MCIERROR{MCIERR_INVALID_DEVICE_ID});
  EXPECT_EQ(player->Mode(), mmNotReady);
  ASSERT_EQ(standIn.Log().size(), 2u);
  EXPECT_EQ(standIn.Log()[0].device, 0u);
  EXPECT_EQ(standIn.Log()[0].flags, DWORD_PTR{MCI_WAIT | MCI_STATUS_ITEM});
  EXPECT_EQ(player->TrackPosition(1), 0);
}

TEST_F(MediaPlayerStatus, ModeMapsEveryMciModeAndAFailureNeverReadsAsPlaying) {
  OpenFile("C:\\media\\song.wav");
  for (DWORD mode = MCI_MODE_NOT_READY; mode <= MCI_MODE_OPEN; ++mode) {
    standIn.ForceMode(player->DeviceID(), mode);
    EXPECT_EQ(player->Mode(), static_cast<TMPMode>(mode - MCI_MODE_NOT_READY));
  }
  standIn.ForceMode(player->DeviceID(), MCI_MODE_PLAY);
  standIn.FailNext(MCI_STATUS, MCI_STATUS_MODE, MCIERR_HARDWARE);
  EXPECT_EQ(player->Mode(), mmNotReady);
  EXPECT_EQ(player->Error(), MCIERROR{MCIERR_HARDWARE});
}

TEST_F(MediaPlayerStatus, LengthAndPositionAreInTheDevicesTimeFormat) {
  OpenFile("C:\\media\\clip.avi");
  EXPECT_EQ(player->TimeFormat(), MCI_FORMAT_FRAMES);
  EXPECT_EQ(player->Length(), 20);
  EXPECT_EQ(player->Frames(), 2);
  player->SetWait(false);
  player->SetTimeFormat(MCI_FORMAT_MILLISECONDS);
  TMciCall set = Calls(MCI_SET).back();
  EXPECT_EQ(set.flags, DWORD_PTR{MCI_NOTIFY | MCI_SET_TIME_FORMAT});
  EXPECT_EQ(set.timeFormat, DWORD{MCI_FORMAT_MILLISECONDS});
  EXPECT_EQ(player->Length(), 2000);
  player->Stop();
  EXPECT_EQ(Calls(MCI_STOP).back().flags, DWORD_PTR{0});
}

// Every MCI error, for every command that reaches the device: the code lands in Error where
// the command records it, its text is readable, nothing is raised, and the control works on.
TEST_F(MediaPlayerFaults, EveryErrorOfEveryCommandLeavesTheControlUsable) {
  OpenFile("C:\\media\\clip.avi");
  struct Case {
    UINT message;
    std::function<void()> run;
  };
  const Case cases[] = {
      {MCI_PLAY, [&] { player->Play(); }},
      {MCI_RECORD, [&] { player->StartRecording(); }},
      {MCI_STOP, [&] { player->Stop(); }},
      {MCI_SEEK, [&] { player->Next(); }},
      {MCI_SEEK, [&] { player->Previous(); }},
      {MCI_SEEK, [&] { player->SetPosition(3); }},
      {MCI_STEP, [&] { player->Step(); }},
      {MCI_STEP, [&] { player->Back(); }},
      {MCI_STATUS, [&] { player->Position(); }},
      {MCI_STATUS, [&] { player->Length(); }},
      {MCI_STATUS, [&] { player->Tracks(); }},
      {MCI_STATUS, [&] { player->Mode(); }},
      {MCI_STATUS, [&] { player->TimeFormat(); }},
      {MCI_SET, [&] { player->SetTimeFormat(MCI_FORMAT_FRAMES); }},
      {MCI_WHERE, [&] { player->DisplayRect(); }},
      {MCI_CLOSE, [&] { player->Close(); }},
  };
  int failures = 0;
  for (MCIERROR error = MCIERR_BASE + 1; error <= MCIERR_CUSTOM_DRIVER_BASE; ++error) {
    for (const Case& c : cases) {
      standIn.FailNext(c.message, error);
      EXPECT_NO_THROW(c.run()) << c.message << " " << error;
      EXPECT_EQ(player->Error(), error) << c.message;
      EXPECT_FALSE(player->ErrorMessage().empty());
      standIn.ClearFailures();
      player->Stop();
      EXPECT_EQ(player->Error(), 0u);
      ++failures;
    }
    standIn.FailNext(MCI_PAUSE, error);
    player->Play();
    player->Pause();
    EXPECT_EQ(player->Error(), error);
    EXPECT_EQ(player->Mode(), mmPlay);
    player->Stop();
  }
  EXPECT_GT(failures, 1000);
  EXPECT_NE(player->DeviceID(), 0u);
}

TEST_F(MediaPlayerFaults, EveryRefusedOpenRaisesAndLeavesNoDevice) {
  for (MCIERROR error = MCIERR_BASE + 1; error <= MCIERR_CUSTOM_DRIVER_BASE; ++error) {
    standIn.FailNext(MCI_OPEN, error);
    player->SetFileName("C:\\media\\song.wav");
    EXPECT_THROW(player->Open(), EMCIDeviceError);
    EXPECT_EQ(player->Error(), error);
    EXPECT_EQ(player->DeviceID(), 0u);
  }
  EXPECT_EQ(standIn.OpenDeviceCount(), 0u);
  player->Open();
  EXPECT_NE(player->DeviceID(), 0u);
}

} // namespace
