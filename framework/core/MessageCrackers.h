#pragma once

#include "Message.h"

// Typed readings of the message words, so handlers never take WPARAM and LPARAM apart
// themselves.

// WM_COMMAND and its reflection.
inline WORD CommandNotifyCode(const TMessage& m) { return HIWORD(m.WParam); }

// WM_NOTIFY and its reflection.
inline const NMHDR* NotifyHeader(const TMessage& m) { return reinterpret_cast<NMHDR*>(m.LParam); }

// WM_HSCROLL, WM_VSCROLL and WM_CTLCOLOR*: the child window in LParam.
inline HWND MessageChild(const TMessage& m) { return reinterpret_cast<HWND>(m.LParam); }
inline HDC MessageDC(const TMessage& m) { return reinterpret_cast<HDC>(m.WParam); }

// Key messages: the character or virtual key.
inline WORD KeyCode(const TMessage& m) { return LOWORD(m.WParam); }

// Mouse messages: the client position.
inline POINT MousePoint(const TMessage& m) {
  return POINT{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
}

// WM_SYSCOMMAND: the command without the system's low bits.
inline WPARAM SysCommand(const TMessage& m) { return m.WParam & 0xFFF0; }

// WM_SHOWWINDOW: the reason.
inline LPARAM ShowWindowStatus(const TMessage& m) { return m.LParam; }

// WM_SETTEXT and WM_GETTEXT.
inline const char* MessageText(const TMessage& m) {
  return reinterpret_cast<const char*>(m.LParam);
}
inline char* MessageBuffer(const TMessage& m) { return reinterpret_cast<char*>(m.LParam); }
