// The button bar: glyphs, layout, painting, the mouse and the keyboard, automatic enabling.
#include "TMediaPlayer.h"

#include "Format.h"
#include "ScopeGuard.h"

#include <algorithm>

SORVANE_MESSAGE_ROWS(TMediaPlayer){
    SORVANE_ON(MM_MCINOTIFY, MMMciNotify),     SORVANE_ON(WM_SIZE, WMSize),
    SORVANE_ON(WM_LBUTTONDOWN, WMLButtonDown), SORVANE_ON(WM_LBUTTONDBLCLK, WMLButtonDown),
    SORVANE_ON(WM_MOUSEMOVE, WMMouseMove),     SORVANE_ON(WM_LBUTTONUP, WMLButtonUp),
    SORVANE_ON(WM_SETFOCUS, WMSetFocus),       SORVANE_ON(WM_KILLFOCUS, WMKillFocus),
    SORVANE_ON(WM_GETDLGCODE, WMGetDlgCode),
};
SORVANE_MESSAGE_TABLE(TMediaPlayer)

void TMediaPlayer::LoadGlyphs() {
  static const char* const names[] = {"MPPLAY", "MPPAUSE", "MPSTOP",   "MPNEXT", "MPPREV",
                                      "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  static const char* const prefixes[] = {"EN", "DI", "CL"};
  minimumButton_ = SIZE{0, 0};
  for (int b = 0; b < buttonCount; ++b) {
    for (int kind = 0; kind < 3; ++kind) {
      TButtonGlyph& glyph = Face(b).glyphs[static_cast<std::size_t>(kind)];
      glyph.Load(Format("%s_%s", {prefixes[kind], names[b]}));
      minimumButton_.cx = std::max<LONG>(minimumButton_.cx, glyph.Width());
      minimumButton_.cy = std::max<LONG>(minimumButton_.cy, glyph.Height());
    }
  }
  minimumButton_.cx += 8;
  minimumButton_.cy += 4;
}

bool TMediaPlayer::ButtonEffectivelyEnabled(TMPBtnType button) const {
  const TBarButton& face = Face(button);
  return autoEnable_ ? face.autoEnabled : face.enabled;
}

int TMediaPlayer::VisibleCount() const {
  int count = static_cast<int>(std::count_if(buttons_.begin(), buttons_.end(),
                                             [](const TBarButton& b) { return b.visible; }));
  return std::max(count, 1);
}

void TMediaPlayer::StoreButtons(TButtonSet set, bool TBarButton::*flag) {
  for (int b = 0; b < buttonCount; ++b) {
    Face(b).*flag = set.Contains(static_cast<TMPBtnType>(b));
  }
}

void TMediaPlayer::SetVisibleButtons(TButtonSet value) {
  visibleButtons_ = value;
  StoreButtons(value, &TBarButton::visible);
  if (ComponentState().Contains(csUpdating)) {
    buttonWidth_ = (Width() - 1) / VisibleCount() + 1;
  } else {
    ReadjustWidth();
  }
  Invalidate();
}

void TMediaPlayer::ReadjustWidth() { SetWidth(VisibleCount() * (buttonWidth_ - 1) + 1); }

void TMediaPlayer::SetEnabledButtons(TButtonSet value) {
  enabledButtons_ = value;
  StoreButtons(value, &TBarButton::enabled);
  Invalidate();
}

void TMediaPlayer::SetColoredButtons(TButtonSet value) {
  coloredButtons_ = value;
  StoreButtons(value, &TBarButton::colored);
  Invalidate();
}

void TMediaPlayer::SetAutoEnable(bool value) {
  if (autoEnable_ == value) {
    return;
  }
  autoEnable_ = value;
  if (value) {
    ApplyAutoButtons();
  } else {
    SetEnabledButtons(enabledButtons_);
  }
}

void TMediaPlayer::ApplyAutoButtons() {
  StoreButtons(autoButtons_, &TBarButton::autoEnabled);
  Invalidate();
}

void TMediaPlayer::PlayAdjust() {
  autoButtons_.Exclude(btPlay);
  autoButtons_.Exclude(btRecord);
  autoButtons_.Include(btPause);
  autoButtons_.Include(btStop);
}

void TMediaPlayer::StopAdjust() {
  if (canPlay_) {
    autoButtons_.Include(btPlay);
  }
  if (canRecord_) {
    autoButtons_.Include(btRecord);
  }
  autoButtons_.Exclude(btPause);
  autoButtons_.Exclude(btStop);
}

void TMediaPlayer::AdjustAutoButtons(TMPBtnType button) {
  switch (button) {
  case btPlay:
  case btRecord:
    PlayAdjust();
    break;
  case btPause:
    if (canPlay_) {
      autoButtons_.Include(btPlay);
    }
    if (canRecord_) {
      autoButtons_.Include(btRecord);
    }
    break;
  default:
    StopAdjust();
    break;
  }
}

// Layout: the buttons share the width evenly and overlap by one column; the control takes
// the width they need, but never less than the glyphs need.
void TMediaPlayer::WMSize(TWMSize& message) {
  DefaultHandler(message);
  message.SetResult(0);
  if (ComponentState().Contains(csUpdating)) {
    return;
  }
  int count = VisibleCount();
  buttonWidth_ = (Width() - 1) / count + 1;
  int width = std::max(count * (buttonWidth_ - 1) + 1,
                       count * (static_cast<int>(minimumButton_.cx) - 1) + 1);
  int height = std::max(Height(), static_cast<int>(minimumButton_.cy));
  if (width != Width() || height != Height()) {
    SetBounds(Left(), Top(), width, height);
  }
}

void TMediaPlayer::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Pen().SetColor(clWindowFrame);
  canvas.Pen().SetWidth(1);
  canvas.Rectangle(RECT{0, 0, Width(), Height()});
  int x = 0;
  for (int b = 0; b < buttonCount; ++b) {
    if (Face(b).visible) {
      DrawButton(static_cast<TMPBtnType>(b), x);
      x += buttonWidth_ - 1;
    }
  }
}

TMediaPlayer::TGlyphKind TMediaPlayer::GlyphKindOf(const TBarButton& button) const {
  if (!Enabled() && !IsDesigning()) {
    return gkDisabled;
  }
  bool enabled = autoEnable_ && !IsDesigning() ? button.autoEnabled : button.enabled;
  if (!enabled) {
    return gkDisabled;
  }
  return button.colored ? gkColored : gkEnabled;
}

void TMediaPlayer::DrawButton(TMPBtnType button, int x) {
  TCanvas& canvas = Canvas();
  bool down = shownDown_ && button == currentButton_;
  int right = x + buttonWidth_;
  int bottom = Height();
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(clBtnFace);
  canvas.Pen().SetColor(clWindowFrame);
  canvas.Pen().SetWidth(1);
  canvas.Rectangle(RECT{x, 0, right, bottom});
  canvas.Pen().SetColor(down ? clBtnShadow : clBtnHighlight);
  canvas.MoveTo(x + 1, bottom - 2);
  canvas.LineTo(x + 1, 1);
  canvas.LineTo(right - 1, 1);
  if (!down) {
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(x + 2, bottom - 2);
    canvas.LineTo(right - 2, bottom - 2);
    canvas.LineTo(right - 2, 1);
  }
  const TButtonGlyph& glyph =
      Face(button).glyphs[static_cast<std::size_t>(GlyphKindOf(Face(button)))];
  int shift = down ? 1 : 0;
  glyph.Draw(canvas, x + buttonWidth_ / 2 - glyph.Width() / 2 + shift,
             bottom / 2 - glyph.Height() / 2 + shift);
  if (HandleAllocated() && GetFocus() == Handle() && button == focusedButton_) {
    RECT focus{x + 3 + shift, 3 + shift, right - 3 + shift, bottom - 3 + shift};
    canvas.DrawFocusRect(focus);
  }
}

// The first visible button whose columns hold x; on a shared column the left one.
bool TMediaPlayer::HitButton(int x, TMPBtnType& hit, int& left) const {
  int start = 0;
  for (int b = 0; b < buttonCount; ++b) {
    if (!Face(b).visible) {
      continue;
    }
    if (start <= x && x <= start + buttonWidth_) {
      hit = static_cast<TMPBtnType>(b);
      left = start;
      return true;
    }
    start += buttonWidth_ - 1;
  }
  return false;
}

void TMediaPlayer::WMLButtonDown(TWMMouse& message) {
  TMPBtnType hit = btPlay;
  int left = 0;
  if (!HitButton(message.XPos(), hit, left) || !ButtonEffectivelyEnabled(hit)) {
    return;
  }
  currentButton_ = hit;
  if (hit != focusedButton_) {
    focusedButton_ = hit;
    Repaint();
  }
  pressedRect_ = RECT{left, 0, left + buttonWidth_, Height()};
  tracking_ = true;
  shownDown_ = true;
  DrawButton(hit, left);
  SetMouseCapture(true);
}

void TMediaPlayer::WMMouseMove(TWMMouse& message) {
  if (!tracking_) {
    return;
  }
  POINT point = message.Pos();
  bool inside = PtInRect(&pressedRect_, point) != FALSE;
  if (inside != shownDown_) {
    shownDown_ = inside;
    DrawButton(currentButton_, pressedRect_.left);
  }
}

void TMediaPlayer::WMLButtonUp(TWMMouse&) {
  SetMouseCapture(false);
  TScopeGuard endTracking([this] { tracking_ = false; });
  if (!tracking_ || !shownDown_) {
    return;
  }
  shownDown_ = false;
  DrawButton(currentButton_, pressedRect_.left);
  RunClick();
  if (autoEnable_ && error_ == 0 && open_) {
    AdjustAutoButtons(currentButton_);
    ApplyAutoButtons();
  }
}

void TMediaPlayer::RunClick() {
  bool doDefault = true;
  DoClick(currentButton_, doDefault);
  if (!doDefault) {
    return;
  }
  RunCommand(currentButton_);
  DoPostClick(currentButton_);
}

void TMediaPlayer::RunCommand(TMPBtnType button) {
  switch (button) {
  case btPlay:
    Play();
    break;
  case btPause:
    Pause();
    break;
  case btStop:
    Stop();
    break;
  case btNext:
    Next();
    break;
  case btPrev:
    Previous();
    break;
  case btStep:
    Step();
    break;
  case btBack:
    Back();
    break;
  case btRecord:
    StartRecording();
    break;
  case btEject:
    Eject();
    break;
  }
}

void TMediaPlayer::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  switch (key) {
  case VK_SPACE:
    if (Face(focusedButton_).enabled) {
      currentButton_ = focusedButton_;
      RunClick();
      if (autoEnable_) {
        AdjustAutoButtons(currentButton_);
        ApplyAutoButtons();
      }
    }
    break;
  case VK_LEFT:
    MoveFocus(-1, btPlay);
    break;
  case VK_RIGHT:
    MoveFocus(1, btEject);
    break;
  default:
    break;
  }
}

// Steps from the focused button towards limit until a visible button (or limit itself).
void TMediaPlayer::MoveFocus(int step, TMPBtnType limit) {
  int b = focusedButton_;
  while (b != limit) {
    b += step;
    if (Face(b).visible) {
      break;
    }
  }
  if (b != focusedButton_) {
    focusedButton_ = static_cast<TMPBtnType>(b);
    Invalidate();
  }
}

void TMediaPlayer::InheritedMessage(TMessage& message) {
  if (TMessageHandlerFunction handler = Inherited::StaticMessages().Find(message.Msg)) {
    handler(*this, message);
  } else {
    DefaultHandler(message);
  }
}

void TMediaPlayer::WMSetFocus(TWMSetFocus& message) {
  InheritedMessage(message);
  Repaint();
}

void TMediaPlayer::WMKillFocus(TWMKillFocus& message) {
  InheritedMessage(message);
  Repaint();
}

void TMediaPlayer::WMGetDlgCode(TWMNoParams& message) { message.SetResult(DLGC_WANTARROWS); }
