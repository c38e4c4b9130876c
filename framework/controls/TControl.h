#pragma once

#include "Colors.h"
#include "Events.h"
#include "MessageRecords.h"
#include "Published.h"
#include "String.h"
#include "TComponent.h"
#include "TDispatcher.h"
#include "TFont.h"
#include "TPopupMenu.h"
#include "TWindowProcEntry.h"

#include <windows.h>

#include <cstdint>

class TWinControl;
class TFormLink;

// What a control class is able to do, fixed by its constructor. csClickEvents: the
// framework's mouse path makes OnClick (a press and a release inside the control) and
// OnDblClick; csCaptureMouse: the framework holds the mouse between press and release. A
// control on a standard window class that reports its clicks itself (BN_CLICKED,
// LBN_SELCHANGE, LBN_DBLCLK, scroll notices) leaves both out and makes its events from those
// notifications, so one user action gives one event.
using TControlStyle = std::uint32_t;
inline constexpr TControlStyle csAcceptsControls = 0x0001;
inline constexpr TControlStyle csCaptureMouse = 0x0002;
inline constexpr TControlStyle csClickEvents = 0x0004;
inline constexpr TControlStyle csSetCaption = 0x0010;
inline constexpr TControlStyle csOpaque = 0x0020;
inline constexpr TControlStyle csDoubleClicks = 0x0040;

// Transient states of a control.
using TControlState = std::uint32_t;
inline constexpr TControlState csLButtonDown = 0x0001;
inline constexpr TControlState csClicked = 0x0002;

// The base of everything placed on a form: bounds in the parent's client coordinates,
// visibility, the enabled state, a text, a colour and a font (each either its own or its
// parent's), mouse clicks, and the message path of a control without a window of its own.
class TControl : public TComponent, public TDispatcher {
public:
  SORVANE_CLASS(TControl, TComponent)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TControl(TComponent* owner);
  ~TControl() override;

  int Left() const { return left_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  int Top() const { return top_; }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  int Width() const { return width_; }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  int Height() const { return height_; }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // Moves and sizes the control at once; nothing happens when all four are unchanged.
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

  // The client area, from (0, 0).
  virtual RECT ClientRect() const;
  int ClientWidth() const { return ClientRect().right; }
  virtual void SetClientWidth(int value);
  int ClientHeight() const { return ClientRect().bottom; }
  virtual void SetClientHeight(int value);
  // The screen position of the client area's top-left corner.
  virtual POINT ClientOrigin() const;
  POINT ClientToScreen(POINT point) const;
  POINT ScreenToClient(POINT point) const;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  // The form the control is on: the top of its parent chain when that is a form (the form
  // itself for a form); none otherwise.
  TFormLink* ParentForm() const;
  // The form the control is on when that is not the control itself.
  TFormLink* HostForm() const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool value);
  void Show();
  void Hide();
  // Visible and on a showing parent.
  virtual bool Showing() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  // The control's text (its caption): asked through WM_GETTEXTLENGTH and WM_GETTEXT;
  // writing an equal text does nothing, otherwise WM_SETTEXT and the text-changed notice.
  String Text() const;
  void SetText(const String& value);
  String Caption() const { return Text(); }
  void SetCaption(const String& value) { SetText(value); }

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont& Font() { return font_; }
  // The font as the published class-typed property "Font" gives it to the loader.
  TFont* FontObject() const { return const_cast<TFont*>(&font_); }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  // Whether the control shows its hint; with ParentShowHint it follows its parent.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  // The control's hint: the short text, up to the first "|", for the hint window, the rest
  // for a status line (HintText.h).
  const String& Hint() const { return hint_; }
  void SetHint(const String& value) { hint_ = value; }

  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  // Marks the control's area for painting; Repaint paints it at once.
  virtual void Invalidate();
  virtual void Repaint();
  void Update();

  // Passes a message directly to MessageRoute (no window system involved).
  LRESULT Deliver(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // The route of every message of this control; initially WndProc. Replace it to intercept.
  TWndMethod MessageRoute;

  TControlStyle ControlStyle() const { return controlStyle_; }
  TControlState ControlState() const { return controlState_; }

  // The menu a right-button click on the control opens (when the menu pops up by itself),
  // and whose shortcuts the control's keys reach first.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* value);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TContextPopupEvent OnContextPopup;

  // Calls OnClick.
  virtual void Click();
  // Calls OnDblClick.
  virtual void DblClick();

protected:
  // The base message path: key messages offered to the parent form, mouse messages
  // prepared (a move also goes to the hint tracking), then Dispatch.
  virtual void WndProc(TMessage& message);
  void DefaultHandler(TMessage& message) override;
  void WMCancelMode(TWMNoParams& message);
  void WMContextMenu(TWMContextMenu& message);

  // Applies new bounds to whatever shows the control.
  virtual void ApplyBounds();
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
  void IncludeControlState(TControlState state) { controlState_ |= state; }
  void ExcludeControlState(TControlState state) { controlState_ &= ~state; }
  void SetParentSilently(TWinControl* parent) { parent_ = parent; }
  void StoreVisible(bool value) { visible_ = value; }
  void StoreBounds(int left, int top, int width, int height);
  void StoreText(const String& text) { text_ = text; }
  const String& StoredText() const { return text_; }
  // Called after the font or colour changed (own or inherited).
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void VisibleChanging() {}
  // Fits the size to the contents, for controls that size themselves; called once the
  // window exists. The base keeps its size.
  virtual void AdjustSize() {}
  // Reads the control's data, then tells it that its parent's colour, font, hint setting,
  // icon font and reading order apply.
  void ReadOwnData(TReader& reader) override;
  void ComponentNotice(TComponent* component, TOperation operation) override;
  // The context menu was asked for at pos (client coordinates): calls OnContextPopup.
  virtual void DoContextPopup(POINT pos, bool& handled);
  // The loader places a control in the windowed control it was read inside.
  void AttachParent(TComponent* parent) override;

private:
  friend class TWinControl;

  void WMLButtonDown(TWMMouse& message);
  void WMLButtonUp(TWMMouse& message);
  void WMLButtonDblClk(TWMMouse& message);
  void XMParentFontChanged(TMessage& message);
  void XMParentColorChanged(TMessage& message);
  void XMFontChanged(TMessage& message);
  void XMColorChanged(TMessage& message);
  void XMEnabledChanged(TMessage& message);
  void XMVisibleChanged(TMessage& message);
  void XMTextChanged(TMessage& message);
  void XMParentShowHintChanged(TMessage& message);
  // What a control without a window does with WM_SETTEXT and WM_GETTEXT: keeps the text.
  void TakeText(TWMSetText message);
  void GiveText(TWMGetText message) const;
  bool PrepareMouse(TMessage& message);
  void OwnFontChanged();

  TWinControl* parent_ = nullptr;
  TPopupMenu* popupMenu_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool parentFont_ = true;
  bool parentColor_ = true;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  bool changingFont_ = false;
  TColor color_ = clWindow;
  TFont font_;
  String text_;
  String hint_;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState controlState_ = 0;
};

// Passes a message directly to control; 0 when there is no control.
LRESULT Deliver(TControl* control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
