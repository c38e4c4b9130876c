#pragma once

#include <windows.h>

// The caller's parameter block of type Block at params (null when none was passed).
template <class Block> Block* BlockAt(DWORD_PTR params) { return reinterpret_cast<Block*>(params); }

// Whether every bit of flag is in flags.
constexpr bool HasFlag(DWORD_PTR flags, DWORD_PTR flag) { return (flags & flag) == flag; }
