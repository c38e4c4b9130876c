#pragma once

#include <windows.h>

#include <mmsystem.h>

// The caller's parameter block of type Block at params (null when none was passed).
template <class Block> Block* BlockAt(DWORD_PTR params) { return reinterpret_cast<Block*>(params); }

// Whether every bit of flag is in flags.
constexpr bool HasFlag(DWORD_PTR flags, DWORD_PTR flag) { return (flags & flag) == flag; }

// The window a command's notice goes to: the block's dwCallback (none without a block).
inline HWND CallbackOf(DWORD_PTR params) {
  return params == 0 ? nullptr
                     : reinterpret_cast<HWND>(BlockAt<MCI_GENERIC_PARMS>(params)->dwCallback);
}
