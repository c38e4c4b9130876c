#include "Messages.h"

#include <algorithm>
#include <array>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr MessageEntry kMessages[] = {
#define MESSAGE(id, name, text) {id, text},
#include "MessageTable.inc"
#undef MESSAGE
};

[[maybe_unused]] String LoadBuiltIn(unsigned id) {
  const auto found = std::find_if(std::begin(kMessages), std::end(kMessages),
                                  [id](const MessageEntry& entry) { return entry.id == id; });
  return found == std::end(kMessages) ? String() : String(found->text);
}

#ifdef _WIN32
// LoadStringA: the resource holds UTF-16 and the system converts it to the ANSI code page.
String LoadFromResource(unsigned id) {
  std::array<char, 1024> buffer{};
  const int length =
      LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), static_cast<int>(buffer.size()));
  return length > 0 ? String(buffer.data(), static_cast<std::size_t>(length)) : String();
}
#endif

} // namespace

String LoadMessage(unsigned id) {
#ifdef _WIN32
  return LoadFromResource(id);
#else
  return LoadBuiltIn(id);
#endif
}

String LoadMessage(Msg id) { return LoadMessage(static_cast<unsigned>(id)); }

const MessageEntry* BuiltInMessages(std::size_t& count) noexcept {
  count = std::size(kMessages);
  return kMessages;
}
