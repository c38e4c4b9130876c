#include "MessageRecords.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// A pointer-sized value with its top bits set: any narrowing to 32 bits on a 64-bit build
// would show.
constexpr UINT_PTR highValue = ~UINT_PTR{0} - 0x7F;

} // namespace

TEST(MessageRecords, MousePositionsKeepTheirSign) {
  TMessage message{WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, -300), 0};
  TWMMouse mouse(message);
  EXPECT_EQ(mouse.XPos(), -5);
  EXPECT_EQ(mouse.YPos(), -300);
  EXPECT_EQ(mouse.Keys(), static_cast<UINT>(MK_LBUTTON | MK_SHIFT));
  EXPECT_EQ(TWMMouse::PosParam(POINT{-5, -300}), message.LParam);
}

TEST(MessageRecords, HandlesAndPointersKeepTheirFullWidth) {
  TMessage command{WM_COMMAND, MAKEWPARAM(5, EN_CHANGE), static_cast<LPARAM>(highValue), 0};
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(TWMCommand(command).Ctl()), highValue);
  TMessage paint{WM_PAINT, static_cast<WPARAM>(highValue), 0, 0};
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(TWMPaint(paint).DC()), highValue);
  TMessage color{WM_CTLCOLOREDIT, static_cast<WPARAM>(highValue), static_cast<LPARAM>(highValue),
                 0};
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(TWMCtlColor(color).ChildDC()), highValue);
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(TWMCtlColor(color).ChildWnd()), highValue);
  TMessage scroll{WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0xFFFE), static_cast<LPARAM>(highValue), 0};
  TWMScroll record(scroll);
  EXPECT_EQ(record.ScrollCode(), SB_THUMBTRACK);
  EXPECT_EQ(record.Pos(), -2);
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(record.ScrollBar()), highValue);
}

TEST(MessageRecords, SystemCommandLosesTheSystemsLowBits) {
  TMessage message{WM_SYSCOMMAND, SC_MINIMIZE | 0x2, MAKELPARAM(10, -20), 0};
  TWMSysCommand command(message);
  EXPECT_EQ(command.CmdType(), static_cast<UINT>(SC_MINIMIZE));
  EXPECT_EQ(command.YPos(), -20);
}

TEST(MessageRecords, KeyRecordWritesThroughToTheMessage) {
  TMessage message{WM_SYSKEYDOWN, VK_F4, 0x203E0001, 0};
  TWMKey key(message);
  EXPECT_EQ(key.CharCode(), VK_F4);
  EXPECT_TRUE(key.AltDown());
  key.SetCharCode(0);
  key.SetResult(1);
  EXPECT_EQ(message.WParam, 0u);
  EXPECT_EQ(message.Result, 1);
  TMessage& same = key;
  EXPECT_EQ(&same, &message);
  TMessage plain{WM_KEYDOWN, 'A', 0x001E0001, 0};
  EXPECT_FALSE(TWMKey(plain).AltDown());
}

TEST(MessageRecords, SizeAndTextWordsAreTakenApart) {
  TMessage size{WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), 0};
  EXPECT_EQ(TWMSize(size).SizeType(), static_cast<UINT>(SIZE_MAXIMIZED));
  EXPECT_EQ(TWMSize(size).Width(), 640);
  EXPECT_EQ(TWMSize(size).Height(), 480);
  char buffer[8] = {};
  TMessage getText{WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), 0};
  EXPECT_EQ(TWMGetText(getText).TextMax(), sizeof buffer);
  EXPECT_EQ(TWMGetText(getText).Buffer(), buffer);
  TMessage activate{WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), 0, 0};
  EXPECT_EQ(TWMActivate(activate).Active(), WA_CLICKACTIVE);
  EXPECT_TRUE(TWMActivate(activate).Minimized());
}
