#pragma once

#include "String.h"

#include <windows.h>

#include <mmsystem.h>

#include <optional>

// One command as the stand-in received it: the message, the flags and the fields of the
// parameter block that the message carries, copied when it was sent (the caller's block
// may be gone by the time a test looks), and what the stand-in answered.
struct TMciCall {
  MCIDEVICEID device = 0;
  UINT message = 0;
  DWORD_PTR flags = 0;
  bool hasBlock = false;
  DWORD_PTR callback = 0;

  // MCI_OPEN. A null name pointer gives no value; an empty name an empty value.
  std::optional<String> deviceType;
  std::optional<String> element;
  std::optional<String> alias;

  // MCI_PLAY, MCI_RECORD (from, to), MCI_SEEK (to).
  DWORD from = 0;
  DWORD to = 0;
  // MCI_STATUS (item, track), MCI_GETDEVCAPS (item).
  DWORD item = 0;
  DWORD track = 0;
  // MCI_SET.
  DWORD timeFormat = 0;
  DWORD audio = 0;
  // MCI_STEP.
  DWORD frames = 0;
  // MCI_WINDOW.
  HWND window = nullptr;
  UINT showCommand = 0;
  // MCI_PUT as sent, MCI_WHERE as answered.
  RECT rect{};
  // MCI_SAVE.
  std::optional<String> file;

  // The answer: the result code, the opened device (MCI_OPEN), the returned value
  // (MCI_STATUS, MCI_GETDEVCAPS).
  MCIERROR result = 0;
  MCIDEVICEID openedDevice = 0;
  DWORD_PTR returned = 0;

  bool Has(DWORD_PTR flag) const { return (flags & flag) == flag; }
};

// The call with the block fields the message carries, read from the caller's block.
TMciCall RecordCall(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params);

// Adds what the command wrote back into the caller's block (device, value, rectangle).
void RecordAnswer(TMciCall& call, MCIERROR result, DWORD_PTR params);
