#pragma once

#include "TWinControl.h"

// A push button on the standard "BUTTON" window class: its BN_CLICKED notification comes
// back reflected from the parent and becomes Click.
class TTestButton : public TWinControl {
public:
  SORVANE_CLASS(TTestButton, TWinControl)
  SORVANE_MESSAGES

  explicit TTestButton(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;

private:
  void XNCommand(TWMCommand& message);
};

// A single-line edit box on the standard "EDIT" window class.
class TTestEdit : public TWinControl {
public:
  SORVANE_CLASS(TTestEdit, TWinControl)

  explicit TTestEdit(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;
};
