#pragma once

#include "TWinControl.h"

#include <vector>

// A push button on the standard "BUTTON" window class: its BN_CLICKED notification comes
// back reflected from the parent and becomes Click (the framework's own click path is off).
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

// A list box on the standard "LISTBOX" window class: LBN_SELCHANGE becomes Click and
// LBN_DBLCLK DblClick.
class TTestListBox : public TWinControl {
public:
  SORVANE_CLASS(TTestListBox, TWinControl)
  SORVANE_MESSAGES

  explicit TTestListBox(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;

private:
  void XNCommand(TWMCommand& message);
};

// A horizontal scroll bar on the standard "SCROLLBAR" window class; keeps the codes of the
// scroll notices that reach it.
class TTestScrollBar : public TWinControl {
public:
  SORVANE_CLASS(TTestScrollBar, TWinControl)
  SORVANE_MESSAGES

  explicit TTestScrollBar(TComponent* owner);

  std::vector<int> scrollCodes;

protected:
  void CreateParams(TCreateParams& params) override;

private:
  void XNHScroll(TWMScroll& message);
};
