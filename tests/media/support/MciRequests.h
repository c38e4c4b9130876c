#pragma once

#include "TMciPort.h"

#include <windows.h>

#include <mmsystem.h>

// Short forms of the requests the media tests send through a port.

// An answer: the result code and, on success, the returned value.
struct TMciAnswer {
  MCIERROR error;
  DWORD_PTR value;

  bool operator==(const TMciAnswer&) const = default;
};

// MCI_OPEN with a type (null: none), an element (null: none) and extra flags; the id in id.
inline MCIERROR OpenDevice(TMciPort& port, const char* type, const char* element, MCIDEVICEID& id,
                           DWORD_PTR flags = MCI_WAIT) {
  MCI_OPEN_PARMSA block{};
  block.lpstrDeviceType = type;
  block.lpstrElementName = element;
  flags |= (type != nullptr ? MCI_OPEN_TYPE : 0) | (element != nullptr ? MCI_OPEN_ELEMENT : 0);
  MCIERROR error = port.Send(0, MCI_OPEN, flags, block);
  id = block.wDeviceID;
  return error;
}

inline TMciAnswer StatusOf(TMciPort& port, MCIDEVICEID id, DWORD item, DWORD_PTR flags = 0,
                           DWORD track = 0) {
  MCI_STATUS_PARMS block{};
  block.dwItem = item;
  block.dwTrack = track;
  MCIERROR error = port.Send(id, MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM | flags, block);
  return {error, error == 0 ? block.dwReturn : 0};
}

inline TMciAnswer CapabilityOf(TMciPort& port, MCIDEVICEID id, DWORD item) {
  MCI_GETDEVCAPS_PARMS block{};
  block.dwItem = item;
  MCIERROR error = port.Send(id, MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM, block);
  return {error, error == 0 ? block.dwReturn : 0};
}

// A command whose block holds nothing but the callback (and, for play, seek and set, zeros
// unless filled in by the caller through the overloads below).
inline MCIERROR Command(TMciPort& port, MCIDEVICEID id, UINT message, DWORD_PTR flags,
                        DWORD_PTR callback = 0) {
  MCI_PLAY_PARMS block{};
  block.dwCallback = callback;
  return port.Send(id, message, flags, block);
}

inline MCIERROR PlayDevice(TMciPort& port, MCIDEVICEID id, DWORD_PTR flags, DWORD from = 0,
                           DWORD to = 0, DWORD_PTR callback = 0) {
  MCI_PLAY_PARMS block{callback, from, to};
  return port.Send(id, MCI_PLAY, flags, block);
}

inline MCIERROR SeekDevice(TMciPort& port, MCIDEVICEID id, DWORD_PTR flags, DWORD to = 0) {
  MCI_SEEK_PARMS block{0, to};
  return port.Send(id, MCI_SEEK, MCI_WAIT | flags, block);
}

inline MCIERROR SetTimeFormat(TMciPort& port, MCIDEVICEID id, DWORD format) {
  MCI_SET_PARMS block{0, format, 0};
  return port.Send(id, MCI_SET, MCI_WAIT | MCI_SET_TIME_FORMAT, block);
}
