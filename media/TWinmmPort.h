#pragma once

#include "TMciPort.h"

// The product's port: the platform's MCI in winmm.
class TWinmmPort final : public TMciPort {
public:
  MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                       DWORD_PTR params) override;
  bool ErrorString(MCIERROR error, char* buffer, UINT size) override;
};
