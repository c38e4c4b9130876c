#include "TApplication.h"

bool TApplication::HelpContext(std::int32_t context) {
  if (HelpFile.empty() || !handle_) {
    return false;
  }
  return WinHelpA(handle_, HelpFile.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context)) !=
         FALSE;
}
