#include "TListBoxStrings.h"

#include "Exception.h"
#include "Format.h"
#include "Messages.h"
#include "ModelText.h"
#include "TCustomListBox.h"

#include <algorithm>

LRESULT TListBoxStrings::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageA(listBox_.Handle(), message, wParam, lParam);
}

LPARAM TListBoxStrings::Data(int index) const {
  return Send(LB_GETITEMDATA, static_cast<WPARAM>(index));
}

void TListBoxStrings::SetData(int index, LPARAM data) const {
  Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void TListBoxStrings::RaiseIndexError(int index) {
  throw EStringListError(Format(ModelText::ListIndexError, {index}));
}

void TListBoxStrings::CheckInserted(LRESULT result) {
  if (result < 0) {
    throw EOutOfResources(LoadMessage(Msg::InsertLineError));
  }
}

String TListBoxStrings::ItemAt(int index) const {
  LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) {
    RaiseIndexError(index);
  }
  String text(static_cast<std::size_t>(length) + 1, '\0');
  length = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  if (length < 0) {
    RaiseIndexError(index);
  }
  text.resize(std::min(static_cast<std::size_t>(length), text.size() - 1));
  return text;
}

int TListBoxStrings::ItemCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }

void* TListBoxStrings::ObjectAt(int index) const {
  if (index < 0 || index >= ItemCount()) {
    RaiseIndexError(index);
  }
  return reinterpret_cast<void*>(Data(index));
}

void TListBoxStrings::SetObjectAt(int index, void* object) {
  SetData(index, reinterpret_cast<LPARAM>(object));
}

void TListBoxStrings::ReplaceAt(int index, const String& text) {
  // The native control would take a negative index as "at the end".
  if (index < 0) {
    RaiseIndexError(index);
  }
  const int caret = listBox_.FocusIndex();
  const bool existing = index >= 0 && index < ItemCount();
  const LPARAM data = existing ? Data(index) : 0;
  if (existing) {
    SetData(index, 0);
    RemoveAt(index);
  }
  InsertWithObject(index, text, nullptr);
  SetData(index, data);
  listBox_.SetFocusIndex(caret);
}

void TListBoxStrings::UpdatingChanged(bool updating) {
  Send(WM_SETREDRAW, updating ? FALSE : TRUE);
  if (!updating) {
    listBox_.Repaint();
  }
}

int TListBoxStrings::Append(const String& text) {
  LRESULT result = Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  CheckInserted(result);
  return static_cast<int>(result);
}

void TListBoxStrings::RemoveAll() { Send(LB_RESETCONTENT); }

void TListBoxStrings::RemoveAt(int index) { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }

void TListBoxStrings::Swap(int first, int second) {
  UpdateScope update(*this);
  const int caret = listBox_.FocusIndex();
  const String firstText = ItemAt(first);
  const LPARAM firstData = Data(first);
  ReplaceAt(first, ItemAt(second));
  SetData(first, Data(second));
  ReplaceAt(second, firstText);
  SetData(second, firstData);
  if (caret == first) {
    listBox_.SetFocusIndex(second);
  } else if (caret == second) {
    listBox_.SetFocusIndex(first);
  }
}

int TListBoxStrings::PositionOf(const String& text) const {
  return static_cast<int>(
      Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
}

void TListBoxStrings::InsertAt(int index, const String& text) {
  CheckInserted(
      Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

void TListBoxStrings::MoveItem(int from, int to) {
  if (from == to) {
    return;
  }
  UpdateScope update(*this);
  // The destination is checked before anything is removed, so that a bad one loses nothing.
  if (to < 0 || to >= ItemCount()) {
    RaiseIndexError(to);
  }
  const String text = ItemAt(from);
  const LPARAM data = Data(from);
  SetData(from, 0);
  RemoveAt(from);
  InsertAt(to, text);
  SetData(to, data);
}
