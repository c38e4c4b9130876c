#pragma once

#include "ModelText.h"

// Limits, growth and index texts shared by the framework's two list kinds (TStringList and
// TList), so that both grow and fail alike.

// The most entries a list may hold: the largest array of pointers that fits in half of a
// 32-bit address space.
inline constexpr int kMaxListSize = 0x7FFFFFF;

// The capacity a full list grows to: by a quarter above 64 entries, by 16 from 9 to 64 and
// by 4 below, so that small lists stay small and large ones need few reallocations. The
// result never exceeds kMaxListSize unless the list already stands at it.
constexpr int NextListCapacity(int capacity) {
  int delta = 4;
  if (capacity > 64) {
    delta = capacity / 4;
  } else if (capacity > 8) {
    delta = 16;
  }
  if (capacity < kMaxListSize && delta > kMaxListSize - capacity) {
    return kMaxListSize;
  }
  return capacity + delta;
}

inline constexpr const char* kListIndexError = ModelText::ListIndexError;
inline constexpr const char* kListCapacityError = "リストの容量が超えました (%d)";
inline constexpr const char* kListCountError = "リストの個数を超えました (%d)";
