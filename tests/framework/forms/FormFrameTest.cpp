#include "FormFrame.h"
#include "ScrollBarsFit.h"

#include <gtest/gtest.h>

#include <vector>

// The player's windows keep the client area their layouts were made for, so no scroll bar
// shows whatever frame the desktop draws around them.

namespace {

// Wine's frame, as its default desktop sets it.
constexpr TFrameMetrics wineFrame{19, 15, 4, 3, 19};
// A current Windows desktop at 96 dpi: a 23-pixel caption, borders of 4 plus a padded
// border of 4, a 20-pixel menu bar.
constexpr TFrameMetrics windowsFrame{23, 23, 8, 7, 20};

constexpr SIZE barSize{17, 17};

// A player window as its form source lays it out: the outer size, whether it has a menu bar,
// and how far its visible controls reach.
struct PlayerWindow {
  const char* name;
  SIZE outer;
  bool menuBar;
  SIZE content;
};

const std::vector<PlayerWindow> playerWindows = {
    {"Form1", {230, 105}, true, {222, 57}},   // Button4 ends at 222, the buttons at 57
    {"Form2", {230, 197}, false, {222, 169}}, // ListBox1
    {"Form4", {300, 140}, false, {275, 113}}, // Label4 and Button1
    {"Form5", {230, 105}, false, {220, 77}},  // ScrollBar1
};

SIZE ClientInside(SIZE outer, bool menuBar, const TFrameMetrics& metrics) {
  SIZE frame = FrameExtent(bsSizeable, menuBar, metrics);
  return SIZE{outer.cx - frame.cx, outer.cy - frame.cy};
}

} // namespace

TEST(FormFrame, ExtentOfEachBorderStyle) {
  EXPECT_EQ(FrameExtent(bsSizeable, true, wineFrame).cy, 46);
  EXPECT_EQ(FrameExtent(bsSizeable, false, wineFrame).cx, 8);
  EXPECT_EQ(FrameExtent(bsSingle, false, wineFrame).cy, 25);
  EXPECT_EQ(FrameExtent(bsToolWindow, false, wineFrame).cy, 21);
  EXPECT_EQ(FrameExtent(bsNone, false, wineFrame).cy, 0);
  EXPECT_EQ(FrameExtent(bsSizeable, true, windowsFrame).cy, 59);
}

TEST(FormFrame, PlayerWindowsShowNoScrollBarInTheirDesignedClientArea) {
  for (const PlayerWindow& window : playerWindows) {
    SIZE client = ClientInside(window.outer, window.menuBar, designFrameMetrics);
    EXPECT_EQ(DecideScrollBars(client, window.content, barSize), (TScrollBarsShown{}))
        << window.name;
  }
}

TEST(FormFrame, WineFrameLeavesTheDesignedClientArea) {
  for (const PlayerWindow& window : playerWindows) {
    SIZE designed = ClientInside(window.outer, window.menuBar, designFrameMetrics);
    SIZE here = ClientInside(window.outer, window.menuBar, wineFrame);
    EXPECT_EQ(here.cx, designed.cx) << window.name;
    EXPECT_EQ(here.cy, designed.cy) << window.name;
  }
}

TEST(FormFrame, WindowsFrameWouldCutTheOuterSizeTooSmallSoTheClientSizeIsKept) {
  const PlayerWindow& main = playerWindows[0];
  SIZE cut = ClientInside(main.outer, main.menuBar, windowsFrame);
  EXPECT_EQ(DecideScrollBars(cut, main.content, barSize), (TScrollBarsShown{true, true}))
      << "the outer size alone would leave 214 x 46 for 222 x 57";
  SIZE designed = ClientInside(main.outer, main.menuBar, designFrameMetrics);
  SIZE frame = FrameExtent(bsSizeable, main.menuBar, windowsFrame);
  SIZE outer{designed.cx + frame.cx, designed.cy + frame.cy};
  EXPECT_EQ(ClientInside(outer, main.menuBar, windowsFrame).cy, designed.cy);
}
