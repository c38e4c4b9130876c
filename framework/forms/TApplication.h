#pragma once

#include "ApplicationMessages.h"
#include "Exception.h"
#include "IntegerTypes.h"
#include "Published.h"
#include "String.h"
#include "TComponent.h"
#include "TDispatcher.h"
#include "TWindowProcEntry.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

class TControl;
class TCustomForm;
class TForm;
class THintWindow;

// Checks asked by Quit (and by a form's WM_QUERYENDSESSION); the first false cancels.
std::vector<std::function<bool()>>& QuitChecks();
bool QuitChecksAgree();

// The application: the hidden application window (owner of every form window and of the
// taskbar button), the forms made at start-up, the main form, the message loop and the
// reporting of exceptions that escape handlers. One instance, Application, made by the
// framework's start-up.
class TApplication : public TComponent, public TDispatcher {
public:
  SORVANE_CLASS(TApplication, TComponent)
  SORVANE_MESSAGES

  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }

  String Title() const;
  void SetTitle(const String& value);
  TForm* MainForm() const { return mainForm_; }
  // The hint of what the mouse or the menu selection is on (the long hint of a control);
  // empty for none. A change calls OnHint.
  const String& Hint() const { return hint_; }
  void SetHint(const String& value);

  // Whether hints are shown; on, the application has its hint window object (its native
  // window is made when a hint first shows). The framework's start-up switches them on.
  bool ShowHint() const { return hintWindow_ != nullptr; }
  void SetShowHint(bool value);
  THintWindow* HintWindow() const { return hintWindow_; }
  // Hides the hint shown and forgets the control it was waiting for.
  void CancelHint();

  // Calls the global start-up hook, when one is registered.
  void StartUp();
  // Makes a form of class T owned by the application: the variable holds the new object
  // before its construction steps run, and is emptied again when they raise. The first
  // TForm made becomes the main form and gets its window at once.
  template <class T> void AddForm(T*& variable);

  // Shows the main form and takes messages until a quit is requested; returns at once
  // without a main form.
  void RunLoop();
  // One turn of the loop: a message if there is one, otherwise the idle work and a wait.
  void StepLoop();
  // Takes and handles one queued message; false when the queue was empty.
  bool TakeMessage();
  // The idle work, then WaitMessage unless the idle handler asked to be called again.
  void WaitIdle();
  // Asks QuitChecks, then posts the quit message.
  void Quit();
  bool QuitRequested() const { return quitRequested_; }
  bool Running() const { return running_; }
  bool Active() const { return active_; }

  // Reports the exception being handled (call inside a catch block): EAbort is silent, an
  // Exception goes to OnException or ShowErrorBox, and so does a failed allocation, as
  // EOutOfMemory; anything else goes to the fallback box.
  void ReportCurrentException(TObject* sender);
  // The message with its final period, captioned with Title, with the error icon.
  void ShowErrorBox(const Exception& error);
  // MessageBoxA owned by the application window, shown on the monitor of the active window,
  // with the other windows of the thread disabled meanwhile.
  int ShowMessageBox(const String& text, const String& caption, UINT flags);

  void MinimizeAll();
  void RestoreAll();
  // Makes the top-most windows owned by the application non-top-most (counted) and back.
  void NormalizeTopMosts();
  void NormalizeAllTopMosts();
  void RestoreTopMosts();
  // Shows the application window (the taskbar button) while any form is visible.
  void UpdateTaskbarButton();

  // Shows the topic of context in HelpFile (WinHelpA); false when there is no help file or
  // the help program refused.
  bool HelpContext(std::int32_t context);

  void HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(TWindowHook hook);

  // Takes the forms down, last made first (the exit step of the process).
  void ShutDown();
  // Called by a form going away.
  void FormDestroyed(TCustomForm* form);

  bool AutoShowMainForm = true;
  // The help file the program's help topics are shown from; none by default.
  String HelpFile;
  // Whether WM_WININICHANGE refreshes the thread's locale formats and the screen's settings.
  bool UpdateFormatSettings = true;
  bool UpdateMetricSettings = true;
  HWND DialogHandle = nullptr;
  TEvent<TObject*, const Exception&> OnException;
  TEvent<TObject*, bool&> OnIdle;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnHint;
  // The hint settings: the hint window's colour; how long the mouse rests on a control before
  // its hint shows, and before the next one shows while a hint is up (milliseconds); how long
  // a hint stays; whether hints name shortcuts (stored: controls have none to name).
  TColor HintColor = clInfoBk;
  int HintPause = 500;
  int HintShortPause = 0;
  int HintHidePause = 2500;
  bool HintShortCuts = true;

  void ComponentNotice(TComponent* component, TOperation operation) override;

protected:
  void DefaultHandler(TMessage& message) override;

private:
  void CreateHandle();
  void RemoveSystemMenuItems();
  void SetMainForm(TForm* form);
  void TrackMouseControl();
  void UpdateHint();
  void HintMouseMove(TControl& control);
  void StartHintTimer(int pause);
  void ShowHintNow();
  RECT HintBounds(const String& text) const;
  bool IsKeyMessage(MSG& message);
  // Cancels the hint on a message that ends it (keys, presses, the wheel, the mouse on a
  // frame, activation); the message goes on as it is.
  void CheckHintMessage(const MSG& message);
  void WndProc(TMessage& message);
  // Offers message to the window hooks in order; true when one took it.
  bool CallWindowHooks(TMessage& message);
  HICON AppIcon() const;
  void FocusTopWindow();
  void ReportException(TObject* sender, const Exception& error);

  void WMSetFocus(TWMSetFocus& message);
  void WMEnable(TWMEnable& message);
  void WMPaint(TWMPaint& message);
  void WMClose(TWMNoParams& message);
  void WMEraseBkgnd(TWMEraseBkgnd& message);
  void WMEndSession(TWMEndSession& message);
  void WMWinIniChange(TWMWinIniChange& message);
  void WMFontChange(TWMNoParams& message);
  void WMActivateApp(TWMActivateApp& message);
  void WMQueryDragIcon(TWMNoParams& message);
  void WMSysCommand(TWMSysCommand& message);
  void WMCtlColor(TWMCtlColor& message);
  void WMTimer(TWMTimer& message);
  void XMActivate(TMessage& message);
  void XMDeactivate(TMessage& message);
  void XMAppKeyDown(TWMKey& message);
  void XMAppSysCommand(TMessage& message);
  void XMFocusTop(TMessage& message);
  void XMHookWindow(TXMHookWindow& message);
  void XMDialogHandle(TXMDialogHandle& message);

  HWND handle_ = nullptr;
  TWindowProcEntry entry_;
  String storedTitle_;
  String hint_;
  TForm* mainForm_ = nullptr;
  HICON icon_ = nullptr;
  bool active_ = true;
  bool quitRequested_ = false;
  bool running_ = false;
  std::vector<TWindowHook> windowHooks_;
  std::vector<HWND> topMosts_;
  int topMostLevel_ = 0;
  std::vector<HWND> disabledWindows_;
  bool holdsDisabledList_ = false;
  TComponent* mouseControl_ = nullptr;
  THintWindow* hintWindow_ = nullptr;
  // The control whose hint is waited for or shown, and what the hint timer does next.
  TControl* hintControl_ = nullptr;
  enum class THintStep { none, show, hide } hintStep_ = THintStep::none;
  bool hintShown_ = false;
  // Made at start-up: reporting that memory ran out must not need memory for its exception.
  const EOutOfMemory outOfMemory_;
};

// The application object, made at the framework's start-up.
extern TApplication* Application;

// A hook StartUp calls, when registered.
extern void (*StartUpHook)();

// Builds a form the two-phase way: the construction steps after the C++ constructor.
void BuildForm(TCustomForm& form);
// Whether a component is a TForm (decides the main form).
TForm* AsForm(TComponent* component);

template <class T> void TApplication::AddForm(T*& variable) {
  T* form = new T(this);
  variable = form;
  try {
    BuildForm(*form);
  } catch (...) {
    variable = nullptr;
    form->Free();
    throw;
  }
  if (!mainForm_) {
    SetMainForm(AsForm(form));
  }
}
