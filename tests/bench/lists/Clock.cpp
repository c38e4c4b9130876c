#include "Clock.h"

#include <chrono>

double MonotonicSeconds() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration<double>(since).count();
}
