#include "TickTexts.h"

namespace {

constexpr std::size_t titleMargin = 50;
constexpr std::int32_t titleSteps = 100;

} // namespace

std::int32_t NextTitleStep(std::int32_t step) { return (step + 1) % titleSteps; }

String TitleWindow(std::string_view name, std::int32_t step) {
  if (step < 1) {
    return {};
  }
  const String title = String(titleMargin, ' ') + String(name) + String(titleMargin, ' ');
  const auto start = static_cast<std::size_t>(step) - 1;
  if (start >= title.size()) {
    return {};
  }
  return title.substr(start, static_cast<std::size_t>(step) + titleMargin);
}

String TimeText(std::int32_t position) {
  const std::int32_t seconds = (position % 60000) / 1000;
  const std::int32_t minutes = position / 60000;
  return std::to_string(minutes) + (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
}
