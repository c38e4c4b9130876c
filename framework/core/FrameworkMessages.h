#pragma once

#include <windows.h>

// Notices between framework objects. They are delivered directly (Deliver) and never leave
// the process; a few are posted to the object's own window where stated.
inline constexpr UINT XM_BASE = 0xB000;
inline constexpr UINT XM_ACTIVATE = XM_BASE + 0x00;
inline constexpr UINT XM_DEACTIVATE = XM_BASE + 0x01;
inline constexpr UINT XM_DIALOGKEY = XM_BASE + 0x05;
// A character offered to the controls of a form as an accelerator (WParam the character).
inline constexpr UINT XM_DIALOGCHAR = XM_BASE + 0x06;
// The focus moved within a form (LParam the control that took it); sent to every control.
inline constexpr UINT XM_FOCUSCHANGED = XM_BASE + 0x07;
inline constexpr UINT XM_PARENTFONTCHANGED = XM_BASE + 0x08;
inline constexpr UINT XM_PARENTCOLORCHANGED = XM_BASE + 0x09;
inline constexpr UINT XM_VISIBLECHANGED = XM_BASE + 0x0B;
inline constexpr UINT XM_ENABLEDCHANGED = XM_BASE + 0x0C;
inline constexpr UINT XM_COLORCHANGED = XM_BASE + 0x0D;
inline constexpr UINT XM_FONTCHANGED = XM_BASE + 0x0E;
inline constexpr UINT XM_TEXTCHANGED = XM_BASE + 0x12;
inline constexpr UINT XM_MOUSEENTER = XM_BASE + 0x13;
inline constexpr UINT XM_MOUSELEAVE = XM_BASE + 0x14;
inline constexpr UINT XM_MENUCHANGED = XM_BASE + 0x15;
inline constexpr UINT XM_APPKEYDOWN = XM_BASE + 0x16;
inline constexpr UINT XM_APPSYSCOMMAND = XM_BASE + 0x17;
inline constexpr UINT XM_SHOWINGCHANGED = XM_BASE + 0x19;
inline constexpr UINT XM_FOCUSTOP = XM_BASE + 0x1A;
inline constexpr UINT XM_WANTSPECIALKEY = XM_BASE + 0x1E;
inline constexpr UINT XM_SHOWHINTCHANGED = XM_BASE + 0x27;
inline constexpr UINT XM_PARENTSHOWHINTCHANGED = XM_BASE + 0x28;
inline constexpr UINT XM_HOOKWINDOW = XM_BASE + 0x20;
inline constexpr UINT XM_RELEASE = XM_BASE + 0x21;
inline constexpr UINT XM_RECREATEWND = XM_BASE + 0x2D;
inline constexpr UINT XM_CHILDKEY = XM_BASE + 0x2E;
inline constexpr UINT XM_DIALOGHANDLE = XM_BASE + 0x31;
// A control tells its parent that the user or the program changed its value (lParam: the
// control).
inline constexpr UINT XM_CHANGED = XM_BASE + 0x37;
inline constexpr UINT XM_PARENTBIDIMODECHANGED = XM_BASE + 0x3D;

// Notifications that Windows sends to a parent, reflected to the control they concern.
inline constexpr UINT XN_BASE = 0xBC00;
inline constexpr UINT XN_KEYDOWN = XN_BASE + WM_KEYDOWN;
inline constexpr UINT XN_SYSKEYDOWN = XN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT XN_CHAR = XN_BASE + WM_CHAR;
inline constexpr UINT XN_SYSCHAR = XN_BASE + WM_SYSCHAR;
inline constexpr UINT XN_COMMAND = XN_BASE + WM_COMMAND;
inline constexpr UINT XN_NOTIFY = XN_BASE + WM_NOTIFY;
inline constexpr UINT XN_HSCROLL = XN_BASE + WM_HSCROLL;
inline constexpr UINT XN_VSCROLL = XN_BASE + WM_VSCROLL;
