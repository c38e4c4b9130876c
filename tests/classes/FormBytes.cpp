#include "FormBytes.h"

FormBytes& FormBytes::Signature() { return Bytes({'T', 'P', 'F', '0'}); }

FormBytes& FormBytes::Byte(std::uint8_t byte) {
  bytes_.push_back(byte);
  return *this;
}

FormBytes& FormBytes::Bytes(std::initializer_list<std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes);
  return *this;
}

FormBytes& FormBytes::Short(std::string_view text) {
  Byte(static_cast<std::uint8_t>(text.size()));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  return *this;
}

FormBytes& FormBytes::Object(std::string_view className, std::string_view name) {
  return Short(className).Short(name);
}

FormBytes& FormBytes::Int32(std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    Byte(static_cast<std::uint8_t>(value >> shift));
  return *this;
}

FormBytes& FormBytes::Int(std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  if (value >= -128 && value <= 127)
    return Byte(2).Byte(static_cast<std::uint8_t>(bits));
  if (value >= -32768 && value <= 32767)
    return Byte(3).Byte(static_cast<std::uint8_t>(bits)).Byte(static_cast<std::uint8_t>(bits >> 8));
  return Byte(4).Int32(bits);
}

FormBytes& FormBytes::Str(std::string_view text) { return Byte(6).Short(text); }

FormBytes& FormBytes::LongStr(std::string_view text) {
  Byte(12).Int32(static_cast<std::uint32_t>(text.size()));
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  return *this;
}

FormBytes& FormBytes::Ident(std::string_view name) { return Byte(7).Short(name); }

FormBytes& FormBytes::Bool(bool value) { return Byte(value ? 9 : 8); }

FormBytes& FormBytes::Nil() { return Byte(13); }

FormBytes& FormBytes::Set(std::initializer_list<std::string_view> members) {
  Byte(11);
  for (std::string_view member : members)
    Short(member);
  return Byte(0);
}
