#include "BorderStyle.h"

const TEnumType& EnumTypeOf(TBorderStyle) {
  static const char* const names[] = {"bsNone", "bsSingle"};
  static const TEnumType type{"TBorderStyle", names};
  return type;
}
