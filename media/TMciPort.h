#pragma once

#include <windows.h>

#include <mmsystem.h>

// The one way the product talks to the Media Control Interface. Every command and every
// error text goes through the current port (CurrentMciPort.h): the product's own port hands
// them to winmm, tests put a simulated media service in its place.
//
// The arguments are exactly those of mciSendCommandA: flags and the parameter block's
// address travel as DWORD_PTR, so the blocks of mmsystem.h keep their own layout on 32- and
// 64-bit builds.
class TMciPort {
public:
  TMciPort() = default;
  TMciPort(const TMciPort&) = delete;
  TMciPort& operator=(const TMciPort&) = delete;
  virtual ~TMciPort() = default;

  // mciSendCommandA: 0 on success, otherwise an MCI error code (MCIERR_*).
  virtual MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                               DWORD_PTR params) = 0;

  // mciGetErrorStringA: the text for error, zero-terminated, in buffer of size bytes.
  // False when there is no text for the code (the buffer's contents are then undefined).
  virtual bool ErrorString(MCIERROR error, char* buffer, UINT size) = 0;

  // SendCommand with a parameter block of mmsystem.h, passed by its address.
  template <class Block>
  MCIERROR Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, Block& block) {
    return SendCommand(device, message, flags, reinterpret_cast<DWORD_PTR>(&block));
  }
};
