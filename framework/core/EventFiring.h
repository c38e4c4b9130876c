#pragma once

#include "ExceptionReport.h"
#include "TEvent.h"

#include <utility>

// Calls event with args when it is set; what the handler raises is reported with sender and
// goes no further, so the caller's sequence goes on. Which events fire this way and which
// let their failure abandon the message is one rule, written in docs/framework.md.
template <class... Params, class... Args>
void FireReporting(TObject* sender, const TEvent<Params...>& event, Args&&... args) noexcept {
  try {
    event(std::forward<Args>(args)...);
  } catch (...) {
    ReportEscapedException(sender);
  }
}
