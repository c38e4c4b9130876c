#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "PlayerFixture.h"
#include "TApplication.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Every command and status request of the media devices failing, with each kind of error in
// turn, during every player action. The program goes on, the play list stays as it was, and
// the user sees only what the player reports: an error box for a file that does not open
// (the device's own text), nothing for a refused command, whose code the media control
// records.

namespace {

struct TFault {
  const char* name;
  UINT message;
  DWORD item;
};

const TFault faults[] = {
    {"open", MCI_OPEN, TMciFaults::kAnyItem},     {"close", MCI_CLOSE, TMciFaults::kAnyItem},
    {"play", MCI_PLAY, TMciFaults::kAnyItem},     {"stop", MCI_STOP, TMciFaults::kAnyItem},
    {"seek", MCI_SEEK, TMciFaults::kAnyItem},     {"set", MCI_SET, TMciFaults::kAnyItem},
    {"mode", MCI_STATUS, MCI_STATUS_MODE},        {"position", MCI_STATUS, MCI_STATUS_POSITION},
    {"length", MCI_STATUS, MCI_STATUS_LENGTH},    {"any status", MCI_STATUS, TMciFaults::kAnyItem},
    {"window", MCI_WINDOW, TMciFaults::kAnyItem}, {"where", MCI_WHERE, TMciFaults::kAnyItem},
    {"put", MCI_PUT, TMciFaults::kAnyItem},
};

const MCIERROR errors[] = {MCIERR_HARDWARE, MCIERR_DEVICE_NOT_READY, MCIERR_INTERNAL,
                           MCIERR_UNSUPPORTED_FUNCTION, MCIERR_OUT_OF_MEMORY};

const std::vector<String> listed = {"C:\\m\\a.wav", "C:\\m\\b.avi", "C:\\m\\c.mp3"};

// The middle of line index of the play list (lines are 12 pixels high).
POINT Line(int index) { return POINT{40, index * 12 + 6}; }

// A press on the right arrow of a scroll bar.
void StepRight(TWinControl& bar) {
  ClickAt(bar.Handle(), POINT{bar.Width() - 4, bar.Height() / 2});
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
  // the program must still take input afterwards.
  void Survive(const char* action, const std::function<void()>& run) {
    for (const TFault& fault : faults) {
      for (MCIERROR error : errors) {
        SCOPED_TRACE(::testing::Message()
                     << action << " with " << fault.name << " failing (" << error << ")");
        const std::size_t boxesBefore = boxes.Boxes().size();
        media.FailAlways(fault.message, fault.item, error);
        run();
        PumpPending();
        media.ClearFailures();
        ExpectListIntact();
        ExpectBoxesFrom(fault, boxesBefore);
        // The next case starts from a loaded file again: a refused open leaves none.
        Click(*Form1->STOP);
        Form1->LoadCurrent();
      }
    }
  }

  void ExpectListIntact() {
    ASSERT_EQ(Form2->EntryCount, static_cast<int>(listed.size()));
    ASSERT_EQ(Form2->ListBox1->Items().ItemCount(), Form2->EntryCount);
    for (std::size_t i = 0; i < listed.size(); ++i) {
      EXPECT_EQ(Form2->Entries[i], listed[i]);
    }
  }

  // A refused open is the only failure the user is told of; its box bears the program's
  // title and a text of its own.
  void ExpectBoxesFrom(const TFault& fault, std::size_t before) {
    const std::vector<SeenBox> seen = boxes.Boxes();
    for (std::size_t i = before; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i].caption, Application->Title());
      EXPECT_FALSE(seen[i].text.empty());
    }
    if (fault.message != MCI_OPEN) {
      EXPECT_EQ(seen.size(), before) << seen.back().text;
    }
  }

  BoxWatcher boxes;
};

} // namespace

// The dropped file is listed whatever the device does; Delete takes it away again, so the
// list compares as it was.
TEST_F(FaultInjection, Drop) {
  media.AddFile("C:\\m\\d.wav");
  Survive("drop", [] {
    DropFiles(Form1->Handle(), {"C:\\m\\d.wav"});
    EXPECT_EQ(Form2->EntryCount, 4);
    ClickAt(Form2->ListBox1->Handle(), Line(3));
    PressKey(Form2->ListBox1->Handle(), VK_DELETE);
  });
}

TEST_F(FaultInjection, StartStopPreviousNext) {
  Survive("START", [] { Click(*Form1->START); });
  Survive("STOP", [] { Click(*Form1->STOP); });
  Survive("<", [] { Click(*Form1->Prev); });
  Survive(">", [] { Click(*Form1->Button4); });
}

TEST_F(FaultInjection, TickWithContinuousPlayAndRepeat) {
  Choose(Form1->Handle(), *Form1->renzoku);
  Choose(Form1->Handle(), *Form1->repeat);
  // Three ticks, or fewer when one fails: a failing tick switches the timer off.
  Survive("tick", [this] {
    Click(*Form1->START);
    media.Advance(60000);
    const std::size_t target = media.Log().size() + 9;
    PumpUntil([&] { return !Form1->Timer1->Enabled() || media.Log().size() >= target; });
  });
}

TEST_F(FaultInjection, DoubleClickAndDelete) {
  Survive("double click", [] { DoubleClickAt(Form2->ListBox1->Handle(), Line(1)); });
  // Delete takes the last line away and a drop puts it back, so the list compares as it was.
  Survive("Delete", [] {
    ClickAt(Form2->ListBox1->Handle(), Line(2));
    PressKey(Form2->ListBox1->Handle(), VK_DELETE);
    EXPECT_EQ(Form2->EntryCount, 2);
    DropFiles(Form2->Handle(), {listed[2]});
  });
}

TEST_F(FaultInjection, ScrollBars) {
  Survive("time scroll bar", [] {
    Click(*Form1->START);
    StepRight(*Form5->ScrollBar1);
  });
  Survive("display scroll bar", [] {
    Click(*Form1->Button4);
    StepRight(*Form3->ScrollBar1);
    Click(*Form1->Prev);
  });
}
