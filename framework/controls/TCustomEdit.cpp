#include "TCustomEdit.h"

#include "FrameworkMessages.h"
#include "TemporaryChange.h"

SORVANE_MESSAGE_ROWS(TCustomEdit){
    SORVANE_ON(XN_COMMAND, XNCommand),
    SORVANE_ON(XM_TEXTCHANGED, XMTextChanged),
};
SORVANE_MESSAGE_TABLE(TCustomEdit)

namespace {

// Space between the text and the border, above and below (two pixels each).
constexpr int textMargins = 4;

int FontTextHeight(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return metrics.tmHeight;
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  AdjustHeight();
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= ES_AUTOVSCROLL | ES_AUTOHSCROLL;
  AddBorderStyles(borderStyle_, Ctl3D(), params.Style, params.ExStyle);
  if (passwordChar_ != '\0') {
    params.Style |= ES_PASSWORD;
  }
  if (readOnly_) {
    params.Style |= ES_READONLY;
  }
  if (charCase_ == ecUpperCase) {
    params.Style |= ES_UPPERCASE;
  } else if (charCase_ == ecLowerCase) {
    params.Style |= ES_LOWERCASE;
  }
  if (!hideSelection_) {
    params.Style |= ES_NOHIDESEL;
  }
  if (oemConvert_) {
    params.Style |= ES_OEMCONVERT;
  }
}

// The window reports no change while it is being made; the settings that are messages rather
// than styles are applied to the new window.
void TCustomEdit::CreateWnd() {
  {
    TTemporaryChange creating(creating_, true);
    TWinControl::CreateWnd();
  }
  SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_ != '\0') {
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
  }
}

void TCustomEdit::SetStyleFlag(bool& flag, bool value) {
  if (flag != value) {
    flag = value;
    RecreateWnd();
  }
}

void TCustomEdit::SetAutoSize(bool value) {
  if (autoSize_ != value) {
    autoSize_ = value;
    AdjustHeight();
  }
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ != value) {
    borderStyle_ = value;
    AdjustHeight();
    RecreateWnd();
  }
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (charCase_ != value) {
    charCase_ = value;
    RecreateWnd();
  }
}

void TCustomEdit::SetHideSelection(bool value) { SetStyleFlag(hideSelection_, value); }

void TCustomEdit::SetOEMConvert(bool value) { SetStyleFlag(oemConvert_, value); }

void TCustomEdit::SetReadOnly(bool value) {
  if (readOnly_ != value) {
    readOnly_ = value;
    if (HandleAllocated()) {
      SendMessageA(Handle(), EM_SETREADONLY, value, 0);
    }
  }
}

void TCustomEdit::SetPasswordChar(char value) {
  if (passwordChar_ != value) {
    passwordChar_ = value;
    RecreateWnd();
  }
}

void TCustomEdit::SetMaxLength(int value) {
  if (maxLength_ != value) {
    maxLength_ = value;
    if (HandleAllocated()) {
      SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
    }
  }
}

bool TCustomEdit::Modified() const {
  auto* self = const_cast<TCustomEdit*>(this);
  return HandleAllocated() && SendMessageA(self->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool value) {
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETMODIFY, value, 0);
  }
}

int TCustomEdit::SelStart() const {
  DWORD start = 0;
  auto* self = const_cast<TCustomEdit*>(this);
  SendMessageA(self->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  DWORD start = 0;
  DWORD end = 0;
  auto* self = const_cast<TCustomEdit*>(this);
  SendMessageA(self->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelection(int start, int length) {
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::Change() {
  if (OnChange) {
    OnChange(this);
  }
}

void TCustomEdit::XNCommand(TWMCommand& message) {
  if (message.NotifyCode() == EN_CHANGE && !creating_) {
    Change();
  }
}

// A single-line window reports the change through EN_CHANGE; without a window, or with a
// multi-line one (which reports none for a text written to it), the notice does.
void TCustomEdit::XMTextChanged(TMessage&) {
  Invalidate();
  bool multiLine =
      HandleAllocated() && (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
  if (!HandleAllocated() || multiLine) {
    Change();
  }
}

// The keyboard brings the focus with the whole text selected; a click places the caret.
void TCustomEdit::DoEnter() {
  if (autoSelect_ && !(ControlState() & csLButtonDown)) {
    SelectAll();
  }
  TWinControl::DoEnter();
}

void TCustomEdit::AdjustHeight() {
  if (!autoSize_ || IsLoading()) {
    return;
  }
  DWORD style = 0;
  DWORD exStyle = 0;
  AddBorderStyles(borderStyle_, Ctl3D(), style, exStyle);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  SetHeight(FontTextHeight(Font().Handle()) + (frame.bottom - frame.top) + textMargins);
}

void TCustomEdit::AdjustSize() { AdjustHeight(); }

void TCustomEdit::FontChanged() {
  TWinControl::FontChanged();
  AdjustHeight();
}

void TCustomEdit::FinishLoading() {
  TWinControl::FinishLoading();
  AdjustHeight();
}
