#pragma once

#include "String.h"

#include <cstdint>
#include <initializer_list>
#include <variant>

// One argument of Format: a text, an integer or an address.
class FormatArg {
public:
  FormatArg(const char* text) : value_(String(text ? text : "")) {}
  FormatArg(String text) : value_(std::move(text)) {}
  FormatArg(std::string_view text) : value_(String(text)) {}
  FormatArg(int number) : value_(static_cast<std::int64_t>(number)) {}
  FormatArg(long number) : value_(static_cast<std::int64_t>(number)) {}
  FormatArg(long long number) : value_(static_cast<std::int64_t>(number)) {}
  FormatArg(unsigned number) : value_(static_cast<std::int64_t>(number)) {}
  FormatArg(unsigned long number) : value_(static_cast<std::int64_t>(number)) {}
  FormatArg(unsigned long long number) : value_(static_cast<std::int64_t>(number)) {}
  FormatArg(const void* address) : value_(address) {}

  const std::variant<String, std::int64_t, const void*>& Value() const { return value_; }

private:
  std::variant<String, std::int64_t, const void*> value_;
};

// Fills a message pattern. Directives: %s (text), %d (signed decimal), %x (upper-case
// hexadecimal), %p (address as upper-case hexadecimal of pointer width), %% (a percent sign);
// "%n:s" and the like take argument n (0-based) and make it the current one. A directive
// whose argument is missing or of another kind leaves the directive itself in the text.
// The pattern is scanned byte-wise: no Shift_JIS trail byte is "%".
String Format(std::string_view pattern, std::initializer_list<FormatArg> args);
