#pragma once

#include "Message.h"

// The object and message method a window's messages are forwarded to.
struct TWndMethod {
  void* Object = nullptr;
  void (*Call)(void* object, TMessage& message) = nullptr;
};

// Binds a message method `void Class::Method(TMessage&)` of object as a TWndMethod.
template <auto Method, class Class> TWndMethod BindWndMethod(Class* object) {
  return TWndMethod{object, [](void* target, TMessage& message) {
                      (static_cast<Class*>(target)->*Method)(message);
                    }};
}

// A window procedure entry: the window system calls its procedure, which finds the entry of
// the window through a window property and forwards the message to the bound method with a
// message record whose Result starts at 0, returning that Result. No generated code is
// involved, so the same entry works for 32- and 64-bit builds. The entry is detached from its
// window when the window is destroyed (WM_NCDESTROY) or when the owning object detaches it.
class TWindowProcEntry {
public:
  explicit TWindowProcEntry(TWndMethod target) : target_(target) {}
  TWindowProcEntry(const TWindowProcEntry&) = delete;
  TWindowProcEntry& operator=(const TWindowProcEntry&) = delete;

  // Ties window to this entry; the window's procedure must be (or become) Procedure().
  void Attach(HWND window);
  // Unties window from whatever entry it has.
  static void Detach(HWND window);
  // True when window is tied to this entry.
  bool IsAttached(HWND window) const;

  // The one window procedure behind all entries.
  static WNDPROC Procedure();

private:
  static LRESULT CALLBACK Forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  TWndMethod target_;
};
