// The stand-in's protocol side: what it logs, which opens it accepts, its fault switch.
#include "MciRequests.h"
#include "TMciStandIn.h"

#include <digitalv.h>
#include <gtest/gtest.h>

namespace {

class MciStandInTest : public testing::Test {
protected:
  MciStandInTest() {
    standIn_.AddFile("C:\\Media\\song.wav");
    standIn_.AddFile("C:\\Media\\clip.avi");
    standIn_.AddFile("C:\\Media\\tune.mp3");
  }

  MCIDEVICEID OpenFile(const char* path) {
    MCIDEVICEID id = 0;
    EXPECT_EQ(OpenDevice(standIn_, nullptr, path, id), 0u) << path;
    return id;
  }

  TMciStandIn standIn_;
};

TEST_F(MciStandInTest, LogsTheOpenBlockAsSentTellingEmptyNamesFromNone) {
  char element[] = "C:\\Media\\song.wav";
  MCI_OPEN_PARMSA block{0x1234, 0, "WaveAudio", element, nullptr};
  ASSERT_EQ(standIn_.Send(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_TYPE | MCI_OPEN_ELEMENT, block), 0u);
  element[0] = 'X'; // the log keeps the name as it was sent
  MCIDEVICEID id = 0;
  OpenDevice(standIn_, nullptr, "", id, MCI_WAIT | MCI_OPEN_SHAREABLE);

  ASSERT_EQ(standIn_.Log().size(), 2u);
  const TMciCall& typed = standIn_.Log()[0];
  EXPECT_EQ(typed.message, UINT{MCI_OPEN});
  EXPECT_EQ(typed.flags, DWORD_PTR{MCI_WAIT | MCI_OPEN_TYPE | MCI_OPEN_ELEMENT});
  EXPECT_EQ(typed.callback, DWORD_PTR{0x1234});
  EXPECT_EQ(typed.deviceType, String("WaveAudio"));
  EXPECT_EQ(typed.element, String("C:\\Media\\song.wav"));
  EXPECT_FALSE(typed.alias.has_value());
  EXPECT_EQ(typed.openedDevice, block.wDeviceID);
  EXPECT_EQ(typed.result, 0u);

  const TMciCall& empty = standIn_.Log()[1];
  EXPECT_TRUE(empty.Has(MCI_OPEN_SHAREABLE));
  EXPECT_EQ(empty.element, String(""));
  EXPECT_FALSE(empty.deviceType.has_value());
  EXPECT_EQ(empty.result, MCIERROR{MCIERR_EXTENSION_NOT_FOUND});
}

TEST_F(MciStandInTest, LogsTheFieldsOfEachCommandAndTheAnswers) {
  MCIDEVICEID id = OpenFile("C:\\Media\\clip.avi");
  standIn_.ClearLog();
  PlayDevice(standIn_, id, MCI_NOTIFY | MCI_FROM | MCI_TO, 2, 15, 0x88);
  StatusOf(standIn_, id, MCI_STATUS_POSITION, MCI_TRACK, 1);
  MCI_DGV_STEP_PARMS step{0, 3};
  standIn_.Send(id, MCI_STEP, MCI_WAIT | MCI_DGV_STEP_FRAMES | MCI_DGV_STEP_REVERSE, step);
  MCI_DGV_WINDOW_PARMSA window{};
  standIn_.Send(id, MCI_WINDOW, MCI_WAIT | MCI_DGV_WINDOW_HWND, window);
  MCI_DGV_RECT_PARMS where{};
  standIn_.Send(id, MCI_WHERE, MCI_DGV_WHERE_DESTINATION, where);
  SetTimeFormat(standIn_, id, MCI_FORMAT_MILLISECONDS);

  const std::vector<TMciCall>& log = standIn_.Log();
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[0].message, UINT{MCI_PLAY});
  EXPECT_EQ(log[0].callback, DWORD_PTR{0x88});
  EXPECT_EQ(log[0].from, 2u);
  EXPECT_EQ(log[0].to, 15u);
  EXPECT_EQ(log[1].item, DWORD{MCI_STATUS_POSITION});
  EXPECT_EQ(log[1].track, 1u);
  EXPECT_TRUE(log[1].Has(MCI_TRACK));
  EXPECT_EQ(log[2].frames, 3u);
  EXPECT_TRUE(log[2].Has(MCI_DGV_STEP_REVERSE));
  EXPECT_EQ(log[3].window, nullptr);
  EXPECT_TRUE(log[3].Has(MCI_DGV_WINDOW_HWND));
  EXPECT_EQ(log[4].rect.right, 320);
  EXPECT_EQ(log[4].rect.bottom, 240);
  EXPECT_EQ(log[5].timeFormat, DWORD{MCI_FORMAT_MILLISECONDS});
  EXPECT_EQ(standIn_.CallsOf(MCI_STEP).size(), 1u);
}

TEST_F(MciStandInTest, ChoosesTheDeviceByExtensionAndRefusesWhatThePlatformRefuses) {
  MCIDEVICEID wave = OpenFile("c:\\media\\SONG.WAV");
  MCIDEVICEID avi = OpenFile("C:\\Media\\clip.avi");
  EXPECT_EQ(standIn_.Device(wave)->Kind(), TMciDeviceKind::WaveAudio);
  EXPECT_EQ(standIn_.Device(avi)->Kind(), TMciDeviceKind::AviVideo);
  EXPECT_EQ(CapabilityOf(standIn_, avi, MCI_GETDEVCAPS_DEVICE_TYPE),
            (TMciAnswer{0, MCI_DEVTYPE_DIGITAL_VIDEO}));

  MCIDEVICEID id = 0;
  EXPECT_EQ(OpenDevice(standIn_, nullptr, "C:\\Media\\other.wav", id),
            MCIERROR{MCIERR_FILE_NOT_FOUND});
  EXPECT_EQ(OpenDevice(standIn_, nullptr, "C:\\Media\\song.wav", id), MCIERROR{MCIERR_DEVICE_OPEN});
  EXPECT_EQ(OpenDevice(standIn_, "AVIVideo", "C:\\Media\\song.wav", id),
            MCIERROR{MCIERR_INVALID_FILE});
  EXPECT_EQ(OpenDevice(standIn_, "Videodisc", nullptr, id), MCIERROR{MCIERR_DEVICE_NOT_INSTALLED});
  EXPECT_EQ(standIn_.OpenDeviceCount(), 2u);

  // Ids are the lowest free ones, as the platform hands them out.
  Command(standIn_, wave, MCI_CLOSE, MCI_WAIT);
  EXPECT_EQ(OpenFile("C:\\Media\\tune.mp3"), wave);
  EXPECT_EQ(Command(standIn_, 77, MCI_STOP, MCI_WAIT), MCIERROR{MCIERR_INVALID_DEVICE_ID});
  EXPECT_EQ(Command(standIn_, MCI_ALL_DEVICE_ID, MCI_CLOSE, MCI_WAIT), 0u);
  EXPECT_EQ(standIn_.OpenDeviceCount(), 0u);
}

TEST_F(MciStandInTest, AnAliasMustBeNew) {
  MCI_OPEN_PARMSA first{0, 0, nullptr, "C:\\Media\\song.wav", "music"};
  ASSERT_EQ(standIn_.Send(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS, first), 0u);
  EXPECT_EQ(standIn_.Device(first.wDeviceID)->Alias(), "music");
  MCI_OPEN_PARMSA second{0, 0, nullptr, "C:\\Media\\clip.avi", "MUSIC"};
  EXPECT_EQ(standIn_.Send(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT | MCI_OPEN_ALIAS, second),
            MCIERROR{MCIERR_DUPLICATE_ALIAS});
  EXPECT_EQ(standIn_.Log().back().alias, String("MUSIC"));
}

TEST_F(MciStandInTest, FailsTheNextMatchingRequestOnceWithoutAnyEffect) {
  MCIDEVICEID id = OpenFile("C:\\Media\\song.wav");
  standIn_.FailNext(MCI_STATUS, MCI_STATUS_POSITION, MCIERR_HARDWARE);
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_MODE), (TMciAnswer{0, MCI_MODE_STOP}));
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_POSITION).error, MCIERROR{MCIERR_HARDWARE});
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_POSITION), (TMciAnswer{0, 0}));

  standIn_.FailNext(MCI_PLAY, MCIERR_DEVICE_NOT_READY);
  EXPECT_EQ(PlayDevice(standIn_, id, MCI_NOTIFY, 0, 0, 0x99), MCIERROR{MCIERR_DEVICE_NOT_READY});
  EXPECT_EQ(StatusOf(standIn_, id, MCI_STATUS_MODE), (TMciAnswer{0, MCI_MODE_STOP}));
  EXPECT_TRUE(standIn_.Notices().empty());
  EXPECT_EQ(standIn_.CallsOf(MCI_PLAY).back().result, MCIERROR{MCIERR_DEVICE_NOT_READY});
}

TEST_F(MciStandInTest, FailsEveryMatchingRequestUntilCleared) {
  standIn_.FailAlways(MCI_OPEN, MCIERR_CANNOT_LOAD_DRIVER);
  standIn_.FailAlways(MCI_GETDEVCAPS, MCI_GETDEVCAPS_HAS_VIDEO, 12345);
  MCIDEVICEID id = 0;
  for (int attempt = 0; attempt < 3; ++attempt)
    EXPECT_EQ(OpenDevice(standIn_, nullptr, "C:\\Media\\clip.avi", id),
              MCIERROR{MCIERR_CANNOT_LOAD_DRIVER});
  EXPECT_EQ(standIn_.OpenDeviceCount(), 0u);
  standIn_.FailNext(MCI_OPEN, MCIERR_INTERNAL); // the fault added last wins
  EXPECT_EQ(OpenDevice(standIn_, nullptr, "C:\\Media\\clip.avi", id), MCIERROR{MCIERR_INTERNAL});

  standIn_.ClearFailures();
  standIn_.FailAlways(MCI_GETDEVCAPS, MCI_GETDEVCAPS_HAS_VIDEO, 12345);
  id = OpenFile("C:\\Media\\clip.avi");
  EXPECT_EQ(CapabilityOf(standIn_, id, MCI_GETDEVCAPS_HAS_VIDEO).error, 12345u);
  EXPECT_EQ(CapabilityOf(standIn_, id, MCI_GETDEVCAPS_HAS_VIDEO).error, 12345u);
  EXPECT_EQ(CapabilityOf(standIn_, id, MCI_GETDEVCAPS_CAN_PLAY), (TMciAnswer{0, TRUE}));
}

TEST_F(MciStandInTest, AnswersCapabilitiesByDeviceKind) {
  MCIDEVICEID wave = OpenFile("C:\\Media\\song.wav");
  MCIDEVICEID mp3 = OpenFile("C:\\Media\\tune.mp3");
  MCIDEVICEID cd = 0;
  ASSERT_EQ(OpenDevice(standIn_, "CDAudio", nullptr, cd), 0u);
  struct Row {
    DWORD item;
    DWORD_PTR wave, mp3, cd;
  };
  for (Row row : {Row{MCI_GETDEVCAPS_CAN_PLAY, 1, 1, 1}, Row{MCI_GETDEVCAPS_CAN_RECORD, 1, 0, 0},
                  Row{MCI_GETDEVCAPS_CAN_EJECT, 0, 0, 1}, Row{MCI_GETDEVCAPS_HAS_VIDEO, 0, 1, 0},
                  Row{MCI_GETDEVCAPS_CAN_SAVE, 1, 0, 0}, Row{MCI_GETDEVCAPS_USES_FILES, 1, 1, 0},
                  Row{MCI_GETDEVCAPS_DEVICE_TYPE, MCI_DEVTYPE_WAVEFORM_AUDIO,
                      MCI_DEVTYPE_DIGITAL_VIDEO, MCI_DEVTYPE_CD_AUDIO}}) {
    EXPECT_EQ(CapabilityOf(standIn_, wave, row.item), (TMciAnswer{0, row.wave})) << row.item;
    EXPECT_EQ(CapabilityOf(standIn_, mp3, row.item), (TMciAnswer{0, row.mp3})) << row.item;
    EXPECT_EQ(CapabilityOf(standIn_, cd, row.item), (TMciAnswer{0, row.cd})) << row.item;
  }
  EXPECT_EQ(CapabilityOf(standIn_, wave, 77).error, MCIERROR{MCIERR_UNRECOGNIZED_COMMAND});
}

} // namespace
