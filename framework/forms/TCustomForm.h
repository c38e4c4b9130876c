#pragma once

#include "FormLink.h"
#include "FormTypes.h"
#include "TMainMenu.h"
#include "TScrollingWinControl.h"

// The size of a form whose resource gives none.
inline constexpr int defaultFormWidth = 320;
inline constexpr int defaultFormHeight = 240;

// A top-level window whose contents come from its form resource: construction in two steps
// (the C++ constructor sets the defaults, Build reads the resource chain and runs the class's
// own construction steps), showing and hiding, closing, the window styles of the border
// settings, focus within the form and the form's share of the keyboard path.
class TCustomForm : public TScrollingWinControl, public TFormLink {
public:
  SORVANE_CLASS(TCustomForm, TScrollingWinControl)
  SORVANE_MESSAGES

  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // The second step of construction: reads the form resources of the class chain below
  // TForm (EResNotFound when there is none), runs Constructed, then the create notice.
  void Build();

  void Show();
  void Hide() { SetVisible(false); }
  void SetVisible(bool value) override;
  void Close();
  virtual bool CloseQuery();
  // Posts XM_RELEASE: the form frees itself when it arrives.
  void Release();
  // Shows the form with the thread's other windows disabled and runs the loop until the
  // modal result is set (Close sets mrCancel) or a quit is requested; gives the modal result.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  bool Active() const { return active_; }

  TWinControl& FormControl() override { return *this; }
  // Forms take no key of their controls themselves.
  bool WantChildKey(TControl& child, TMessage& message) override;
  // Focuses the form, unless it is active already: its active control, else its own window.
  // A hidden or disabled form cannot take the focus (EInvalidOperation).
  void SetFocus() override;
  bool SetFocusedControl(TWinControl* control) override;
  void FocusControl(TWinControl* control) override;
  // The form's shortcut check: OnShortCut, then the menu.
  bool IsShortCut(TWMKey& message) override;
  // With KeyPreview, the form's own key-down handling (OnKeyDown of the form).
  bool PreviewKeyDown(TWMKey& message) override;
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }

  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value);
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState value);
  // Marks the form minimized without applying it (a minimized start).
  void MarkMinimized() { windowState_ = wsMinimized; }
  TDefaultMonitor DefaultMonitor() const { return defaultMonitor_; }
  void SetDefaultMonitor(TDefaultMonitor value) { defaultMonitor_ = value; }
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool value) { oldCreateOrder_ = value; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value);
  int TextHeight() const { return textHeight_; }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  int ClientWidth() const { return TControl::ClientWidth(); }
  int ClientHeight() const { return TControl::ClientHeight(); }
  RECT ClientRect() const override;
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) override { modalResult_ = value; }
  void SuspendFocusNotices(bool suspend) { focusNoticesSuspended_ = suspend; }
  // The form's menu bar. A main menu serves one form on the screen at a time: giving it to
  // a second one raises EInvalidOperation.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* value);

  TNotifyEvent OnActivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnHide;
  TNotifyEvent OnShow;
  TShortCutEvent OnShortCut;

  void ReadOwnData(TReader& reader) override;
  void ComponentNotice(TComponent* component, TOperation operation) override;
  void DeclareExtraProperties(TFiler& filer) override;
  void FinishLoading() override;

protected:
  // The class's own construction steps, run by Build after the resource is read.
  virtual void Constructed() {}
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Activate();
  virtual void Deactivate();
  // The form's menu: a command (WM_COMMAND with lParam 0) and a shortcut key; true when the
  // menu took it. A form without a menu takes nothing.
  virtual bool MenuCommand(TWMCommand& message);
  // Puts the form's menu on its window, or takes the window's menu away when the form has
  // none (a new window, a changed menu). An auto-merged menu shows no bar but is told the
  // window, so that switching AutoMerge off brings its bar back (XM_MENUCHANGED).
  virtual void AttachMenu();
  virtual bool MenuShortCut(TWMKey& message);
  // Whether the window shows a menu bar: a menu that is not merged elsewhere, on a form
  // whose border allows one.
  bool HasMenuBar() const;
  // An auto-merged menu of an active form other than the main form is shown in the main
  // form's bar: merged into the main form's menu when the form becomes active or gets its
  // menu while active, taken out when the form hides, goes, or changes its menu. Becoming
  // inactive leaves it merged until another form's menu takes its place.
  void MergeMenu();
  void UnmergeMenu();
  // On the main form: takes the menu merged into its present menu out and gives it back, to
  // be merged into the next one. None on other forms.
  TMenu* TakeMergedMenu();

  void BeforeDestruction() override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  bool ShouldShow() const override;
  void ShowNative() override;

private:
  void LoadResources();
  TCloseAction DefaultCloseAction() const;
  void ApplyCloseAction(TCloseAction action);
  // Tab and the arrow keys move the focus; true when key was one of them.
  bool MoveFocusByKey(WORD key);
  void ApplyPosition();
  // Scales the font from the resource's resolution to the screen's and measures the height
  // of the text "0" in it, even at the same resolution: another font may stand in for the
  // one of the design. When that height differs from the stored one, the child controls and
  // the stored client size are scaled by new/stored height.
  void ScaleToScreen(int resourcePpi, int screenPpi);
  // The window styles of BorderStyle; gives the border icons that style leaves.
  TBorderIcons ApplyBorderStyle(TCreateParams& params, bool topLevel) const;
  void ApplyBorderIcons(TCreateParams& params, TBorderIcons icons) const;
  HMONITOR TargetMonitor() const;
  void MoveToMonitor();
  void CenterOn(const RECT& area);
  void HideNative();
  void RunCreateNotice();
  void AdjustSystemMenu();
  void ApplyPendingClientSize();
  void KeepDesignedClientArea();
  int ScaledToText(int length) const;
  int ShowCommand() const;

  void WMClose(TWMNoParams& message);
  void WMQueryEndSession(TWMQueryEndSession& message);
  void WMCommand(TWMCommand& message);
  void WMSysCommand(TWMSysCommand& message);
  void WMShowWindow(TWMShowWindow& message);
  void WMActivate(TWMActivate& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void WMNCCreate(TWMNCCreate& message);
  void XMRelease(TMessage& message);
  void XMShowingChanged(TMessage& message);
  void XMActivate(TMessage& message);
  void XMDeactivate(TMessage& message);
  void XMDialogKey(TWMKey& message);
  void WMInitMenuPopup(TWMInitMenuPopup& message);
  void WMMenuChar(TWMMenuChar& message);
  void WMMenuSelect(TWMMenuSelect& message);
  void XMMenuChanged(TMessage& message);

  TWinControl* activeControl_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TFormBorderStyle borderStyle_ = bsSizeable;
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  TDefaultMonitor defaultMonitor_ = dmActiveForm;
  bool oldCreateOrder_ = false;
  int pixelsPerInch_ = defaultPixelsPerInch;
  int textHeight_ = 0;
  // The text height the resource was laid out with, when the controls were scaled from it
  // to textHeight_; 0 when they kept their design.
  int designTextHeight_ = 0;
  int storedClientWidth_ = 0;
  int storedClientHeight_ = 0;
  // The client size asked for while the form had no window, applied again once it has one.
  int pendingClientWidth_ = 0;
  int pendingClientHeight_ = 0;
  // Read from a resource that gives the outer size only: the client area of the design is
  // kept once the window exists.
  bool keepDesignedClient_ = false;
  bool keyPreview_ = false;
  bool active_ = false;
  bool creating_ = false;
  bool visiblePending_ = false;
  bool activatedPending_ = false;
  bool showingInProgress_ = false;
  bool focusNoticesSuspended_ = false;
  bool destroyNoticeDone_ = false;
  bool holdsDestroyLock_ = false;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  // What WM_SHOWWINDOW remembered while the owner was minimized: 0 nothing, else the show
  // command to come back with.
  int savedShowCommand_ = 0;
};
