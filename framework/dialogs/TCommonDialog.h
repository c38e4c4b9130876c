#pragma once

#include "MessageRecords.h"
#include "Published.h"
#include "ScopeGuard.h"
#include "TComponent.h"
#include "TDispatcher.h"
#include "TWindowProcEntry.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdint>
#include <vector>

// The context number a dialog's Help button shows.
using THelpContext = std::int32_t;

// The base of the common dialogs: a non-visual component that runs one of the system's
// dialogs modally. While the dialog is open its window is subclassed, so its messages reach
// this component's handler table first and what it leaves goes to the dialog's own
// procedure; the window is forgotten when it is destroyed.
//
// Hooks and handlers report what they raise through the installed reporter and go on: an
// exception never leaves into the dialog's own code.
class TCommonDialog : public TComponent, public TDispatcher {
public:
  SORVANE_CLASS(TCommonDialog, TComponent)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TCommonDialog(TComponent* owner);
  ~TCommonDialog() override;

  // Runs the dialog; true when the user accepted it.
  virtual bool RunDialog() = 0;

  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value) { ctl3D_ = value; }
  THelpContext HelpContext() const { return helpContext_; }
  void SetHelpContext(THelpContext value) { helpContext_ = value; }
  // The dialog window while the dialog is open; none otherwise.
  HWND Handle() const { return handle_; }

  // When the dialog window has been set up, and when it is destroyed.
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

  // The message the common dialogs send their owner when Help is pressed.
  static UINT HelpMessage();

protected:
  // Ties window to this component: its messages come to the handler table first, and what
  // the table leaves goes to the window's previous procedure. The first call of a run wins.
  void SubclassDialog(HWND window);
  // Runs show task-modally: the other windows of the program are disabled, the help
  // message the application window receives is routed to this dialog, and afterwards (also
  // when show raises) the windows are enabled again and the window active before is
  // activated again. Gives what show gives.
  template <class Show> bool RunTaskModal(Show show);

  virtual void DoShow();
  virtual void DoClose();

  void DefaultHandler(TMessage& message) override;
  // The subclassed window's message method: the help message, then dispatch; reports what
  // escapes.
  void WndProc(TMessage& message);

  // The answer a dialog procedure gives for a message it handled: the result is also stored
  // as the dialog's message result (DWLP_MSGRESULT), where the dialog manager reads it.
  void SetDialogResult(TMessage& message, LRESULT result);

  void WMInitDialog(TWMNoParams& message);

private:
  struct TTaskModalState;
  TTaskModalState EnterTaskModal();
  void LeaveTaskModal(const TTaskModalState& state);
  static bool RouteHelp(void* object, TMessage& message);
  void Help(TMessage& message);

  void WMDestroy(TWMNoParams& message);
  void WMNCDestroy(TWMNoParams& message);

  bool ctl3D_ = true;
  THelpContext helpContext_ = 0;
  HWND handle_ = nullptr;
  WNDPROC previousProcedure_ = nullptr;
  TWindowProcEntry entry_;
};

struct TCommonDialog::TTaskModalState {
  HWND active = nullptr;
  std::vector<HWND> disabled;
};

template <class Show> bool TCommonDialog::RunTaskModal(Show show) {
  const TTaskModalState state = EnterTaskModal();
  TScopeGuard leave([&] { LeaveTaskModal(state); });
  return show();
}
