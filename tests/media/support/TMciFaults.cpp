#include "TMciFaults.h"

MCIERROR TMciFaults::Take(UINT message, DWORD item) {
  for (auto fault = faults_.rbegin(); fault != faults_.rend(); ++fault) {
    if (fault->message != message || (fault->item != kAnyItem && fault->item != item))
      continue;
    MCIERROR error = fault->error;
    if (!fault->persistent)
      faults_.erase(std::next(fault).base());
    return error;
  }
  return 0;
}
