#include "TCustomForm.h"

#include "DesignedFrame.h"

#include "Messages.h"
#include "TApplication.h"
#include "TForm.h"

#include <utility>

// The window of a form: its size, the styles of its border settings and its system menu.

namespace {

// The separators of the standard system menu a dialog's menu loses, by position: the one
// before "Switch To" (its item goes by command first) and the one before "Close".
constexpr UINT taskListSeparatorPosition = 7;
constexpr UINT closeSeparatorPosition = 5;

TBorderIcons OnlyIcons(TBorderIcons icons, TBorderIcons allowed) {
  return TBorderIcons::FromBits(icons.Bits() & allowed.Bits());
}

bool IsToolStyle(TFormBorderStyle style) { return style == bsToolWindow || style == bsSizeToolWin; }

} // namespace

void TCustomForm::SetClientWidth(int value) {
  if (IsReading()) {
    storedClientWidth_ = value;
    return;
  }
  pendingClientWidth_ = HandleAllocated() ? 0 : value;
  SetBounds(Left(), Top(), Width() + value - ClientWidth(), Height());
}

void TCustomForm::SetClientHeight(int value) {
  if (IsReading()) {
    storedClientHeight_ = value;
    return;
  }
  pendingClientHeight_ = HandleAllocated() ? 0 : value;
  SetBounds(Left(), Top(), Width(), Height() + value - ClientHeight());
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) {
    return TScrollingWinControl::ClientRect();
  }
  TCreateParams params;
  const_cast<TCustomForm*>(this)->CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, HasMenuBar(), params.ExStyle);
  return RECT{0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (borderIcons_ != value) {
    borderIcons_ = value;
    RecreateWnd();
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ != value) {
    borderStyle_ = value;
    RecreateWnd();
  }
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (formStyle_ != value) {
    formStyle_ = value;
    RecreateWnd();
  }
}

void TCustomForm::SetPosition(TPosition value) {
  if (position_ != value) {
    position_ = value;
    RecreateWnd();
  }
}

int TCustomForm::ShowCommand() const {
  switch (windowState_) {
  case wsMinimized:
    return SW_SHOWMINNOACTIVE;
  case wsMaximized:
    return SW_SHOWMAXIMIZED;
  case wsNormal:
    break;
  }
  return SW_SHOWNORMAL;
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (windowState_ != value) {
    windowState_ = value;
    if (Showing()) {
      ShowWindow(Handle(), ShowCommand());
    }
  }
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  bool topLevel = !Parent() && !ParentWindow();
  if (topLevel) {
    params.WndParent = Application ? Application->Handle() : nullptr;
    params.Style &= ~static_cast<DWORD>(WS_CHILD | WS_GROUP | WS_TABSTOP);
    params.WindowClass.style = CS_DBLCLKS;
  }
  if (position_ == poDefault || position_ == poDefaultPosOnly) {
    params.X = params.Y = CW_USEDEFAULT;
  }
  ApplyBorderIcons(params, ApplyBorderStyle(params, topLevel));
}

TBorderIcons TCustomForm::ApplyBorderStyle(TCreateParams& params, bool topLevel) const {
  TBorderIcons icons = borderIcons_;
  switch (borderStyle_) {
  case bsNone:
    if (topLevel) {
      params.Style |= WS_POPUP;
    }
    icons = TBorderIcons{};
    break;
  case bsSizeable:
  case bsSizeToolWin:
    params.Style |= WS_CAPTION | WS_THICKFRAME;
    if (position_ == poDefault || position_ == poDefaultSizeOnly) {
      params.Width = params.Height = CW_USEDEFAULT;
    }
    break;
  case bsDialog:
    params.Style |= WS_POPUP | WS_CAPTION;
    params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    params.WindowClass.style = CS_DBLCLKS | CS_SAVEBITS | CS_BYTEALIGNWINDOW;
    icons = OnlyIcons(icons, {biSystemMenu, biHelp});
    break;
  case bsSingle:
  case bsToolWindow:
    params.Style |= WS_CAPTION;
    break;
  }
  if (IsToolStyle(borderStyle_)) {
    params.ExStyle |= WS_EX_TOOLWINDOW;
    icons = OnlyIcons(icons, {biSystemMenu});
  }
  return icons;
}

void TCustomForm::ApplyBorderIcons(TCreateParams& params, TBorderIcons icons) const {
  if (borderStyle_ != bsDialog && !IsToolStyle(borderStyle_)) {
    if (icons.Contains(biMinimize)) {
      params.Style |= WS_MINIMIZEBOX;
    }
    if (icons.Contains(biMaximize)) {
      params.Style |= WS_MAXIMIZEBOX;
    }
    if (windowState_ == wsMinimized) {
      params.Style |= WS_MINIMIZE;
    } else if (windowState_ == wsMaximized) {
      params.Style |= WS_MAXIMIZE;
    }
  }
  if (icons.Contains(biSystemMenu)) {
    params.Style |= WS_SYSMENU;
  }
  if (icons.Contains(biHelp)) {
    params.ExStyle |= WS_EX_CONTEXTHELP;
  }
}

void TCustomForm::CreateWnd() {
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (formStyle_ == fsMDIChild && (!main || main->FormStyle() != fsMDIForm)) {
    throw EInvalidOperation(LoadMessage(Msg::NoMDIForm));
  }
  if (borderStyle_ == bsDialog || IsToolStyle(borderStyle_)) {
    windowState_ = wsNormal;
  }
  TScrollingWinControl::CreateWnd();
  ApplyPendingClientSize();
  if (std::exchange(keepDesignedClient_, false)) {
    KeepDesignedClientArea();
  }
  if (formStyle_ == fsStayOnTop) {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// A client size asked for before the window existed was worked out from the frame metrics
// with a menu bar of one line. The bar may take more (its entries wrap when the window is
// narrow), so the size is asked for once more now that the window can tell.
void TCustomForm::ApplyPendingClientSize() {
  int width = std::exchange(pendingClientWidth_, 0);
  int height = std::exchange(pendingClientHeight_, 0);
  if (width > 0) {
    SetClientWidth(width);
  }
  if (height > 0) {
    SetClientHeight(height);
  }
}

// The window takes the outer size that gives, with the frame it has on this desktop, the
// client area its resource was laid out in, scaled as its controls were when the text of
// this desktop's font is taller or shorter than the design's.
void TCustomForm::KeepDesignedClientArea() {
  const SIZE designed = DesignedFrame(borderStyle_, GetMenu(Handle()) != nullptr);
  const SIZE current = CurrentFrame(Handle());
  const int width = ScaledToText(Width() - designed.cx) + current.cx;
  const int height = ScaledToText(Height() - designed.cy) + current.cy;
  if (width != Width() || height != Height()) {
    SetBounds(Left(), Top(), width, height);
  }
}

int TCustomForm::ScaledToText(int length) const {
  return designTextHeight_ > 0 ? MulDiv(length, textHeight_, designTextHeight_) : length;
}

void TCustomForm::WMNCCreate(TWMNCCreate& message) {
  DefaultHandler(message);
  AttachMenu();
  AdjustSystemMenu();
}

void TCustomForm::AdjustSystemMenu() {
  if (borderStyle_ == bsNone || !borderIcons_.Contains(biSystemMenu) || formStyle_ == fsMDIChild) {
    return;
  }
  HMENU menu = GetSystemMenu(Handle(), FALSE);
  if (!menu) {
    return;
  }
  if (borderStyle_ == bsDialog) {
    DeleteMenu(menu, SC_TASKLIST, MF_BYCOMMAND);
    DeleteMenu(menu, taskListSeparatorPosition, MF_BYPOSITION);
    DeleteMenu(menu, closeSeparatorPosition, MF_BYPOSITION);
    for (UINT command : {UINT{SC_MAXIMIZE}, UINT{SC_MINIMIZE}, UINT{SC_SIZE}, UINT{SC_RESTORE}}) {
      DeleteMenu(menu, command, MF_BYCOMMAND);
    }
    return;
  }
  if (!borderIcons_.Contains(biMinimize)) {
    EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_GRAYED);
  }
  if (!borderIcons_.Contains(biMaximize)) {
    EnableMenuItem(menu, SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);
  }
}
