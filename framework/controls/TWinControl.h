#pragma once

#include "TBrush.h"
#include "TControl.h"
#include "TCreateParams.h"

#include <vector>

// Which way FindNextControl and SelectNext go through the tab order.
enum TTabDirection { tdForward, tdBackward };
// Whether FindNextControl passes over controls that are not tab stops.
enum TTabStopRule { tsAnyControl, tsTabStopsOnly };
// Whether FindNextControl takes any descendant or only the control's own children.
enum TDescendantRule { drAnyDescendant, drChildrenOnly };

// A control with a window of its own, made when first needed: child controls, the tab order
// and the focus, the keyboard path, painting of the controls without windows that sit on it,
// and the reflection of the notifications Windows sends to a parent.
class TWinControl : public TControl {
public:
  SORVANE_CLASS(TWinControl, TControl)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, created on demand.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // A window of another kind that this control sits in, when it has no parent control.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[static_cast<std::size_t>(index)]; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The visible child control at a client point (disabled ones only when allowed).
  TControl* ControlAtPos(POINT point, bool allowDisabled) const;

  bool Showing() const override { return showing_; }
  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  POINT ClientOrigin() const override;
  void Invalidate() override;
  void Repaint() override;
  void Update();

  int TabOrder() const;
  void SetTabOrder(int value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  // Visible and enabled up to the top of the parent chain.
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // The next control after current in the tab order of this control's descendants that can
  // take the focus (and is a tab stop, or a child of this control, when the rules ask).
  TWinControl* FindNextControl(TWinControl* current, TTabDirection direction, TTabStopRule tabStops,
                               TDescendantRule descendants) const;
  // Focuses the next control: among the tab stops of all descendants, or with tsAnyControl
  // among this control's own children.
  void SelectNext(TWinControl* current, TTabDirection direction, TTabStopRule tabStops);
  // This control's windowed descendants in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;

  TBrush& Brush() { return brush_; }

  // Scales the bounds of the child controls (and theirs), and the fonts of those with a font
  // of their own, by multiplier / divisor.
  void ScaleControls(int multiplier, int divisor);

  // Aligning the children (for a scrolling control: computing its scroll ranges from them) is
  // suspended from DisableAlign to the matching EnableAlign, and done then if it was asked
  // for meanwhile.
  void DisableAlign();
  void EnableAlign();
  // Asks for the children to be aligned: at once, or when aligning is resumed.
  void Realign();

  // Reads the control with aligning suspended, then puts its children into the tab order
  // they were read with and tells it that its parent's 3-D look applies.
  void ReadOwnData(TReader& reader) override;

  // Destroys the window and makes a new one with the current creation parameters; the text,
  // the showing state and the focus are kept.
  void RecreateWnd();

  // Whether the control draws a sunken three-dimensional edge where it has a border.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

protected:
  virtual void CreateParams(TCreateParams& params);
  // Takes a standard window class ("BUTTON", "EDIT", ...) as the base of the control's
  // window class; its procedure becomes the default window procedure.
  void CreateSubClass(TCreateParams& params, const char* className);
  void CreateHandle();
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void DestroyWnd();
  void DestroyHandle();
  // Shows or hides the native window after the showing state changed.
  virtual void ShowNative();
  // Whether the control should be showing now.
  virtual bool ShouldShow() const;
  void UpdateShowing();
  void UpdateBounds();

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  // The target of the window's procedure entry: runs MessageRoute and reports whatever
  // escapes it.
  void MainWndProc(TMessage& message);
  virtual void PaintWindow(HDC dc);
  void PaintHandler(TWMPaint& message);
  void PaintControls(HDC dc);
  virtual bool PaintsItself() const { return false; }

  // The key-down path: KeyPreview of the form, then KeyDown; true when the key was used up.
  bool DoKeyDown(TWMKey& message);
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);
  // The focus came to the control from another control of its form (OnEnter), or left it
  // for another (OnExit).
  virtual void DoEnter();
  virtual void DoExit();

  void ApplyBounds() override;
  // Reflects a notification to the framework control whose window child is; the parent's
  // default handling sees it only when child belongs to no framework control.
  void Reflect(TMessage& message, HWND child);
  void WMCommand(TWMCommand& message);
  // Offers a dialog key to the child controls; the first that takes it ends the offer.
  void XMDialogKey(TWMKey& message);
  // Offers a dialog character (an accelerator) to the child controls the same way.
  void XMDialogChar(TWMKey& message);
  // Passes the focus-changed notice on to the child controls.
  void XMFocusChanged(TMessage& message);
  void FontChanged() override;
  void ColorChanged() override;
  // Sets the focus to window as this control's own move: the WM_KILLFOCUS this control gets
  // meanwhile is dropped.
  void MoveFocusTo(HWND window);
  void WMKillFocus(TWMKillFocus& message);
  // Frees the child controls that are left, last placed first.
  void DestroyChildControls();
  // What aligning does; the base has nothing to align.
  virtual void AlignControls() {}
  TComponent* ParentForChildren() override { return this; }

private:
  void BindWindow(HWND window);
  // Orders the children read from a resource by the tab order each was read with.
  void FixupTabList();
  void RegisterWindowClass(TCreateParams& params);
  HWND ResolveParentWindow(const TCreateParams& params) const;
  void CreateContainerWindow();
  TWinControl* ReadingOwner() const;
  void PlaceInZOrder();
  bool RouteMouseToChild(TMessage& message);
  bool IsMenuKey(TWMKey& message);
  bool IsDialogKeyFor(WORD key, TWMKey& message);
  // Offers message to the child controls until one answers non-zero; that answer is the
  // result.
  void OfferToChildren(TMessage& message);
  // The focus-changed notice for the form, then OnExit of the control that had the focus
  // and OnEnter of this one.
  void NoteFocusMove(TFormLink& form);

  void WMPaint(TWMPaint& message);
  void WMEraseBkgnd(TWMEraseBkgnd& message);
  void WMWindowPosChanged(TWMWindowPosChanged& message);
  void WMNCDestroy(TWMNoParams& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMCancelMode(TWMNoParams& message);
  void WMScroll(TWMScroll& message);
  void WMNotify(TWMNotify& message);
  void WMKeyDown(TWMKey& message);
  void WMKeyUp(TWMKey& message);
  void WMChar(TWMKey& message);
  void XNKeyDown(TWMKey& message);
  void XNChar(TWMKey& message);
  void XNSysChar(TWMKey& message);
  void XMShowHintChanged(TMessage& message);
  void XNColor(TWMCtlColor& message);
  void XMEnabledChanged(TMessage& message);
  void XMVisibleChanged(TMessage& message);
  void XMShowingChanged(TMessage& message);
  void XMRecreateWnd(TMessage& message);
  void XMFontChanged(TMessage& message);
  void XMColorChanged(TMessage& message);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = DefWindowProcA;
  TWindowProcEntry entry_;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  int loadedTabOrder_ = -1;
  int alignSuspended_ = 0;
  bool alignPending_ = false;
  bool focusing_ = false;
  bool showing_ = false;
  bool tabStop_ = false;
  bool ctl3D_ = true;
  TBrush brush_;
};

// The framework control that owns window, or none.
TWinControl* FindControl(HWND window);

// The framework control under a screen point, disabled ones included.
TControl* FindControlAtScreenPoint(POINT point);
