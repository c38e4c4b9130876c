// The button bar as a user meets it: its layout, presses posted at coordinates, dragging,
// the click events, automatic enabling and the keyboard.
#include "BoxWatcher.h"
#include "DesignScale.h"
#include "KeyInput.h"
#include "Messages.h"
#include "PlayerFixture.h"

#include <vector>

namespace {

class Clicks : public TObject {
public:
  int clicks = 0;
  int postClicks = 0;
  bool allow = true;
  TMPBtnType last = btEject;
  void Click(TObject*, TMPBtnType button, bool& doDefault) {
    ++clicks;
    last = button;
    doDefault = allow;
  }
  void PostClick(TObject*, TMPBtnType button) {
    ++postClicks;
    last = button;
  }
};

class MediaButtonBar : public PlayerFixture {
protected:
  // Shows the form with the player visible and active, so it takes input.
  void ShowPlayer() {
    player->SetLeft(8);
    player->SetTop(8);
    player->SetVisible(true);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
  }

  // The centre of a visible button, in the player's client coordinates.
  POINT Centre(int slot) const {
    int width = player->ButtonWidth();
    return POINT{slot * (width - 1) + width / 2, player->Height() / 2};
  }

  void Post(UINT message, POINT at) {
    WPARAM keys = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    PostMessageA(PlayerWindow(), message, keys, MAKELPARAM(at.x, at.y));
  }

  void ClickAt(POINT at) {
    Post(WM_LBUTTONDOWN, at);
    Post(WM_LBUTTONUP, at);
    PumpPending();
  }

  void Key(WORD key) {
    PressKey(key);
    PumpPending();
  }

  void Watch(Clicks& clicks) {
    player->OnClick = EMPNotify::Bind<&Clicks::Click>(clicks);
    player->OnPostClick = EMPPostNotify::Bind<&Clicks::PostClick>(clicks);
  }
};

TEST_F(MediaButtonBar, ANewControlSettlesAt235By30WithButtonsOf27) {
  auto* bar = new TMediaPlayer(form.get());
  EXPECT_EQ(bar->Width(), 240);
  EXPECT_EQ(bar->Height(), 30);
  bar->SetParent(form.get());
  bar->HandleNeeded();
  PumpPending();
  EXPECT_EQ(bar->Width(), 235);
  EXPECT_EQ(bar->Height(), 30);
  EXPECT_EQ(bar->ButtonWidth(), 27);
  RECT client{};
  GetClientRect(bar->Handle(), &client);
  EXPECT_EQ(client.right, 235);
}

TEST_F(MediaButtonBar, ThePlayersInstanceKeepsItsSizeWithNineButtonsInIt) {
  player->HandleNeeded();
  PumpPending();
  const int buttonWidth = (Scaled(253) - 1) / 9 + 1;
  EXPECT_EQ(player->ButtonWidth(), buttonWidth);
  EXPECT_EQ(player->Width(), 9 * buttonWidth - 8) << "nine buttons that overlap by a pixel";
  EXPECT_EQ(player->Height(), ScaledSpan(104, 30));
}

TEST_F(MediaButtonBar, ThreeButtonsIn100AreEach34Wide) {
  player->HandleNeeded();
  player->SetVisibleButtons(TButtonSet{btPlay, btPause, btStop});
  player->SetWidth(100);
  PumpPending();
  EXPECT_EQ(player->ButtonWidth(), 34);
  EXPECT_EQ(player->Width(), 100);
}

TEST_F(MediaButtonBar, WithoutGlyphsTheButtonsAreAtLeast8By4) {
  EXPECT_EQ(player->MinimumButtonSize().cx, 8);
  EXPECT_EQ(player->MinimumButtonSize().cy, 4);
  player->HandleNeeded();
  player->SetHeight(2);
  PumpPending();
  EXPECT_EQ(player->Height(), 4);
}

TEST_F(MediaButtonBar, AClickOnPlayPlaysAndSwapsTheEnabledButtons) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  Clicks clicks;
  Watch(clicks);
  ClickAt(Centre(0));
  ASSERT_EQ(Calls(MCI_PLAY).size(), 1u);
  EXPECT_EQ(clicks.clicks, 1);
  EXPECT_EQ(clicks.postClicks, 1);
  EXPECT_EQ(clicks.last, btPlay);
  EXPECT_EQ(player->AutoButtons(), (TButtonSet{btPause, btStop, btNext, btPrev}));
  standIn.Advance(2000);
  ASSERT_TRUE(PumpUntil([&] { return player->AutoButtons().Contains(btPlay); }));
  EXPECT_FALSE(player->AutoButtons().Contains(btStop));
}

TEST_F(MediaButtonBar, PressingDraggingOffAndReleasingRunsNothing) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  Clicks clicks;
  Watch(clicks);
  Post(WM_LBUTTONDOWN, Centre(0));
  Post(WM_MOUSEMOVE, Centre(3));
  Post(WM_LBUTTONUP, Centre(3));
  PumpPending();
  EXPECT_TRUE(Calls(MCI_PLAY).empty());
  EXPECT_TRUE(Calls(MCI_SEEK).empty());
  EXPECT_EQ(clicks.clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MediaButtonBar, DraggingBackOnBeforeReleasingRunsTheCommand) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  Post(WM_LBUTTONDOWN, Centre(0));
  Post(WM_MOUSEMOVE, POINT{Centre(0).x, 200});
  Post(WM_MOUSEMOVE, Centre(0));
  Post(WM_LBUTTONUP, Centre(0));
  PumpPending();
  EXPECT_EQ(Calls(MCI_PLAY).size(), 1u);
}

TEST_F(MediaButtonBar, DoDefaultFalseSuppressesTheCommandAndThePostClick) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  Clicks clicks;
  clicks.allow = false;
  Watch(clicks);
  ClickAt(Centre(0));
  EXPECT_EQ(clicks.clicks, 1);
  EXPECT_EQ(clicks.postClicks, 0);
  EXPECT_TRUE(Calls(MCI_PLAY).empty());
}

TEST_F(MediaButtonBar, WithoutADevicePressesDoNothing) {
  ShowPlayer();
  Clicks clicks;
  Watch(clicks);
  for (int slot = 0; slot < buttonCount; ++slot) {
    ClickAt(Centre(slot));
    EXPECT_FALSE(player->ButtonEffectivelyEnabled(static_cast<TMPBtnType>(slot)));
  }
  EXPECT_EQ(clicks.clicks, 0);
  EXPECT_TRUE(standIn.Log().empty());
}

TEST_F(MediaButtonBar, APressOnADisabledButtonNeitherRunsNorMovesTheFocus) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  ClickAt(Centre(btStop));
  EXPECT_TRUE(Calls(MCI_STOP).empty());
  EXPECT_EQ(player->FocusedButton(), btPlay);
  ClickAt(Centre(btNext));
  EXPECT_EQ(Calls(MCI_SEEK).size(), 1u);
  EXPECT_EQ(player->FocusedButton(), btNext);
}

TEST_F(MediaButtonBar, ThePauseButtonPausesAndResumes) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  ClickAt(Centre(btPlay));
  ClickAt(Centre(btPause));
  EXPECT_EQ(player->Mode(), mmPause);
  EXPECT_TRUE(player->AutoButtons().Contains(btPlay));
  ClickAt(Centre(btPause));
  EXPECT_EQ(player->Mode(), mmPlay);
  ClickAt(Centre(btStop));
  EXPECT_EQ(player->Mode(), mmStop);
  EXPECT_EQ(player->AutoButtons(), (TButtonSet{btPlay, btRecord, btNext, btPrev}));
}

TEST_F(MediaButtonBar, ARefusedCommandSkipsTheAutomaticEnabling) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  standIn.FailNext(MCI_PLAY, MCIERR_HARDWARE);
  ClickAt(Centre(btPlay));
  EXPECT_EQ(player->Error(), MCIERROR{MCIERR_HARDWARE});
  EXPECT_TRUE(player->AutoButtons().Contains(btPlay));
  EXPECT_FALSE(player->AutoButtons().Contains(btStop));
}

TEST_F(MediaButtonBar, ArrowKeysMoveTheFocusOverVisibleButtonsAndStopAtTheEnds) {
  ShowPlayer();
  player->SetFocus();
  PumpPending();
  ASSERT_EQ(GetFocus(), PlayerWindow());
  EXPECT_EQ(SendMessageA(PlayerWindow(), WM_GETDLGCODE, 0, 0), LRESULT{DLGC_WANTARROWS});
  Key(VK_LEFT);
  EXPECT_EQ(player->FocusedButton(), btPlay);
  for (int i = 0; i < 10; ++i) {
    Key(VK_RIGHT);
  }
  EXPECT_EQ(player->FocusedButton(), btEject);
  TButtonSet withoutPause = allButtons;
  withoutPause.Exclude(btPause);
  player->SetVisibleButtons(withoutPause);
  for (int i = 0; i < 6; ++i) {
    Key(VK_LEFT);
  }
  EXPECT_EQ(player->FocusedButton(), btStop);
  Key(VK_LEFT);
  EXPECT_EQ(player->FocusedButton(), btPlay);
}

TEST_F(MediaButtonBar, SpaceRunsTheFocusedButtonsCommand) {
  ShowPlayer();
  OpenFile("C:\\media\\song.wav");
  player->SetFocus();
  PumpPending();
  Key(VK_SPACE);
  EXPECT_EQ(Calls(MCI_PLAY).size(), 1u);
  EXPECT_TRUE(player->AutoButtons().Contains(btStop));
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Key(VK_SPACE);
  EXPECT_EQ(Calls(MCI_STOP).size(), 1u);
  EXPECT_EQ(player->Mode(), mmStop);
}

// The Enabled flag lets space through with no device open: the command's failure reaches the
// application's error box, and the bar works once a device is open.
TEST_F(MediaButtonBar, SpaceWithoutADeviceReportsItAndTheBarWorksOn) {
  ShowPlayer();
  player->SetFocus();
  PumpPending();
  {
    BoxWatcher watcher;
    PressKey(VK_SPACE);
    ASSERT_TRUE(PumpUntil([&] { return !watcher.Boxes().empty(); })) << "no box came up";
    PumpPending();
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, LoadMessage(Msg::MCIDeviceNotOpen) + ".");
  }
  EXPECT_TRUE(player->AutoButtons().Empty());
  OpenFile("C:\\media\\song.wav");
  Key(VK_SPACE);
  EXPECT_EQ(Calls(MCI_PLAY).size(), 1u);
}

// The pixels of one column of the bar, from the top to the bottom border.
std::vector<COLORREF> Column(HWND window, int x) {
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(window);
  for (int y = 2; y < 28; ++y) {
    pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(window, dc);
  return pixels;
}

TEST_F(MediaButtonBar, TheFocusRectangleFollowsTheFocusedButton) {
  ShowPlayer();
  player->SetFocus();
  PumpPending();
  std::vector<COLORREF> focused = Column(PlayerWindow(), 3);
  Key(VK_RIGHT);
  std::vector<COLORREF> plain = Column(PlayerWindow(), 3);
  EXPECT_NE(focused, plain);
  EXPECT_EQ(Column(PlayerWindow(), player->ButtonWidth() - 1 + 3), focused);
}

} // namespace
