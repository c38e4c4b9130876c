#include "HintText.h"

#include "ShiftJis.h"

namespace {

// 0-based index of the first "|" that is a character of its own; npos when there is none.
std::size_t BarIndex(const String& hint) {
  std::size_t i = 0;
  while (i < hint.size()) {
    if (hint[i] == '|') {
      return i;
    }
    i += IsLeadByte(static_cast<unsigned char>(hint[i])) ? 2u : 1u;
  }
  return String::npos;
}

} // namespace

String ShortHint(const String& hint) {
  std::size_t bar = BarIndex(hint);
  return bar == String::npos ? hint : hint.substr(0, bar);
}

String LongHint(const String& hint) {
  std::size_t bar = BarIndex(hint);
  return bar == String::npos ? hint : hint.substr(bar + 1);
}
