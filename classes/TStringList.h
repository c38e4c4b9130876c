#pragma once

#include "TStrings.h"

#include <cstdint>
#include <functional>
#include <vector>

// What adding a text to a sorted list does when an equal text is already there.
enum TDuplicates : std::uint8_t {
  dupIgnore = 0, // nothing is added; the existing entry's index is the result
  dupAccept = 1, // the text is added next to its equals
  dupError = 2,  // the addition fails
};

// The in-memory list of texts, optionally kept sorted.
//
// Entries are (text, object) pairs in one contiguous array that grows by the rule of
// NextListCapacity. The list is ordered case-insensitively by LocaleCompareText. Every
// change is announced to the changing handler before and to the change handler after it,
// both only outside an update; an update is announced once, at its start and at its end.
class TStringList : public TStrings {
public:
  SORVANE_CLASS(TStringList, TStrings)

  using Handler = std::function<void(TStringList& sender)>;
  // Orders the entries at two indexes: negative, 0 or positive.
  using Compare = std::function<int(const TStringList& list, int first, int second)>;

  TStringList() = default;

  String ItemAt(int index) const override;
  int Capacity() const override;
  int ItemCount() const override;
  void* ObjectAt(int index) const override;
  void ReplaceAt(int index, const String& text) override;
  void SetObjectAt(int index, void* object) override;
  // Resizes the entry array; fails for fewer entries than the count or more than
  // kMaxListSize.
  void Reserve(int capacity) override;

protected:
  void UpdatingChanged(bool updating) override;

public:
  int Append(const String& text) override;
  void RemoveAll() override;
  void RemoveAt(int index) override;
  // Allowed on a sorted list: the caller takes responsibility for the order.
  void Swap(int first, int second) override;
  int PositionOf(const String& text) const override;
  void InsertAt(int index, const String& text) override;
  // Fails on a sorted list, where an entry has no place of its own choosing.
  void MoveItem(int from, int to) override;

protected:
  virtual void NotifyChanged();
  virtual void NotifyChanging();

public:
  // Binary search in a sorted list. Gives true when an equal text exists; index is then that
  // entry (under dupAccept the first of several equal ones), otherwise the insertion point.
  virtual bool Locate(const String& text, int& index) const;
  virtual void SortItems();
  // Sorts by compare unless the list is sorted already or has fewer than two entries.
  virtual void SortWith(const Compare& compare);

  bool Sorted() const { return sorted_; }
  // Sorting on: sorts the entries, then keeps them sorted. Off: leaves them as they are.
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
  const Handler& OnChange() const { return onChange_; }
  void SetOnChange(Handler handler) { onChange_ = std::move(handler); }
  const Handler& OnChanging() const { return onChanging_; }
  void SetOnChanging(Handler handler) { onChanging_ = std::move(handler); }

private:
  struct Entry {
    String text;
    void* object = nullptr;
  };

  void CheckIndex(int index) const;
  void CheckUnsorted() const;
  void InsertEntry(int index, const String& text);
  void QuickSort(int left, int right, const Compare& compare);
  void SwapEntries(int first, int second);
  Entry& EntryAt(int index) { return entries_[static_cast<std::size_t>(index)]; }
  const Entry& EntryAt(int index) const { return entries_[static_cast<std::size_t>(index)]; }

  // Sized to the capacity; the slots from count onward hold empty entries.
  std::vector<Entry> entries_;
  int count_ = 0;
  bool sorted_ = false;
  TDuplicates duplicates_ = dupIgnore;
  Handler onChange_;
  Handler onChanging_;
};
