#pragma once

#include "MessageRecords.h"
#include "TDispatcher.h"
#include "TUtilityWindow.h"

#include <vector>

class TPopupMenu;

// The pop-up menus of the process and the hidden window that owns them while they are open:
// the window system sends that window the menu messages of an open pop-up (a pop-up that
// opens, a character no access key took), and the list hands each to the menus until one
// takes it.
class TPopupList : public TDispatcher {
public:
  using ThisClass = TPopupList;
  using Inherited = TDispatcher;
  SORVANE_MESSAGES

  // The one list; made with the first pop-up menu.
  static TPopupList& Instance();

  void Add(TPopupMenu* menu);
  void Remove(TPopupMenu* menu);
  HWND Window() const { return window_.Handle(); }

protected:
  void DefaultHandler(TMessage& message) override;

private:
  TPopupList();

  void WndProc(TMessage& message);
  void WMInitMenuPopup(TWMInitMenuPopup& message);
  void WMMenuChar(TWMMenuChar& message);

  std::vector<TPopupMenu*> menus_;
  TUtilityWindow window_;
};
