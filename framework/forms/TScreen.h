#pragma once

#include "FormTypes.h"
#include "Published.h"
#include "TComponent.h"

#include <vector>

class TCustomForm;
class TForm;
class TWinControl;

// The forms of the process in creation order, the active form and control, and the screen's
// resolution. One instance, Screen, made by the framework's start-up.
class TScreen : public TComponent {
public:
  SORVANE_CLASS(TScreen, TComponent)

  explicit TScreen(TComponent* owner);

  int CustomFormCount() const { return static_cast<int>(customForms_.size()); }
  TCustomForm* CustomForms(int index) const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const;

  TCustomForm* ActiveCustomForm() const { return activeCustomForm_; }
  TForm* ActiveForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  // Reads the screen's settings again (WM_WININICHANGE).
  void UpdateMetrics();
  // The face names of the fonts installed, sorted; read when first asked for after a change.
  const std::vector<String>& Fonts();
  // Forgets the font list (WM_FONTCHANGE), so the next Fonts() reads it again.
  void ResetFonts() { fonts_.clear(); }
  int Width() const;
  int Height() const;

  void AddCustomForm(TCustomForm* form);
  void AddForm(TForm* form);
  // Forgets a form going away; after the last one the hint window's native window goes too.
  void RemoveForm(TCustomForm* form);
  // Called when a form becomes active or its focused control changes.
  void SetActive(TCustomForm* form, TWinControl* control);

private:
  std::vector<TCustomForm*> customForms_;
  std::vector<TForm*> forms_;
  TCustomForm* activeCustomForm_ = nullptr;
  TForm* activeForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  int pixelsPerInch_ = defaultPixelsPerInch;
  std::vector<String> fonts_;
};

extern TScreen* Screen;

// The global component lookup the forms layer installs for the loader: the form of that name
// (ASCII case-insensitive) among the screen's forms.
TComponent* FindFormByName(std::string_view name);
