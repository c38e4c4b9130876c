#pragma once

#include "TMenu.h"

// A menu that opens at a point of the screen, for a control's right-button click or by
// code. The chosen command is carried out when the menu closes; the other menu messages of
// the open menu arrive at the window of the pop-up list. A pop-up menu of a control (or of a
// control's parent) also claims the keys of its shortcuts.
class TPopupMenu : public TMenu {
public:
  SORVANE_CLASS(TPopupMenu, TMenu)
  SORVANE_PUBLISHED

  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  bool IsPopup() const override { return true; }

  // Opens the menu with its top-left corner at the screen point (x, y) and returns when it
  // has closed; a chosen command has reached its item's OnClick by then.
  virtual void Popup(int x, int y);
  // Whether a right-button click on the control opens it.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  // The control the menu was last opened for.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

  // Called before the menu opens.
  TNotifyEvent OnPopup;

  void ComponentNotice(TComponent* component, TOperation operation) override;

private:
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
};
