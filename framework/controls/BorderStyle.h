#pragma once

#include "ClassInfo.h"

// Whether a control draws a border around its window. A scoped enumeration, so that its
// members do not clash with the form's own border styles of the same names.
enum class TBorderStyle { bsNone, bsSingle };

const TEnumType& EnumTypeOf(TBorderStyle);
