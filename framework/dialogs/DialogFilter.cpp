#include "DialogFilter.h"

#include "ShiftJis.h"

String FilterList(std::string_view filter) {
  if (filter.empty()) {
    return {};
  }
  String list(filter);
  for (std::size_t index = 0; index < list.size(); ++index) {
    const auto byte = static_cast<unsigned char>(list[index]);
    if (IsLeadByte(byte) && index + 1 < list.size()) {
      ++index;
    } else if (byte == '|') {
      list[index] = '\0';
    }
  }
  list.append(2, '\0');
  return list;
}
