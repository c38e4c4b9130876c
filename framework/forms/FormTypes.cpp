#include "FormTypes.h"

namespace {

const char* const borderIcons[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
const char* const borderStyles[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                    "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const char* const formStyles[] = {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
const char* const positions[] = {"poDesigned",        "poDefault",        "poDefaultPosOnly",
                                 "poDefaultSizeOnly", "poScreenCenter",   "poDesktopCenter",
                                 "poMainFormCenter",  "poOwnerFormCenter"};
const char* const windowStates[] = {"wsNormal", "wsMinimized", "wsMaximized"};
const char* const defaultMonitors[] = {"dmDesktop", "dmPrimary", "dmMainForm", "dmActiveForm"};

} // namespace

const TEnumType& EnumTypeOf(TBorderIcon) {
  static const TEnumType type{"TBorderIcon", borderIcons};
  return type;
}

const TEnumType& EnumTypeOf(TFormBorderStyle) {
  static const TEnumType type{"TFormBorderStyle", borderStyles};
  return type;
}

const TEnumType& EnumTypeOf(TFormStyle) {
  static const TEnumType type{"TFormStyle", formStyles};
  return type;
}

const TEnumType& EnumTypeOf(TPosition) {
  static const TEnumType type{"TPosition", positions};
  return type;
}

const TEnumType& EnumTypeOf(TWindowState) {
  static const TEnumType type{"TWindowState", windowStates};
  return type;
}

const TEnumType& EnumTypeOf(TDefaultMonitor) {
  static const TEnumType type{"TDefaultMonitor", defaultMonitors};
  return type;
}
