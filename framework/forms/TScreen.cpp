#include "TScreen.h"

#include "TApplication.h"
#include "TFont.h"
#include "TForm.h"
#include "THintWindow.h"

#include <algorithm>

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner), pixelsPerInch_(ScreenPixelsPerInch()) {}

void TScreen::UpdateMetrics() { pixelsPerInch_ = ScreenPixelsPerInch(); }

namespace {

int CALLBACK AddFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
  reinterpret_cast<std::vector<String>*>(list)->emplace_back(font->lfFaceName);
  return 1;
}

} // namespace

const std::vector<String>& TScreen::Fonts() {
  if (fonts_.empty()) {
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &all, AddFace, reinterpret_cast<LPARAM>(&fonts_), 0);
    ReleaseDC(nullptr, screen);
    std::sort(fonts_.begin(), fonts_.end());
    fonts_.erase(std::unique(fonts_.begin(), fonts_.end()), fonts_.end());
  }
  return fonts_;
}

TCustomForm* TScreen::CustomForms(int index) const {
  return customForms_.at(static_cast<std::size_t>(index));
}

TForm* TScreen::Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::AddCustomForm(TCustomForm* form) { customForms_.push_back(form); }

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form) {
  std::erase(customForms_, form);
  std::erase_if(forms_, [form](TForm* f) { return static_cast<TCustomForm*>(f) == form; });
  // With no form left there is nothing to show a hint over: its window goes until the next.
  if (customForms_.empty() && Application && Application->HintWindow()) {
    Application->HintWindow()->ReleaseHandle();
  }
  if (activeCustomForm_ == form) {
    activeCustomForm_ = nullptr;
    activeForm_ = nullptr;
    activeControl_ = nullptr;
  }
}

TComponent* FindFormByName(std::string_view name) {
  if (!Screen) {
    return nullptr;
  }
  for (int i = 0; i < Screen->CustomFormCount(); ++i) {
    TCustomForm* form = Screen->CustomForms(i);
    if (SameName(form->Name(), name)) {
      return form;
    }
  }
  return nullptr;
}

void TScreen::SetActive(TCustomForm* form, TWinControl* control) {
  activeCustomForm_ = form;
  activeForm_ = dynamic_cast<TForm*>(form);
  activeControl_ = control;
}
