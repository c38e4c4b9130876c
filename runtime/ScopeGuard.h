#pragma once

#include <utility>

// Runs an action when the scope it lives in ends, however it ends (return or exception):
// the second half of a pair of calls (resume after suspend, enable after disable, unlock
// after lock) written once, right after the first.
//
//   SuspendNotices();
//   TScopeGuard resume([&] { ResumeNotices(); });
//
// Dismiss cancels the action, for a change that is undone only when the scope fails.
template <class Action> class [[nodiscard]] TScopeGuard {
public:
  explicit TScopeGuard(Action action) : action_(std::move(action)) {}
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;
  ~TScopeGuard() {
    if (active_) {
      action_();
    }
  }

  void Dismiss() { active_ = false; }

private:
  Action action_;
  bool active_ = true;
};
