#include "MenuTypes.h"

SORVANE_ENUM_TYPE(TMenuItemAutoFlag, SORVANE_TMenuItemAutoFlag)
SORVANE_ENUM_TYPE(TMenuBreak, SORVANE_TMenuBreak)

const TEnumType& EnumTypeOf(TMenuAutoFlag) {
  static const char* const names[] = {"maAutomatic", "maManual"};
  static const TEnumType type{"TMenuAutoFlag", names};
  return type;
}
