#pragma once

#include "Message.h"

#include <shellapi.h>

#include <cstddef>

// Typed readings of a message: the words the window system packs for one message (or one
// family) taken apart in one place, so that no handler does bit arithmetic on WParam and
// LParam. A record is a view: it holds the message, reads its words through the system's own
// types (handles and pointers keep their full width in 64-bit builds, 16-bit halves keep
// their sign where the system gives them one) and writes through to it, so the Result a
// handler sets and a key it changes reach the message and its default handling. A record
// converts back to the message it views, for default handling and inherited handlers.
class TMessageRecord {
public:
  explicit TMessageRecord(TMessage& message) : message_(&message) {}

  TMessage& Message() const { return *message_; }
  operator TMessage&() const { return *message_; }
  UINT Msg() const { return message_->Msg; }
  LRESULT Result() const { return message_->Result; }
  void SetResult(LRESULT result) { message_->Result = result; }

protected:
  WPARAM WParam() const { return message_->WParam; }
  LPARAM LParam() const { return message_->LParam; }
  // A signed 16-bit half of a word (a coordinate, a position).
  static int Low(LPARAM word) { return static_cast<short>(LOWORD(word)); }
  static int High(LPARAM word) { return static_cast<short>(HIWORD(word)); }

private:
  TMessage* message_;
};

// A message whose words carry nothing (WM_CLOSE, WM_CANCELMODE, WM_NCDESTROY, ...).
class TWMNoParams : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
};

// WM_KEYDOWN, WM_KEYUP, WM_CHAR, their system forms, their reflections (XN_KEYDOWN, ...)
// and the framework's key notices (XM_DIALOGKEY, XM_WANTSPECIALKEY).
class TWMKey : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // The virtual key, or the character of WM_CHAR.
  WORD CharCode() const { return LOWORD(WParam()); }
  void SetCharCode(WORD code) { Message().WParam = code; }
  // Repeat count, scan code and flags.
  LPARAM KeyData() const { return LParam(); }
  // Whether Alt was held with the key (the context code).
  bool AltDown() const { return (HIWORD(LParam()) & KF_ALTDOWN) != 0; }
};

// The mouse messages (WM_MOUSEMOVE, the button messages): the keys and buttons held and the
// position in client coordinates.
class TWMMouse : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  UINT Keys() const { return LOWORD(WParam()); }
  int XPos() const { return Low(LParam()); }
  int YPos() const { return High(LParam()); }
  POINT Pos() const { return POINT{XPos(), YPos()}; }
  // The LParam of a mouse message at point.
  static LPARAM PosParam(POINT point) { return MAKELPARAM(point.x, point.y); }
};

// WM_COMMAND and its reflection XN_COMMAND.
class TWMCommand : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  WORD ItemID() const { return LOWORD(WParam()); }
  WORD NotifyCode() const { return HIWORD(WParam()); }
  // The control that sent the notification; none for a menu command or an accelerator.
  HWND Ctl() const { return reinterpret_cast<HWND>(LParam()); }
};

// WM_NOTIFY and its reflection XN_NOTIFY.
class TWMNotify : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  UINT_PTR IDCtrl() const { return WParam(); }
  NMHDR* NMHdr() const { return reinterpret_cast<NMHDR*>(LParam()); }
};

// WM_HSCROLL, WM_VSCROLL and their reflections.
class TWMScroll : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // SB_LINEUP, SB_THUMBTRACK, ...
  int ScrollCode() const { return LOWORD(WParam()); }
  // The thumb position of SB_THUMBPOSITION and SB_THUMBTRACK (16 bits, signed).
  int Pos() const { return High(static_cast<LPARAM>(WParam())); }
  // The scroll bar control; none for a window's own scroll bar.
  HWND ScrollBar() const { return reinterpret_cast<HWND>(LParam()); }
};

// The low four bits of a system command are the system's own.
inline constexpr WPARAM sysCommandMask = 0xFFF0;

// WM_SYSCOMMAND.
class TWMSysCommand : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // SC_MINIMIZE, SC_RESTORE, ... without the system's low bits.
  UINT CmdType() const { return static_cast<UINT>(WParam() & sysCommandMask); }
  // The cursor in screen coordinates, for commands chosen with the mouse.
  int XPos() const { return Low(LParam()); }
  int YPos() const { return High(LParam()); }
};

// WM_PAINT: a device context to paint on when the sender supplies one (controls without a
// window are painted this way), otherwise none.
class TWMPaint : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HDC DC() const { return reinterpret_cast<HDC>(WParam()); }
};

// WM_ERASEBKGND.
class TWMEraseBkgnd : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HDC DC() const { return reinterpret_cast<HDC>(WParam()); }
};

// WM_SIZE.
class TWMSize : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // SIZE_RESTORED, SIZE_MINIMIZED, ...
  UINT SizeType() const { return static_cast<UINT>(WParam()); }
  int Width() const { return LOWORD(LParam()); }
  int Height() const { return HIWORD(LParam()); }
};

// WM_WINDOWPOSCHANGED and WM_WINDOWPOSCHANGING.
class TWMWindowPosChanged : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  WINDOWPOS* WindowPos() const { return reinterpret_cast<WINDOWPOS*>(LParam()); }
};
using TWMWindowPosChanging = TWMWindowPosChanged;

// WM_DROPFILES.
class TWMDropFiles : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HDROP Drop() const { return reinterpret_cast<HDROP>(WParam()); }
};

// WM_SETTEXT.
class TWMSetText : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // The new text; none stands for an empty one.
  const char* Text() const { return reinterpret_cast<const char*>(LParam()); }
};

// WM_GETTEXT.
class TWMGetText : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // The size of Buffer, the closing zero included.
  std::size_t TextMax() const { return WParam(); }
  char* Buffer() const { return reinterpret_cast<char*>(LParam()); }
};

// WM_GETTEXTLENGTH.
using TWMGetTextLength = TWMNoParams;

// WM_ACTIVATE.
class TWMActivate : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE.
  WORD Active() const { return LOWORD(WParam()); }
  bool Minimized() const { return HIWORD(WParam()) != 0; }
  // The window being deactivated or activated in exchange.
  HWND ActiveWindow() const { return reinterpret_cast<HWND>(LParam()); }
};

// WM_ACTIVATEAPP.
class TWMActivateApp : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  bool Active() const { return WParam() != 0; }
  // The thread of the window activated or deactivated in exchange.
  DWORD ThreadId() const { return static_cast<DWORD>(LParam()); }
};

// WM_SHOWWINDOW.
class TWMShowWindow : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  bool Show() const { return WParam() != 0; }
  // Why: 0 for ShowWindow, else SW_PARENTCLOSING, SW_PARENTOPENING, ...
  int Status() const { return static_cast<int>(LParam()); }
};

// WM_SETFOCUS: the window that lost the focus, if any.
class TWMSetFocus : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HWND FocusedWnd() const { return reinterpret_cast<HWND>(WParam()); }
};

// WM_KILLFOCUS: the window that gets the focus, if any.
class TWMKillFocus : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HWND FocusedWnd() const { return reinterpret_cast<HWND>(WParam()); }
};

// WM_ENABLE.
class TWMEnable : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  bool Enabled() const { return WParam() != 0; }
};

// WM_ENDSESSION.
class TWMEndSession : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  bool EndSession() const { return WParam() != 0; }
  // ENDSESSION_LOGOFF, ...
  UINT Flags() const { return static_cast<UINT>(LParam()); }
};

// WM_QUERYENDSESSION.
class TWMQueryEndSession : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  UINT Flags() const { return static_cast<UINT>(LParam()); }
};

// WM_CTLCOLORMSGBOX ... WM_CTLCOLORSTATIC and their reflections.
class TWMCtlColor : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HDC ChildDC() const { return reinterpret_cast<HDC>(WParam()); }
  HWND ChildWnd() const { return reinterpret_cast<HWND>(LParam()); }
};

// WM_CREATE and WM_NCCREATE.
class TWMCreate : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  CREATESTRUCTA* CreateStruct() const { return reinterpret_cast<CREATESTRUCTA*>(LParam()); }
};
using TWMNCCreate = TWMCreate;

// WM_TIMER.
class TWMTimer : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  UINT_PTR TimerID() const { return WParam(); }
};

// WM_WININICHANGE (WM_SETTINGCHANGE).
class TWMWinIniChange : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // The section or setting that changed; none when the sender does not say.
  const char* Section() const { return reinterpret_cast<const char*>(LParam()); }
};

// WM_INITMENUPOPUP: a pop-up menu is about to open.
class TWMInitMenuPopup : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HMENU MenuPopup() const { return reinterpret_cast<HMENU>(WParam()); }
  // The position of the entry that opens it in its parent menu.
  int Pos() const { return LOWORD(LParam()); }
  bool SystemMenu() const { return HIWORD(LParam()) != 0; }
};

// WM_MENUCHAR: a typed character matched no access key of the open menu. The result is a
// position in the low word and MNC_EXECUTE, MNC_SELECT or MNC_CLOSE in the high word.
class TWMMenuChar : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  char User() const { return static_cast<char>(LOWORD(WParam())); }
  // MF_POPUP or MF_SYSMENU.
  UINT MenuFlag() const { return HIWORD(WParam()); }
  HMENU Menu() const { return reinterpret_cast<HMENU>(LParam()); }
};

// WM_MENUSELECT: the user highlighted an entry; flags 0xFFFF and no menu when the menu
// closed.
class TWMMenuSelect : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  // The command, or for an entry that opens a pop-up its position.
  UINT IDItem() const { return LOWORD(WParam()); }
  UINT MenuFlag() const { return HIWORD(WParam()); }
  HMENU Menu() const { return reinterpret_cast<HMENU>(LParam()); }
};

// WM_CONTEXTMENU: the window clicked with the right button (or asked by key) and the cursor
// in screen coordinates; (-1, -1) when the menu was asked for from the keyboard.
class TWMContextMenu : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  HWND Window() const { return reinterpret_cast<HWND>(WParam()); }
  int XPos() const { return Low(LParam()); }
  int YPos() const { return High(LParam()); }
  POINT Pos() const { return POINT{XPos(), YPos()}; }
};
