#include "ApplicationPump.h"
#include "PlayerFixture.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>

// The player with the platform's own media devices, on the generated sample files: the time
// window's clock moves while audio plays, and a video's window takes the size of its picture.

namespace {

class RealMedia : public PlayerTest {
protected:
  RealMedia() { realDevices = true; }

  // The sample's path as Windows names it: the build machine's root is drive Z.
  static String Sample(const char* name) {
    String path = "Z:" SORVANE_SAMPLES "/";
    path += name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
  }

  // Plays the sample and waits until the time window shows a time past 0:00.
  void ExpectTimeAdvances(const char* name) {
    DropFiles(Form1->Handle(), {Sample(name)});
    ASSERT_EQ(Form2->EntryCount, 1);
    Click(*Form1->START);
    ASSERT_TRUE(Form5->Visible());
    EXPECT_GT(Form5->ScrollBar1->Max(), 1000);
    EXPECT_TRUE(PumpUntil([] { return Form5->Label1->Caption() == "0:01"; }, 20000))
        << Form5->Label1->Caption();
    EXPECT_GT(Form5->ScrollBar1->Position(), 900);
    Click(*Form1->STOP);
  }
};

} // namespace

TEST_F(RealMedia, WaveShowsTheTimeAdvancing) { ExpectTimeAdvances("tone440.wav"); }

TEST_F(RealMedia, Mp3ShowsTheTimeAdvancing) { ExpectTimeAdvances("melody.mp3"); }

TEST_F(RealMedia, AviSizesTheDisplayWindowToItsPicture) {
  DropFiles(Form1->Handle(), {Sample("picture.avi")});
  Click(*Form1->START);
  ASSERT_TRUE(Form3->Visible());
  EXPECT_EQ(Form3->ClientWidth(), 320);
  EXPECT_EQ(Form3->ClientHeight(), 240 + Form3->ScrollBar1->Height());
  EXPECT_EQ(Form3->Panel1->Width(), 320);
  EXPECT_EQ(Form3->Panel1->Height(), 240);
  EXPECT_TRUE(PumpUntil([] { return Form3->ScrollBar1->Position() > 0; }, 20000));
  Click(*Form1->STOP);
}
