#pragma once

#include "ControlTypes.h"
#include "TWinControl.h"

// A single-line edit box on the standard "EDIT" window class. Its text is the window's; a
// change is reported by EN_CHANGE (reflected from the parent) as OnChange. The style
// properties re-create the window; with AutoSize the height follows the font.
class TCustomEdit : public TWinControl {
public:
  SORVANE_CLASS(TCustomEdit, TWinControl)
  SORVANE_MESSAGES

  explicit TCustomEdit(TComponent* owner);

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool OEMConvert() const { return oemConvert_; }
  void SetOEMConvert(bool value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);

  // Whether the user changed the text since the window was made or Modified was cleared.
  bool Modified() const;
  void SetModified(bool value);
  int SelStart() const;
  int SelLength() const;
  void SetSelection(int start, int length);
  void SelectAll();
  void Clear() { SetText(String()); }

  TNotifyEvent OnChange;

protected:
  // Calls OnChange.
  virtual void Change();
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AdjustSize() override;
  void FontChanged() override;
  void FinishLoading() override;
  void DoEnter() override;

private:
  void AdjustHeight();
  void SetStyleFlag(bool& flag, bool value);

  void XNCommand(TWMCommand& message);
  void XMTextChanged(TMessage& message);

  bool autoSelect_ = true;
  bool autoSize_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  TEditCharCase charCase_ = ecNormal;
  bool hideSelection_ = true;
  int maxLength_ = 0;
  bool oemConvert_ = false;
  char passwordChar_ = '\0';
  bool readOnly_ = false;
  bool creating_ = false;
};
