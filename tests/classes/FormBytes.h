#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

// Writes form resource bytes for tests, value by value:
//   FormBytes().Signature().Object("TTestForm", "Form1").Prop("Left").Int(192).End()...
class FormBytes {
public:
  FormBytes& Signature();
  FormBytes& Byte(std::uint8_t byte);
  FormBytes& Bytes(std::initializer_list<std::uint8_t> bytes);
  FormBytes& Short(std::string_view text);
  FormBytes& Object(std::string_view className, std::string_view name);
  FormBytes& Prop(std::string_view name) { return Short(name); }
  // An integer in the narrowest tag (2, 3 or 4).
  FormBytes& Int(std::int32_t value);
  FormBytes& Str(std::string_view text);
  FormBytes& LongStr(std::string_view text);
  FormBytes& Ident(std::string_view name);
  FormBytes& Bool(bool value);
  FormBytes& Nil();
  FormBytes& Set(std::initializer_list<std::string_view> members);
  FormBytes& Int32(std::uint32_t value);
  // The 0x00 that ends a list, a property list or a child list.
  FormBytes& End() { return Byte(0); }

  std::span<const std::uint8_t> Data() const { return bytes_; }
  const std::vector<std::uint8_t>& Vector() const { return bytes_; }

private:
  std::vector<std::uint8_t> bytes_;
};
