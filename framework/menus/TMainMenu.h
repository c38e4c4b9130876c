#pragma once

#include "TMenu.h"

// The menu bar of a form. Attached to its form's window, it redraws the bar when the bar's
// image changed and tells the form (XM_MENUCHANGED) when the bar itself was made anew, so
// the form puts the new one on its window.
class TMainMenu : public TMenu {
public:
  SORVANE_CLASS(TMainMenu, TMenu)
  SORVANE_PUBLISHED

  explicit TMainMenu(TComponent* owner);

  bool IsMainMenu() const override { return true; }

  TMenuAutoFlag AutoHotkeys() const;
  void SetAutoHotkeys(TMenuAutoFlag value);
  TMenuAutoFlag AutoLineReduction() const;
  void SetAutoLineReduction(TMenuAutoFlag value);
  // An auto-merged menu is shown in the main form's bar, not in its own form's.
  bool AutoMerge() const { return autoMerge_; }
  void SetAutoMerge(bool value);

protected:
  void MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) override;
  // An auto-merged menu knows its form's window, to tell the form when AutoMerge changes,
  // but has no bar there.
  bool ShowsOwnBar() const override { return !autoMerge_; }

private:
  bool autoMerge_ = false;
};
