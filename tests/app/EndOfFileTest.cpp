#include "PlayerFixture.h"
#include "UserInput.h"

#include <gtest/gtest.h>

// What happens at the end of a file, for every setting of continuous play and repeat and for
// lists of one and of several entries.

namespace {

struct EndCase {
  bool continuous;
  bool repeat;
  int entries;
  // The entry playing after the end, or -1 when the player stays at the end.
  int next;
};

void PrintTo(const EndCase& c, std::ostream* out) {
  *out << "continuous " << c.continuous << ", repeat " << c.repeat << ", " << c.entries
       << " entries";
}

class EndOfFile : public PlayerTest, public ::testing::WithParamInterface<EndCase> {};

} // namespace

TEST_P(EndOfFile, FollowsTheOptions) {
  const EndCase& c = GetParam();
  const char* paths[] = {"C:\\m\\a.wav", "C:\\m\\b.wav", "C:\\m\\c.wav"};
  for (int i = 0; i < c.entries; ++i) {
    ListFiles({paths[i]});
  }
  if (c.continuous) {
    Choose(Form1->Handle(), *Form1->renzoku);
  }
  if (c.repeat) {
    Choose(Form1->Handle(), *Form1->repeat);
  }
  Click(*Form1->START);
  const std::size_t opensBefore = Opened().size();
  media.Advance(2000);
  ASSERT_TRUE(WaitTicks(3));

  const TSimulatedDevice* device = media.Device(Form1->MediaPlayer1->DeviceID());
  ASSERT_NE(device, nullptr);
  if (c.next < 0) {
    EXPECT_EQ(Opened().size(), opensBefore);
    EXPECT_EQ(device->Transport(), TSimulatedDevice::TTransport::Stopped);
    EXPECT_EQ(device->PositionMs(media.Now()), 2000u);
    EXPECT_EQ(Form5->Label1->Caption(), "0:02");
  } else {
    EXPECT_EQ(Opened().size(), opensBefore + 1);
    EXPECT_EQ(Form1->CurrentIndex, c.next);
    EXPECT_EQ(device->Alias(), paths[c.next]);
    EXPECT_EQ(device->Transport(), TSimulatedDevice::TTransport::Playing);
    EXPECT_EQ(device->PositionMs(media.Now()), 0u);
  }
  EXPECT_TRUE(Form1->Timer1->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Options, EndOfFile,
                         ::testing::Values(EndCase{false, false, 1, -1},
                                           EndCase{false, false, 3, -1}, EndCase{true, false, 3, 1},
                                           EndCase{true, false, 1, -1}, EndCase{false, true, 1, 0},
                                           EndCase{false, true, 3, 0}, EndCase{true, true, 3, 1},
                                           EndCase{true, true, 1, 0}));

TEST_F(PlayerTest, ContinuousPlayGoesFromTheLastEntryToTheFirst) {
  ListFiles({"C:\\m\\a.wav", "C:\\m\\b.wav"});
  Choose(Form1->Handle(), *Form1->renzoku);
  Click(*Form1->Prev);
  ASSERT_EQ(Form1->CurrentIndex, 1);
  media.Advance(2000);
  ASSERT_TRUE(WaitTicks(2));
  EXPECT_EQ(Form1->CurrentIndex, 0);
  EXPECT_EQ(OpenNow(), "C:\\m\\a.wav");
}
