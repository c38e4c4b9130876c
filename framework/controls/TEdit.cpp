#include "TEdit.h"

TPublishedTables TEdit::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TEdit::AutoSelect, &TEdit::SetAutoSelect>("AutoSelect"),
      PublishedProperty<&TEdit::AutoSize, &TEdit::SetAutoSize>("AutoSize"),
      BorderStyleProperty<&TEdit::BorderStyle, &TEdit::SetBorderStyle>("BorderStyle"),
      PublishedProperty<&TEdit::CharCase, &TEdit::SetCharCase>("CharCase"),
      PublishedProperty<&TEdit::HideSelection, &TEdit::SetHideSelection>("HideSelection"),
      PublishedProperty<&TEdit::MaxLength, &TEdit::SetMaxLength>("MaxLength"),
      PublishedProperty<&TEdit::OEMConvert, &TEdit::SetOEMConvert>("OEMConvert"),
      PublishedProperty<&TEdit::PasswordChar, &TEdit::SetPasswordChar>("PasswordChar"),
      PublishedProperty<&TEdit::ReadOnly, &TEdit::SetReadOnly>("ReadOnly"),
      PublishedProperty<&TEdit::Text, &TEdit::SetText>("Text"),
      PublishedProperty<&TEdit::OnChange>("OnChange"),
  };
  return {properties};
}
