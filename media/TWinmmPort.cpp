#include "TWinmmPort.h"

MCIERROR TWinmmPort::SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                 DWORD_PTR params) {
  return mciSendCommandA(device, message, flags, params);
}

bool TWinmmPort::ErrorString(MCIERROR error, char* buffer, UINT size) {
  return mciGetErrorStringA(error, buffer, size) != FALSE;
}
