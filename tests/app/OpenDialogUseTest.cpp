#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "DialogDriver.h"
#include "PlayerFixture.h"
#include "TApplication.h"
#include "TempFolder.h"
#include "UserInput.h"

#include <gtest/gtest.h>

// File > Open and File > Add to list with the real open dialog, worked from the keyboard.

namespace {

class MenuFiles : public PlayerTest {
protected:
  void SetUp() override {
    PlayerTest::SetUp();
    for (const char* name : {"one.wav", "two.mp3", "three.avi"}) {
      media.AddFile(folder.PathOf(name));
    }
    Form1->OpenDialog1->SetInitialDir(folder.Path());
  }

  // Chooses item and, in the dialog it runs, types names and presses Enter (or Escape when
  // there are none).
  void ChooseFiles(const TMenuItem& item, const String& names) {
    DialogDriver driver([names](DialogDriver& user) {
      if (user.WaitForDialog()) {
        if (!names.empty()) {
          user.Type(names);
        }
        user.Press(names.empty() ? VK_ESCAPE : VK_RETURN);
      }
    });
    Choose(Form1->Handle(), item);
    driver.Finish();
    for (const String& problem : driver.Problems()) {
      ADD_FAILURE() << problem;
    }
  }

  TempFolder folder{{"one.wav", "two.mp3", "three.avi"}};
};

} // namespace

TEST_F(MenuFiles, OpenWhilePlayingReplacesTheListAndLoadsTheFirstWithoutPlaying) {
  ListFiles({"C:\\m\\a.wav", "C:\\m\\b.wav"});
  Click(*Form1->START);
  ChooseFiles(*Form1->O1, "\"two.mp3\" \"one.wav\"");
  EXPECT_EQ(Form2->EntryCount, 2);
  EXPECT_EQ(Form2->Entries[0], folder.PathOf("two.mp3"));
  EXPECT_EQ(Form2->Entries[1], folder.PathOf("one.wav"));
  EXPECT_EQ(Form2->ListBox1->Items().ItemCount(), 2);
  EXPECT_EQ(Form1->CurrentIndex, 0);
  EXPECT_EQ(OpenNow(), folder.PathOf("two.mp3"));
  EXPECT_FALSE(Form1->Timer1->Enabled());
  EXPECT_EQ(media.Device(Form1->MediaPlayer1->DeviceID())->Transport(),
            TSimulatedDevice::TTransport::Stopped);
  EXPECT_EQ(Form1->OpenDialog1->SelectedFiles()->ItemCount(), 0);
}

TEST_F(MenuFiles, CancelledOpenKeepsTheList) {
  ListFiles({"C:\\m\\a.wav"});
  ChooseFiles(*Form1->O1, "");
  EXPECT_EQ(Form2->EntryCount, 1);
  EXPECT_EQ(Form2->Entries[0], "C:\\m\\a.wav");
}

TEST_F(MenuFiles, AddToAFreshListThenStartFailsForWantOfADevice) {
  ChooseFiles(*Form1->S1, "\"one.wav\"");
  ASSERT_EQ(Form2->EntryCount, 1);
  EXPECT_EQ(Form2->Entries[0], folder.PathOf("one.wav"));
  EXPECT_TRUE(Opened().empty());
  BoxWatcher boxes;
  Click(*Form1->START);
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Boxes().empty(); }));
  EXPECT_EQ(boxes.Boxes()[0].text, "MCI デバイスがありません.");
  EXPECT_EQ(boxes.Boxes()[0].caption, Application->Title());
  EXPECT_TRUE(Form5->Visible());
  EXPECT_TRUE(Form1->Timer1->Enabled());
  Click(*Form1->Button4);
  EXPECT_EQ(OpenNow(), folder.PathOf("one.wav"));
}
