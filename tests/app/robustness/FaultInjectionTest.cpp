#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "PlayerFixture.h"
#include "ShiftJis.h"
#include "TApplication.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// Every command and status request of the media devices failing, with each kind of error in
// turn, during every player action. The program goes on, the play list stays as it was, and
// the user sees only what the player reports: an error box for a file that does not open
// (the device's own text), nothing for a refused command, whose code the media control
// records. A device that refused to close is let go and closed at the next open, so every
// entry opens again once the device behaves.

namespace {

struct TFault {
  const char* name;
  UINT message;
  DWORD item;
};

const TFault faults[] = {
    {"open", MCI_OPEN, TMciFaults::kAnyItem},
    {"close", MCI_CLOSE, TMciFaults::kAnyItem},
    {"play", MCI_PLAY, TMciFaults::kAnyItem},
    {"stop", MCI_STOP, TMciFaults::kAnyItem},
    {"seek", MCI_SEEK, TMciFaults::kAnyItem},
    {"set", MCI_SET, TMciFaults::kAnyItem},
    {"mode", MCI_STATUS, MCI_STATUS_MODE},
    {"position", MCI_STATUS, MCI_STATUS_POSITION},
    {"length", MCI_STATUS, MCI_STATUS_LENGTH},
    {"any status", MCI_STATUS, TMciFaults::kAnyItem},
    {"window", MCI_WINDOW, TMciFaults::kAnyItem},
    {"where", MCI_WHERE, TMciFaults::kAnyItem},
    {"put", MCI_PUT, TMciFaults::kAnyItem},
    {"capabilities", MCI_GETDEVCAPS, TMciFaults::kAnyItem},
};

const MCIERROR errors[] = {MCIERR_HARDWARE, MCIERR_DEVICE_NOT_READY, MCIERR_INTERNAL,
                           MCIERR_UNSUPPORTED_FUNCTION, MCIERR_OUT_OF_MEMORY};

const std::vector<String> listed = {"C:\\m\\a.wav", "C:\\m\\b.avi", "C:\\m\\c.mp3"};
const std::vector<String> lines = {"a.wav", "b.avi", "c.mp3"};

// Whether the action opens a file, so that a refused open must be told.
enum TOpening { opensNothing, opensAFile };

// The middle of line index of the play list (lines are 12 pixels high).
POINT Line(int index) { return POINT{40, index * 12 + 6}; }

// A press on the right arrow of a scroll bar.
void StepRight(TWinControl& bar) {
  ClickAt(bar.Handle(), POINT{bar.Width() - 4, bar.Height() / 2});
}

// Whether the media control keeps the result of this request in Error: not the capability
// and track questions, nor the rewind before a play and the closing of devices it let go.
bool RecordsError(const TMciCall& call) {
  if (call.message == MCI_GETDEVCAPS || (call.message == MCI_STATUS && call.Has(MCI_TRACK))) {
    return false;
  }
  return call.callback != 0 || (call.message != MCI_SEEK && call.message != MCI_CLOSE);
}

class FaultInjection : public PlayerTest {
protected:
  void SetUp() override {
    PlayerTest::SetUp();
    for (const String& path : listed) {
      media.AddFile(path);
    }
    DropFiles(Form1->Handle(), listed);
    Click(*Form1->START);
    media.Advance(1500);
    media.ClearLog();
  }

  // Runs action with every request of the fault failing; the play list must be intact and
  // the program must still open and play afterwards.
  void Survive(const char* action, TOpening opening, const std::function<void()>& run) {
    for (const TFault& fault : faults) {
      for (MCIERROR error : errors) {
        SCOPED_TRACE(::testing::Message()
                     << action << " with " << fault.name << " failing (" << error << ")");
        const std::size_t boxesBefore = boxes.Boxes().size();
        media.FailAlways(fault.message, fault.item, error);
        run();
        PumpPending();
        ExpectErrorOfLastRecordedRequest();
        media.ClearFailures();
        ExpectListIntact();
        ExpectBoxesFrom(fault, error, opening, boxesBefore);
        ExpectTheCurrentEntryOpens();
      }
    }
  }

  // A refused request leaves its code in Error, a granted one 0, until the next.
  void ExpectErrorOfLastRecordedRequest() {
    const std::vector<TMciCall>& log = media.Log();
    const auto last = std::find_if(log.rbegin(), log.rend(), RecordsError);
    ASSERT_NE(last, log.rend());
    EXPECT_EQ(Form1->MediaPlayer1->Error(), last->result);
  }

  void ExpectListIntact() {
    ASSERT_EQ(Form2->EntryCount, static_cast<int>(listed.size()));
    ASSERT_EQ(Form2->ListBox1->Items().ItemCount(), Form2->EntryCount);
    for (std::size_t i = 0; i < listed.size(); ++i) {
      EXPECT_EQ(Form2->Entries[i], listed[i]);
      EXPECT_EQ(Form2->ListBox1->Items().ItemAt(static_cast<int>(i)), lines[i]);
    }
  }

  // A refused open is told in a box with the device's own text, and what the action then
  // asks of the missing device with "MCI デバイスがありません". A refused close leaves the
  // device open, so opening its file again is refused as a name in use. Every other
  // refusal shows nothing: the media control only records its code. Each box bears the
  // program's title.
  void ExpectBoxesFrom(const TFault& fault, MCIERROR error, TOpening opening, std::size_t before) {
    const std::vector<SeenBox> seen = boxes.Boxes();
    std::vector<String> allowed;
    if (fault.message == MCI_OPEN) {
      allowed = {DeviceText(error), "MCI デバイスがありません."};
      if (opening == opensAFile) {
        ASSERT_GT(seen.size(), before);
        EXPECT_EQ(seen[before].text, DeviceText(error));
      }
    } else if (fault.message == MCI_CLOSE) {
      allowed = {DeviceText(MCIERR_DEVICE_OPEN)};
    }
    for (std::size_t i = before; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i].caption, Application->Title());
      EXPECT_NE(std::find(allowed.begin(), allowed.end(), seen[i].text), allowed.end())
          << seen[i].text;
    }
  }

  // The next case starts from the current entry loaded again: the program opens it, and
  // no device that refused to close is left behind.
  void ExpectTheCurrentEntryOpens() {
    Click(*Form1->STOP);
    ASSERT_NO_THROW(Form1->LoadCurrent());
    ASSERT_GE(Form1->CurrentIndex, 0);
    EXPECT_EQ(OpenNow(), listed[static_cast<std::size_t>(Form1->CurrentIndex)]);
    EXPECT_EQ(media.OpenDeviceCount(), 1u);
  }

  String DeviceText(MCIERROR error) {
    char text[MAXERRORLENGTH] = {};
    media.ErrorString(error, text, sizeof text);
    return WithFinalPeriod(text);
  }

  BoxWatcher boxes;
};

} // namespace

// The dropped file is listed whatever the device does; Delete takes it away again, so the
// list compares as it was.
TEST_F(FaultInjection, Drop) {
  media.AddFile("C:\\m\\d.wav");
  Survive("drop", opensAFile, [] {
    DropFiles(Form1->Handle(), {"C:\\m\\d.wav"});
    EXPECT_EQ(Form2->EntryCount, 4);
    ClickAt(Form2->ListBox1->Handle(), Line(3));
    PressKey(Form2->ListBox1->Handle(), VK_DELETE);
  });
}

TEST_F(FaultInjection, StartStopPreviousNext) {
  Survive("START", opensNothing, [] { Click(*Form1->START); });
  Survive("STOP", opensNothing, [] { Click(*Form1->STOP); });
  Survive("<", opensAFile, [] { Click(*Form1->Prev); });
  Survive(">", opensAFile, [] { Click(*Form1->Button4); });
}

TEST_F(FaultInjection, TickWithContinuousPlayAndRepeat) {
  Choose(Form1->Handle(), *Form1->renzoku);
  Choose(Form1->Handle(), *Form1->repeat);
  // Three ticks, or fewer when one fails: a failing tick switches the timer off.
  Survive("tick", opensAFile, [this] {
    Click(*Form1->START);
    media.Advance(60000);
    const std::size_t target = media.Log().size() + 9;
    PumpUntil([&] { return !Form1->Timer1->Enabled() || media.Log().size() >= target; });
  });
}

TEST_F(FaultInjection, DoubleClickAndDelete) {
  Survive("double click", opensAFile, [] { DoubleClickAt(Form2->ListBox1->Handle(), Line(1)); });
  // Delete takes the last line away and a drop puts it back, so the list compares as it was.
  Survive("Delete", opensAFile, [] {
    ClickAt(Form2->ListBox1->Handle(), Line(2));
    PressKey(Form2->ListBox1->Handle(), VK_DELETE);
    EXPECT_EQ(Form2->EntryCount, 2);
    DropFiles(Form2->Handle(), {listed[2]});
  });
}

TEST_F(FaultInjection, ScrollBars) {
  Survive("time scroll bar", opensNothing, [] {
    Click(*Form1->START);
    StepRight(*Form5->ScrollBar1);
  });
  // The video stays loaded from one case to the next, so the display window stays up and
  // the play list's double click opens it again before the scroll bar moves it.
  Click(*Form1->Button4);
  ASSERT_TRUE(Form3->Visible());
  Survive("display scroll bar", opensAFile, [] {
    DoubleClickAt(Form2->ListBox1->Handle(), Line(1));
    StepRight(*Form3->ScrollBar1);
  });
}
