#pragma once

#include "String.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// What a message box showed.
struct SeenBox {
  String caption;
  String text;
  // Whether the watched window was enabled while the box was up.
  bool watchedEnabled = false;
};

// Watches from a second thread for message boxes ("#32770") of this process, reads their
// caption and text the way a user sees them, and presses OK.
class BoxWatcher {
public:
  // Also notes whether watched is enabled while a box is up.
  explicit BoxWatcher(HWND watched = nullptr);
  ~BoxWatcher();
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;

  std::vector<SeenBox> Boxes();

private:
  void Watch();

  HWND watched_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenBox> boxes_;
  std::thread thread_;
};
