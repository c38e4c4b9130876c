#include "THintWindow.h"

#include "ApplicationWindow.h"
#include "IntegerTypes.h"

namespace {

// The space between the border and the text.
constexpr int textMargin = 2;

constexpr UINT textFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetColor(clInfoBk);
  UseStatusFont();
}

// The font the system gives status lines (SystemParametersInfoA, SPI_GETNONCLIENTMETRICS).
void THintWindow::UseStatusFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    const LOGFONTA& status = metrics.lfStatusFont;
    Font().SetName(status.lfFaceName);
    Font().SetHeight(status.lfHeight);
    Font().SetCharset(TFontCharset(status.lfCharSet));
  }
  Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = ApplicationWindow();
  params.WindowClass.style |= CS_SAVEBITS;
}

RECT THintWindow::CalcHintRect(int maxWidth, const String& text) {
  RECT bounds{0, 0, maxWidth, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &bounds, textFlags | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  const int frame = 2 * (textMargin + GetSystemMetrics(SM_CXBORDER));
  bounds.right += frame;
  bounds.bottom += frame;
  return bounds;
}

void THintWindow::ActivateHint(const RECT& bounds, const String& text) {
  HandleNeeded();
  SetText(text);
  SetWindowPos(Handle(), HWND_TOPMOST, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, TRUE);
  UpdateWindow(Handle());
}

void THintWindow::HideHint() {
  if (HandleAllocated()) {
    ShowWindow(Handle(), SW_HIDE);
  }
}

void THintWindow::ReleaseHandle() { DestroyHandle(); }

void THintWindow::Paint() {
  RECT client = ClientRect();
  Canvas().FillRect(client);
  SetBkMode(Canvas().Handle(), TRANSPARENT);
  InflateRect(&client, -textMargin, -textMargin);
  Canvas().DrawTextIn(client, Text(), textFlags);
}
