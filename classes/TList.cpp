#include "TList.h"

#include "Exception.h"
#include "Format.h"
#include "ListLimits.h"

#include <algorithm>
#include <utility>

void* TList::ItemAt(int index) const {
  CheckIndex(index);
  return Slot(index);
}

void TList::SetItemAt(int index, void* item) {
  CheckIndex(index);
  Slot(index) = item;
}

void TList::SetItemCount(int count) {
  if (count < 0 || count > kMaxListSize) {
    throw EListError(Format(kListCountError, {count}));
  }
  if (count > Capacity()) {
    Reserve(count);
  }
  std::fill(items_.begin() + std::min(count, count_), items_.begin() + std::max(count, count_),
            nullptr);
  count_ = count;
}

void TList::Reserve(int capacity) {
  if (capacity < count_ || capacity > kMaxListSize) {
    throw EListError(Format(kListCapacityError, {capacity}));
  }
  // A new array of exactly that size, so that the capacity is what was asked for and 0
  // frees the memory.
  std::vector<void*> resized(static_cast<std::size_t>(capacity), nullptr);
  std::copy(items_.begin(), items_.begin() + count_, resized.begin());
  items_.swap(resized);
}

int TList::Append(void* item) {
  const int index = count_;
  InsertAt(index, item);
  return index;
}

void TList::InsertAt(int index, void* item) {
  if (index < 0 || index > count_) {
    throw EListError(Format(kListIndexError, {index}));
  }
  GrowIfFull();
  std::copy_backward(items_.begin() + index, items_.begin() + count_, items_.begin() + count_ + 1);
  Slot(index) = item;
  ++count_;
}

void TList::RemoveAt(int index) {
  CheckIndex(index);
  std::copy(items_.begin() + index + 1, items_.begin() + count_, items_.begin() + index);
  --count_;
  Slot(count_) = nullptr;
}

int TList::Remove(const void* item) {
  const int index = PositionOf(item);
  if (index >= 0) {
    RemoveAt(index);
  }
  return index;
}

void TList::RemoveAll() {
  items_ = std::vector<void*>();
  count_ = 0;
}

int TList::PositionOf(const void* item) const {
  const auto end = items_.begin() + count_;
  const auto found = std::find(items_.begin(), end, item);
  return found == end ? -1 : static_cast<int>(found - items_.begin());
}

void TList::Swap(int first, int second) {
  CheckIndex(first);
  CheckIndex(second);
  std::swap(Slot(first), Slot(second));
}

void TList::MoveItem(int from, int to) {
  if (from == to) {
    return;
  }
  CheckIndex(from);
  CheckIndex(to);
  void* const item = Slot(from);
  RemoveAt(from);
  InsertAt(to, item);
}

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= count_) {
    throw EListError(Format(kListIndexError, {index}));
  }
}

void TList::GrowIfFull() {
  if (count_ == Capacity()) {
    Reserve(NextListCapacity(count_));
  }
}
