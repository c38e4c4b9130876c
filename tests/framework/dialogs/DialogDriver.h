#pragma once

#include "String.h"

#include <windows.h>

#include <functional>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

// Works a file dialog of the test's thread from a second thread, the way a user does: it
// waits for the dialog to be ready, types with the keyboard (SendInput) and presses keys or
// the mouse. The script runs as soon as the driver is made; when it ends with the dialog
// still open (or a step times out), the driver cancels the dialog so the test never hangs.
// What went wrong is collected in Problems(), for the test to check once the dialog is back.
class DialogDriver {
public:
  using Script = std::function<void(DialogDriver& driver)>;

  explicit DialogDriver(Script script);
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  // Waits for the script to end.
  void Finish();
  std::vector<String> Problems();

  // Script steps.

  // The open dialog's frame once the file name box has the keyboard focus; none (and a
  // problem noted) when it does not come.
  HWND WaitForDialog();
  // A message box of the test's thread; none when none comes.
  HWND WaitForMessageBox();
  // Types text into the window that has the focus, key by key, and waits until the focused
  // box shows it.
  void Type(std::string_view text);
  // Presses and releases a key.
  void Press(WORD key);
  // Presses a key while holding modifier (Ctrl, Shift).
  void PressWith(WORD modifier, WORD key);
  // Empties the focused box: End, Shift+Home, Delete; waits until it is empty.
  void ClearBox();
  // Presses the left mouse button on the middle of window.
  void Click(HWND window);
  // Waits until condition holds; false (and a problem noted) after the deadline.
  bool WaitUntil(const std::function<bool()>& condition, const char* what);
  // The window that has the keyboard focus in the test's thread.
  HWND Focus() const;
  void Note(const String& problem);

  // The text of a window of the test's thread.
  static String TextOf(HWND window);

private:
  void Run(const Script& script);
  void CancelOpenDialog();
  HWND FindWindowOfTest(bool messageBox) const;

  DWORD testThread_;
  std::mutex mutex_;
  std::vector<String> problems_;
  std::thread thread_;
};
