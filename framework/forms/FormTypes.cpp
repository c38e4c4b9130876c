#include "FormTypes.h"

SORVANE_ENUM_TYPE(TBorderIcon, SORVANE_TBorderIcon)
SORVANE_ENUM_TYPE(TFormStyle, SORVANE_TFormStyle)
SORVANE_ENUM_TYPE(TPosition, SORVANE_TPosition)
SORVANE_ENUM_TYPE(TWindowState, SORVANE_TWindowState)
SORVANE_ENUM_TYPE(TDefaultMonitor, SORVANE_TDefaultMonitor)
