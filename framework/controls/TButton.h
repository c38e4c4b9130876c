#pragma once

#include "ControlTypes.h"
#include "TButtonControl.h"

// A push button. Its click (BN_CLICKED, reflected from the parent) sets the form's modal
// result to ModalResult and calls OnClick. Enter clicks the active button, the focused one or
// else the default one, and Escape a cancel button; the active button wears the default
// frame (BS_DEFPUSHBUTTON). The accelerator of its caption clicks it too.
class TButton : public TButtonControl {
public:
  SORVANE_CLASS(TButton, TButtonControl)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Whether Enter clicks the button now.
  bool Active() const { return active_; }

  // The form's modal result := ModalResult, then OnClick.
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;

private:
  // Switches between the default frame and the plain one.
  void SetActive(bool value);
  // Whether an unshifted key, from a button that can take the focus, clicks it.
  bool TakesKey(const TWMKey& message) const;

  void XNCommand(TWMCommand& message);
  void XMDialogKey(TWMKey& message);
  void XMDialogChar(TWMKey& message);
  void XMFocusChanged(TMessage& message);

  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};
