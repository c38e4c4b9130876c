#include "TStringList.h"

#include "Exception.h"
#include "Format.h"
#include "ListLimits.h"
#include "LocaleCompare.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* kSortedListError = "ソートされる文字列リストに対しては許されない動作です";
constexpr const char* kDuplicateError = "文字列リストは重複を許しません";

} // namespace

String TStringList::ItemAt(int index) const {
  CheckIndex(index);
  return EntryAt(index).text;
}

int TStringList::Capacity() const { return static_cast<int>(entries_.size()); }

int TStringList::ItemCount() const { return count_; }

void* TStringList::ObjectAt(int index) const {
  CheckIndex(index);
  return EntryAt(index).object;
}

void TStringList::ReplaceAt(int index, const String& text) {
  CheckUnsorted();
  CheckIndex(index);
  NotifyChanging();
  EntryAt(index).text = text;
  NotifyChanged();
}

void TStringList::SetObjectAt(int index, void* object) {
  CheckIndex(index);
  NotifyChanging();
  EntryAt(index).object = object;
  NotifyChanged();
}

void TStringList::Reserve(int capacity) {
  if (capacity < count_ || capacity > kMaxListSize) {
    throw EStringListError(Format(kListCapacityError, {capacity}));
  }
  // A new array of exactly that size, so that the capacity is what was asked for and 0
  // frees the memory.
  std::vector<Entry> resized(static_cast<std::size_t>(capacity));
  std::move(entries_.begin(), entries_.begin() + count_, resized.begin());
  entries_.swap(resized);
}

void TStringList::UpdatingChanged(bool updating) {
  if (updating) {
    NotifyChanging();
  } else {
    NotifyChanged();
  }
}

int TStringList::Append(const String& text) {
  if (!sorted_) {
    const int index = count_;
    InsertEntry(index, text);
    return index;
  }
  int index = 0;
  if (Locate(text, index)) {
    if (duplicates_ == dupIgnore) {
      return index;
    }
    if (duplicates_ == dupError) {
      throw EStringListError(kDuplicateError);
    }
  }
  InsertEntry(index, text);
  return index;
}

void TStringList::RemoveAll() {
  if (count_ == 0) {
    return;
  }
  NotifyChanging();
  entries_ = std::vector<Entry>();
  count_ = 0;
  NotifyChanged();
}

void TStringList::RemoveAt(int index) {
  CheckIndex(index);
  NotifyChanging();
  std::move(entries_.begin() + index + 1, entries_.begin() + count_, entries_.begin() + index);
  --count_;
  EntryAt(count_) = Entry();
  NotifyChanged();
}

void TStringList::Swap(int first, int second) {
  CheckIndex(first);
  CheckIndex(second);
  NotifyChanging();
  SwapEntries(first, second);
  NotifyChanged();
}

int TStringList::PositionOf(const String& text) const {
  int index = 0;
  if (sorted_) {
    return Locate(text, index) ? index : -1;
  }
  // The shared linear search, without copying every text through ItemAt.
  for (; index < count_; ++index) {
    if (LocaleCompareText(EntryAt(index).text, text) == 0) {
      return index;
    }
  }
  return -1;
}

void TStringList::InsertAt(int index, const String& text) {
  CheckUnsorted();
  if (index < 0 || index > count_) {
    throw EStringListError(Format(kListIndexError, {index}));
  }
  InsertEntry(index, text);
}

void TStringList::MoveItem(int from, int to) {
  if (from != to) {
    CheckUnsorted();
  }
  TStrings::MoveItem(from, to);
}

void TStringList::NotifyChanged() {
  if (UpdateDepth() == 0 && onChange_) {
    onChange_(*this);
  }
}

void TStringList::NotifyChanging() {
  if (UpdateDepth() == 0 && onChanging_) {
    onChanging_(*this);
  }
}

bool TStringList::Locate(const String& text, int& index) const {
  bool found = false;
  int low = 0;
  int high = count_ - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = LocaleCompareText(EntryAt(middle).text, text);
    if (order < 0) {
      low = middle + 1;
      continue;
    }
    high = middle - 1;
    if (order == 0) {
      found = true;
      // Without duplicates the match ends the search; with them the search goes on to the
      // left to find the first of the equal texts.
      if (duplicates_ != dupAccept) {
        low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringList::SortItems() {
  SortWith([](const TStringList& list, int first, int second) {
    return LocaleCompareText(list.EntryAt(first).text, list.EntryAt(second).text);
  });
}

void TStringList::SortWith(const Compare& compare) {
  if (sorted_ || count_ < 2) {
    return;
  }
  NotifyChanging();
  QuickSort(0, count_ - 1, compare);
  NotifyChanged();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted_ == sorted) {
    return;
  }
  if (sorted) {
    SortItems();
  }
  sorted_ = sorted;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= count_) {
    throw EStringListError(Format(kListIndexError, {index}));
  }
}

void TStringList::CheckUnsorted() const {
  if (sorted_) {
    throw EStringListError(kSortedListError);
  }
}

void TStringList::InsertEntry(int index, const String& text) {
  // The copy and the growth come first: when either fails, nothing has changed and no
  // changing notice waits for its changed one.
  Entry entry{text, nullptr};
  if (count_ == Capacity()) {
    Reserve(NextListCapacity(count_));
  }
  NotifyChanging();
  std::move_backward(entries_.begin() + index, entries_.begin() + count_,
                     entries_.begin() + count_ + 1);
  EntryAt(index) = std::move(entry);
  ++count_;
  NotifyChanged();
}

// Quicksort on left..right that follows the pivot entry by its index as swaps move it, and
// recurses into the left part only, looping on the right one. The scans stop at the range's
// ends, which a consistent compare never reaches; an inconsistent one then yields some order
// instead of reading outside the list.
void TStringList::QuickSort(int left, int right, const Compare& compare) {
  int i = left;
  do {
    i = left;
    int j = right;
    int pivot = (left + right) / 2;
    do {
      while (i < right && compare(*this, i, pivot) < 0) {
        ++i;
      }
      while (j > left && compare(*this, j, pivot) > 0) {
        --j;
      }
      if (i <= j) {
        SwapEntries(i, j);
        if (pivot == i) {
          pivot = j;
        } else if (pivot == j) {
          pivot = i;
        }
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) {
      QuickSort(left, j, compare);
    }
    left = i;
  } while (i < right);
}

void TStringList::SwapEntries(int first, int second) { std::swap(EntryAt(first), EntryAt(second)); }
