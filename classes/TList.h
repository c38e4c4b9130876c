#pragma once

#include <vector>

// The framework's plain list of pointers. The list never dereferences or frees what it
// holds; a null pointer is an item like any other.
//
// It grows like the string lists (NextListCapacity). Every failing operation raises
// EListError and leaves the list as it was.
class TList {
public:
  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  virtual ~TList() = default;

  void* ItemAt(int index) const;
  void SetItemAt(int index, void* item);
  int ItemCount() const { return count_; }
  // Shrinking drops the items beyond count; growing adds null items.
  void SetItemCount(int count);
  int Capacity() const { return static_cast<int>(items_.size()); }
  // Resizes the item array; fails for fewer items than the count or more than kMaxListSize.
  void Reserve(int capacity);

  int Append(void* item);
  void InsertAt(int index, void* item);
  void RemoveAt(int index);
  // Removes the first occurrence of item; gives its former index, or -1.
  int Remove(const void* item);
  void RemoveAll();
  // Index of the first occurrence of item, or -1.
  int PositionOf(const void* item) const;
  void Swap(int first, int second);
  void MoveItem(int from, int to);

private:
  void CheckIndex(int index) const;
  void GrowIfFull();
  void*& Slot(int index) { return items_[static_cast<std::size_t>(index)]; }
  void* const& Slot(int index) const { return items_[static_cast<std::size_t>(index)]; }

  // Sized to the capacity; the slots from count onward are null.
  std::vector<void*> items_;
  int count_ = 0;
};
