#pragma once

#include "TStrings.h"

#include <windows.h>

class TCustomListBox;

// The entries of a list box. The texts and their objects live only in the native control:
// every operation is a list-box message to the list box's window, which is made on first
// use. The list box owns this list.
class TListBoxStrings : public TStrings {
public:
  SORVANE_CLASS(TListBoxStrings, TStrings)

  explicit TListBoxStrings(TCustomListBox& listBox) : listBox_(listBox) {}

  // The whole text, however long: the length is asked first. A missing entry fails with
  // EStringListError.
  String ItemAt(int index) const override;
  int ItemCount() const override;
  // A missing entry fails with EStringListError.
  void* ObjectAt(int index) const override;
  // Removes the entry at index and inserts text there, keeping the entry's object and the
  // caret. At the index one past the last entry it appends (with no object); a negative
  // index fails with EStringListError.
  void ReplaceAt(int index, const String& text) override;
  void SetObjectAt(int index, void* object) override;

protected:
  // Stops the control's drawing during an update and repaints it at the end.
  void UpdatingChanged(bool updating) override;

public:
  // The new entry's index (its sorted place in a sorted list box); a refused text fails with
  // EOutOfResources.
  int Append(const String& text) override;
  void RemoveAll() override;
  // A missing entry removes nothing and raises nothing.
  void RemoveAt(int index) override;
  // Exchanges texts and objects; the caret follows the entry it was on.
  void Swap(int first, int second) override;
  // Case-insensitive; -1 when no entry has that text.
  int PositionOf(const String& text) const override;
  // A refused text (or index) fails with EOutOfResources.
  void InsertAt(int index, const String& text) override;
  void MoveItem(int from, int to) override;

private:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LPARAM Data(int index) const;
  void SetData(int index, LPARAM data) const;
  [[noreturn]] static void RaiseIndexError(int index);
  static void CheckInserted(LRESULT result);

  TCustomListBox& listBox_;
};
