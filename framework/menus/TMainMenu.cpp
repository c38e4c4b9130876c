#include "TMainMenu.h"

#include "FrameworkMessages.h"

namespace {

TMenuAutoFlag AsMenuFlag(TMenuItemAutoFlag value) {
  return value == maManual ? TMenuAutoFlag::maManual : TMenuAutoFlag::maAutomatic;
}

TMenuItemAutoFlag AsItemFlag(TMenuAutoFlag value) {
  return value == TMenuAutoFlag::maManual ? maManual : maAutomatic;
}

} // namespace

TPublishedTables TMainMenu::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TMainMenu::AutoHotkeys, &TMainMenu::SetAutoHotkeys>("AutoHotkeys"),
      PublishedProperty<&TMainMenu::AutoLineReduction, &TMainMenu::SetAutoLineReduction>(
          "AutoLineReduction"),
      PublishedProperty<&TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge>("AutoMerge"),
      PublishedProperty<&TMainMenu::OnChange>("OnChange"),
  };
  return {properties};
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMenuAutoFlag TMainMenu::AutoHotkeys() const { return AsMenuFlag(Items()->AutoHotkeys()); }

void TMainMenu::SetAutoHotkeys(TMenuAutoFlag value) { Items()->SetAutoHotkeys(AsItemFlag(value)); }

TMenuAutoFlag TMainMenu::AutoLineReduction() const {
  return AsMenuFlag(Items()->AutoLineReduction());
}

void TMainMenu::SetAutoLineReduction(TMenuAutoFlag value) {
  Items()->SetAutoLineReduction(AsItemFlag(value));
}

void TMainMenu::SetAutoMerge(bool value) {
  if (autoMerge_ != value) {
    autoMerge_ = value;
    if (TMenu* host = value ? nullptr : MergedInto()) {
      host->Unmerge(this);
    }
    if (WindowHandle()) {
      SendMessageA(WindowHandle(), XM_MENUCHANGED, 0, 0);
    }
  }
}

void TMainMenu::MenuChanged(TObject* sender, TMenuItem* source, bool rebuild) {
  if (WindowHandle()) {
    UpdateImage();
    if (!source) {
      SendMessageA(WindowHandle(), XM_MENUCHANGED, 0, 0);
    }
  }
  TMenu::MenuChanged(sender, source, rebuild);
}
