#include "PlayList.h"

#include "Format.h"
#include "Messages.h"

#include <algorithm>

void TPlayList::Append(const String& path) {
  if (Room() == 0) {
    throw PlayListFull(1);
  }
  Entries[static_cast<std::size_t>(EntryCount)] = path;
  ++EntryCount;
}

bool TPlayList::Remove(std::int32_t index) {
  if (!Names(index)) {
    return false;
  }
  const auto first = Entries.begin() + index;
  std::move(first + 1, Entries.begin() + EntryCount, first);
  --EntryCount;
  return true;
}

EPlayListFull PlayListFull(std::int32_t refused) {
  return EPlayListFull(Format(LoadMessage(Msg::PlayListFull), {TPlayList::Capacity, refused}));
}
