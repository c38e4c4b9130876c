#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// A completion notice as a window received it.
struct TReceivedNotice {
  WPARAM code; // MCI_NOTIFY_*
  LPARAM device;
};

// A hidden message-only window that collects the MM_MCINOTIFY notices posted to it: the
// callback window of commands sent with MCI_NOTIFY in tests.
class TNoticeWindow {
public:
  TNoticeWindow();
  ~TNoticeWindow();
  TNoticeWindow(const TNoticeWindow&) = delete;
  TNoticeWindow& operator=(const TNoticeWindow&) = delete;

  HWND Handle() const { return handle_; }
  // The handle as a parameter block's dwCallback.
  DWORD_PTR Callback() const { return reinterpret_cast<DWORD_PTR>(handle_); }
  const std::vector<TReceivedNotice>& Received() const { return received_; }

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  std::vector<TReceivedNotice> received_;
};

// Takes and handles the thread's messages until done() holds, or until deadlineMs have
// passed; true when done() held.
bool PumpThreadUntil(const std::function<bool()>& done, DWORD deadlineMs);

// Handles the messages already in the thread's queue.
void PumpThreadPending();
