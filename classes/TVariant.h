#pragma once

#include "String.h"

#include <cstdint>
#include <string>

// The kinds of value a variant property can hold, as the form reader produces them.
enum class TVariantKind {
  Empty,
  Null,
  Byte,
  SmallInt,
  Integer,
  Double,
  Text,
  Boolean,
  Single,
  Currency,
  Date,
  WideString
};

// A small variant: one kind and its value. Integers, Booleans (true is -1) and currency
// (the value times 10000) live in the integer part; Double, Single and Date in the real part.
class TVariant {
public:
  TVariant() = default;
  static TVariant Null() { return TVariant(TVariantKind::Null); }
  static TVariant FromInteger(TVariantKind kind, std::int64_t value);
  static TVariant FromReal(TVariantKind kind, double value);
  static TVariant FromString(String text);
  static TVariant FromWideString(std::u16string text);

  TVariantKind Kind() const { return kind_; }
  std::int64_t Integer() const { return integer_; }
  double Real() const { return real_; }
  const String& Text() const { return text_; }
  const std::u16string& WideText() const { return wide_; }

  bool operator==(const TVariant&) const = default;

private:
  explicit TVariant(TVariantKind kind) : kind_(kind) {}

  TVariantKind kind_ = TVariantKind::Empty;
  std::int64_t integer_ = 0;
  double real_ = 0;
  String text_;
  std::u16string wide_;
};
