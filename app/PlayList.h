#pragma once

#include "Exception.h"
#include "String.h"

#include <array>
#include <cstdint>

// A file the play list had no room for.
SORVANE_EXCEPTION(EPlayListFull, Exception);

// The paths of the play list: Entries 0 to EntryCount - 1 in play order. Slots at and above
// EntryCount hold no entry, whatever text they still contain. The list never grows past its
// 1000 slots: a path that does not fit is refused and nothing already listed is lost.
class TPlayList {
public:
  static constexpr std::int32_t Capacity = 1000;

  std::array<String, Capacity> Entries;
  std::int32_t EntryCount = 0;

  // The number of paths that still fit.
  std::int32_t Room() const { return Capacity - EntryCount; }
  // Whether index names an entry of the list.
  bool Names(std::int32_t index) const { return index >= 0 && index < EntryCount; }
  // Stores path after the last entry; EPlayListFull when there is no room.
  void Append(const String& path);
  // Moves the entries after index down by one place and drops the last; false (and nothing
  // changes) when index names no entry.
  bool Remove(std::int32_t index);
};

// The refusal of files the list had no room for, in the words the user reads.
EPlayListFull PlayListFull(std::int32_t refused);
