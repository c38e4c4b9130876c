#include "Format.h"

#include <cstdio>
#include <optional>

namespace {

String Hex(std::uint64_t value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*llX", digits, static_cast<unsigned long long>(value));
  return buffer;
}

std::optional<String> Render(char kind, const FormatArg& arg) {
  const auto& value = arg.Value();
  switch (kind) {
  case 's':
    if (const auto* text = std::get_if<String>(&value)) {
      return *text;
    }
    break;
  case 'd':
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
      return std::to_string(*number);
    }
    break;
  case 'x':
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
      return Hex(static_cast<std::uint32_t>(*number), 1);
    }
    break;
  case 'p':
    if (const auto* address = std::get_if<const void*>(&value)) {
      return Hex(reinterpret_cast<std::uintptr_t>(*address), 2 * sizeof(void*));
    }
    break;
  default:
    break;
  }
  return std::nullopt;
}

// Reads an optional "n:" argument index at pattern[pos]; advances pos past it.
std::optional<std::size_t> ReadIndex(std::string_view pattern, std::size_t& pos) {
  std::size_t end = pos;
  while (end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9') {
    ++end;
  }
  if (end == pos || end >= pattern.size() || pattern[end] != ':') {
    return std::nullopt;
  }
  const auto index = static_cast<std::size_t>(std::stoul(String(pattern.substr(pos, end - pos))));
  pos = end + 1;
  return index;
}

} // namespace

String Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
  String out;
  std::size_t next = 0;
  for (std::size_t pos = 0; pos < pattern.size();) {
    const char c = pattern[pos];
    if (c != '%' || pos + 1 >= pattern.size()) {
      out += c;
      ++pos;
      continue;
    }
    if (pattern[pos + 1] == '%') {
      out += '%';
      pos += 2;
      continue;
    }
    std::size_t cursor = pos + 1;
    if (const auto index = ReadIndex(pattern, cursor)) {
      next = *index;
    }
    const char kind = cursor < pattern.size() ? pattern[cursor] : '\0';
    std::optional<String> text;
    if (next < args.size()) {
      text = Render(kind, *(args.begin() + next));
    }
    if (!text) {
      out += c;
      ++pos;
      continue;
    }
    out += *text;
    ++next;
    pos = cursor + 1;
  }
  return out;
}
