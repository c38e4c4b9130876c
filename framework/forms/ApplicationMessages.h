#pragma once

#include "FrameworkMessages.h"
#include "MessageRecords.h"

// The application window's own notices and the records they travel in.

// A hook of the application window: sees every message first; true consumes it.
struct TWindowHook {
  bool (*Function)(void* object, TMessage& message) = nullptr;
  void* Object = nullptr;
  bool operator==(const TWindowHook&) const = default;
};

// XM_HOOKWINDOW: wParam says whether the hook LParam points to is added or removed.
inline constexpr WPARAM hookAdd = 0;
inline constexpr WPARAM hookRemove = 1;

class TXMHookWindow : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  bool Removes() const { return WParam() == hookRemove; }
  const TWindowHook& Hook() const { return *reinterpret_cast<const TWindowHook*>(LParam()); }
};

// XM_DIALOGHANDLE: wParam asks for the modeless dialog's window or names it in LParam.
inline constexpr WPARAM dialogHandleSet = 0;
inline constexpr WPARAM dialogHandleQuery = 1;

class TXMDialogHandle : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;

  bool Queries() const { return WParam() == dialogHandleQuery; }
  HWND Window() const { return reinterpret_cast<HWND>(LParam()); }
};
