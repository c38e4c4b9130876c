#pragma once

#include "MessageRecords.h"

class TControl;
class TWinControl;

// What a control asks of the form it sits on: the form's share of the keyboard and focus
// paths. The form class answers; the controls know the form only through this, so the
// control layer stands below the form layer.
class TFormLink {
public:
  // The form as a control.
  virtual TWinControl& FormControl() = 0;
  // Whether the form takes a key message of one of its controls itself.
  virtual bool WantChildKey(TControl& child, TMessage& message) = 0;
  // The focus moved to control (WM_SETFOCUS); false refuses it.
  virtual bool SetFocusedControl(TWinControl* control) = 0;
  // Gives control the focus, making the form active.
  virtual void FocusControl(TWinControl* control) = 0;
  // The form's shortcut check for a key down.
  virtual bool IsShortCut(TWMKey& message) = 0;
  // The form's own key-down handling when it previews its controls' keys; true when it used
  // the key up.
  virtual bool PreviewKeyDown(TWMKey& message) = 0;
  // The form's modal result (a button's ModalResult when it is clicked).
  virtual void SetModalResult(int value) = 0;

  // The control of the form that last took the focus, as the controls noted it; none before
  // the first and after it left the form.
  TWinControl* FocusedControl() const { return focused_; }
  void NoteFocused(TWinControl* control) { focused_ = control; }
  // Forgets the focused control when it is control or lies inside it (control is leaving).
  void ForgetFocused(const TControl& control);

protected:
  TFormLink() = default;
  TFormLink(const TFormLink&) = delete;
  TFormLink& operator=(const TFormLink&) = delete;
  ~TFormLink() = default;

private:
  TWinControl* focused_ = nullptr;
};
