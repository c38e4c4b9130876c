#include "TControl.h"

#include "FormLink.h"
#include "FrameworkMessages.h"
#include "HintTracking.h"
#include "MouseCapture.h"
#include "TWinControl.h"
#include "TemporaryChange.h"

#include <algorithm>

SORVANE_MESSAGE_ROWS(TControl){
    SORVANE_ON(WM_LBUTTONDOWN, WMLButtonDown),
    SORVANE_ON(WM_LBUTTONUP, WMLButtonUp),
    SORVANE_ON(WM_LBUTTONDBLCLK, WMLButtonDblClk),
    SORVANE_ON(WM_CANCELMODE, WMCancelMode),
    SORVANE_ON(WM_CONTEXTMENU, WMContextMenu),
    SORVANE_ON(XM_PARENTFONTCHANGED, XMParentFontChanged),
    SORVANE_ON(XM_PARENTCOLORCHANGED, XMParentColorChanged),
    SORVANE_ON(XM_FONTCHANGED, XMFontChanged),
    SORVANE_ON(XM_COLORCHANGED, XMColorChanged),
    SORVANE_ON(XM_ENABLEDCHANGED, XMEnabledChanged),
    SORVANE_ON(XM_VISIBLECHANGED, XMVisibleChanged),
    SORVANE_ON(XM_TEXTCHANGED, XMTextChanged),
    SORVANE_ON(XM_PARENTSHOWHINTCHANGED, XMParentShowHintChanged),
};
SORVANE_MESSAGE_TABLE(TControl)

TPublishedTables TControl::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TControl::Caption, &TControl::SetCaption>("Caption"),
      PublishedProperty<&TControl::Color, &TControl::SetColor>("Color"),
      PublishedProperty<&TControl::Enabled, &TControl::SetEnabled>("Enabled"),
      PublishedProperty<&TControl::FontObject>("Font"),
      PublishedProperty<&TControl::Height, &TControl::SetHeight>("Height"),
      PublishedProperty<&TControl::Left, &TControl::SetLeft>("Left"),
      PublishedProperty<&TControl::ParentColor, &TControl::SetParentColor>("ParentColor"),
      PublishedProperty<&TControl::ParentFont, &TControl::SetParentFont>("ParentFont"),
      PublishedProperty<&TControl::ParentShowHint, &TControl::SetParentShowHint>("ParentShowHint"),
      PublishedProperty<&TControl::PopupMenu, &TControl::SetPopupMenu>("PopupMenu"),
      PublishedProperty<&TControl::ShowHint, &TControl::SetShowHint>("ShowHint"),
      PublishedProperty<&TControl::Top, &TControl::SetTop>("Top"),
      PublishedProperty<&TControl::Visible, &TControl::SetVisible>("Visible"),
      PublishedProperty<&TControl::Width, &TControl::SetWidth>("Width"),
      PublishedProperty<&TControl::Hint, &TControl::SetHint>("Hint"),
      PublishedProperty<&TControl::OnClick>("OnClick"),
      PublishedProperty<&TControl::OnDblClick>("OnDblClick"),
      PublishedProperty<&TControl::OnContextPopup>("OnContextPopup"),
  };
  return {properties};
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  MessageRoute = BindWndMethod<&TControl::WndProc>(this);
  font_.OnChange = [this] { OwnFontChanged(); };
}

TControl::~TControl() {
  if (CaptureControl() == this) {
    SetCaptureControl(nullptr);
  }
  if (parent_) {
    parent_->RemoveControl(this);
  }
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  const bool moved = left != left_ || top != top_ || width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (moved && parent_) {
    parent_->Realign();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) {
    return;
  }
  Invalidate();
  StoreBounds(left, top, width, height);
  ApplyBounds();
}

void TControl::ApplyBounds() { Invalidate(); }

RECT TControl::ClientRect() const { return RECT{0, 0, width_, height_}; }

void TControl::SetClientWidth(int value) {
  SetBounds(left_, top_, width_ + value - ClientWidth(), height_);
}

void TControl::SetClientHeight(int value) {
  SetBounds(left_, top_, width_, height_ + value - ClientHeight());
}

POINT TControl::ClientOrigin() const {
  if (!parent_) {
    return POINT{left_, top_};
  }
  POINT origin = parent_->ClientOrigin();
  return POINT{origin.x + left_, origin.y + top_};
}

POINT TControl::ClientToScreen(POINT point) const {
  POINT origin = ClientOrigin();
  return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) const {
  POINT origin = ClientOrigin();
  return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) {
    return;
  }
  if (parent_) {
    parent_->RemoveControl(this);
  }
  if (parent) {
    parent->InsertControl(this);
  }
}

TFormLink* TControl::ParentForm() const {
  const TControl* control = this;
  while (control->parent_) {
    control = control->parent_;
  }
  return dynamic_cast<TFormLink*>(const_cast<TControl*>(control));
}

TFormLink* TControl::HostForm() const {
  TFormLink* form = ParentForm();
  return form && &form->FormControl() != this ? form : nullptr;
}

void TControl::SetVisible(bool value) {
  if (visible_ == value) {
    return;
  }
  VisibleChanging();
  visible_ = value;
  Deliver(XM_VISIBLECHANGED, value);
  if (parent_) {
    parent_->Realign();
  }
}

void TControl::Show() {
  if (parent_) {
    parent_->Show();
  }
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool value) {
  if (enabled_ != value) {
    enabled_ = value;
    Deliver(XM_ENABLEDCHANGED);
  }
}

String TControl::Text() const {
  auto* self = const_cast<TControl*>(this);
  auto length = static_cast<std::size_t>(self->Deliver(WM_GETTEXTLENGTH));
  String text(length + 1, '\0');
  auto copied = static_cast<std::size_t>(
      self->Deliver(WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

void TControl::SetText(const String& value) {
  if (Text() == value) {
    return;
  }
  Deliver(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  Deliver(XM_TEXTCHANGED);
}

void TControl::SetColor(TColor value) {
  if (color_ != value) {
    color_ = value;
    parentColor_ = false;
    Deliver(XM_COLORCHANGED);
  }
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ != value) {
    parentColor_ = value;
    if (parent_ && !IsReading()) {
      Deliver(XM_PARENTCOLORCHANGED);
    }
  }
}

void TControl::SetParentFont(bool value) {
  if (parentFont_ != value) {
    parentFont_ = value;
    if (parent_ && !IsReading()) {
      Deliver(XM_PARENTFONTCHANGED);
    }
  }
}

void TControl::SetShowHint(bool value) {
  if (showHint_ != value) {
    showHint_ = value;
    parentShowHint_ = false;
    Deliver(XM_SHOWHINTCHANGED);
  }
}

void TControl::SetParentShowHint(bool value) {
  if (parentShowHint_ != value) {
    parentShowHint_ = value;
    if (parent_ && !IsReading()) {
      Deliver(XM_PARENTSHOWHINTCHANGED);
    }
  }
}

void TControl::XMParentShowHintChanged(TMessage&) {
  if (parentShowHint_ && parent_) {
    SetShowHint(parent_->ShowHint());
    parentShowHint_ = true;
  }
}

void TControl::OwnFontChanged() {
  if (!changingFont_) {
    parentFont_ = false;
  }
  Deliver(XM_FONTCHANGED);
}

void TControl::FontChanged() { Invalidate(); }

void TControl::ColorChanged() { Invalidate(); }

void TControl::AttachParent(TComponent* parent) { SetParent(dynamic_cast<TWinControl*>(parent)); }

void TControl::ReadOwnData(TReader& reader) {
  TComponent::ReadOwnData(reader);
  if (parent_) {
    // Right after the control's own data, so that what is read later (siblings, the form's
    // scaling) already sees the font and colour it takes from its parent.
    Deliver(XM_PARENTCOLORCHANGED);
    Deliver(XM_PARENTFONTCHANGED);
    Deliver(XM_PARENTSHOWHINTCHANGED);
    Deliver(XM_ICONFONTCHANGED);
    Deliver(XM_PARENTBIDIMODECHANGED);
  }
}

bool TControl::MouseCapture() const { return CaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (MouseCapture() != value) {
    SetCaptureControl(value ? this : nullptr);
  }
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated() && visible_) {
    RECT bounds = BoundsRect();
    InvalidateRect(parent_->Handle(), &bounds, !(controlStyle_ & csOpaque));
  }
}

void TControl::Update() {
  if (parent_) {
    parent_->Update();
  }
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

LRESULT TControl::Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage record{message, wParam, lParam, 0};
  MessageRoute.Call(MessageRoute.Object, record);
  return record.Result;
}

void TControl::Click() {
  if (OnClick) {
    OnClick(this);
  }
}

bool TControl::PrepareMouse(TMessage& message) {
  if (!(controlStyle_ & csDoubleClicks)) {
    switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
      message.Msg = WM_LBUTTONDOWN;
      break;
    case WM_RBUTTONDBLCLK:
      message.Msg = WM_RBUTTONDOWN;
      break;
    case WM_MBUTTONDBLCLK:
      message.Msg = WM_MBUTTONDOWN;
      break;
    default:
      break;
    }
  }
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
    IncludeControlState(csLButtonDown);
  } else if (message.Msg == WM_LBUTTONUP) {
    ExcludeControlState(csLButtonDown);
  }
  return true;
}

void TControl::WndProc(TMessage& message) {
  if (message.Msg >= WM_KEYFIRST && message.Msg <= WM_KEYLAST) {
    TFormLink* form = HostForm();
    if (form && form->WantChildKey(*this, message)) {
      return;
    }
  } else if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
    if (message.Msg == WM_MOUSEMOVE) {
      TrackHintMouseMove(*this);
    }
    PrepareMouse(message);
  }
  Dispatch(message);
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
  case WM_SETTEXT:
    TakeText(TWMSetText(message));
    break;
  case WM_GETTEXT:
    GiveText(TWMGetText(message));
    break;
  case WM_GETTEXTLENGTH:
    message.Result = static_cast<LRESULT>(text_.size());
    break;
  default:
    break;
  }
}

void TControl::TakeText(TWMSetText message) {
  text_ = message.Text() ? message.Text() : "";
  message.SetResult(TRUE);
}

void TControl::GiveText(TWMGetText message) const {
  if (message.TextMax() == 0) {
    return;
  }
  std::size_t count = std::min(text_.size(), message.TextMax() - 1);
  std::copy_n(text_.data(), count, message.Buffer());
  message.Buffer()[count] = '\0';
  message.SetResult(static_cast<LRESULT>(count));
}

void TControl::DblClick() {
  if (OnDblClick) {
    OnDblClick(this);
  }
}

// The framework's own work on a press comes first, so that the capture it takes is the one
// the native procedure finds; the native procedure then sees the press as well.
void TControl::WMLButtonDown(TWMMouse& message) {
  if (controlStyle_ & csCaptureMouse) {
    SetMouseCapture(true);
  }
  if (controlStyle_ & csClickEvents) {
    IncludeControlState(csClicked);
  }
  DefaultHandler(message);
}

// The second press of a double click: the first press already made its click, so this one
// marks none; the event comes last, after the native procedure.
void TControl::WMLButtonDblClk(TWMMouse& message) {
  if (controlStyle_ & csCaptureMouse) {
    SetMouseCapture(true);
  }
  DefaultHandler(message);
  if (controlStyle_ & csClickEvents) {
    DblClick();
  }
}

void TControl::WMLButtonUp(TWMMouse& message) {
  DefaultHandler(message);
  if (controlStyle_ & csCaptureMouse) {
    SetMouseCapture(false);
  }
  if (controlState_ & csClicked) {
    ExcludeControlState(csClicked);
    RECT client = ClientRect();
    if (PtInRect(&client, message.Pos())) {
      Click();
    }
  }
}

void TControl::WMCancelMode(TWMNoParams&) {
  if (MouseCapture()) {
    SetMouseCapture(false);
    ExcludeControlState(csClicked | csLButtonDown);
  }
}

void TControl::XMParentFontChanged(TMessage&) {
  if (parentFont_ && parent_) {
    TTemporaryChange changing(changingFont_, true);
    font_.Assign(parent_->Font());
  }
}

void TControl::XMParentColorChanged(TMessage&) {
  if (parentColor_ && parent_) {
    SetColor(parent_->Color());
    parentColor_ = true;
  }
}

void TControl::XMFontChanged(TMessage&) { FontChanged(); }

void TControl::XMColorChanged(TMessage&) { ColorChanged(); }

void TControl::XMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::XMVisibleChanged(TMessage&) { Invalidate(); }

void TControl::XMTextChanged(TMessage&) { Invalidate(); }

LRESULT Deliver(TControl* control, UINT message, WPARAM wParam, LPARAM lParam) {
  return control ? control->Deliver(message, wParam, lParam) : 0;
}
