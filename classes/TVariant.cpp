#include "TVariant.h"

TVariant TVariant::FromInteger(TVariantKind kind, std::int64_t value) {
  TVariant variant(kind);
  variant.integer_ = value;
  return variant;
}

TVariant TVariant::FromReal(TVariantKind kind, double value) {
  TVariant variant(kind);
  variant.real_ = value;
  return variant;
}

TVariant TVariant::FromString(String text) {
  TVariant variant(TVariantKind::Text);
  variant.text_ = std::move(text);
  return variant;
}

TVariant TVariant::FromWideString(std::u16string text) {
  TVariant variant(TVariantKind::WideString);
  variant.wide_ = std::move(text);
  return variant;
}
