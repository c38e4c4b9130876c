#include "TWinControl.h"

#include "FormLink.h"
#include "FrameworkMessages.h"

#include <algorithm>

// The focus and the tab order of windowed controls.

bool TWinControl::CanFocus() const {
  TFormLink* link = HostForm();
  const TWinControl* form = link ? &link->FormControl() : nullptr;
  for (const TWinControl* control = this; control && control != form; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) {
      return false;
    }
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TFormLink* form = HostForm()) {
    form->FocusControl(this);
  } else if (Showing()) {
    ::SetFocus(Handle());
  }
}

int TWinControl::TabOrder() const {
  if (!Parent()) {
    return -1;
  }
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (IsReading()) {
    loadedTabOrder_ = value;
  }
  if (!Parent() || value < 0) {
    return;
  }
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  auto index = std::min(static_cast<std::size_t>(value), list.size());
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), this);
}

void TWinControl::FinishLoading() {
  TControl::FinishLoading();
  if (loadedTabOrder_ >= 0) {
    SetTabOrder(loadedTabOrder_);
    loadedTabOrder_ = -1;
  }
}

void TWinControl::SetTabStop(bool value) {
  if (tabStop_ != value) {
    tabStop_ = value;
    if (handle_) {
      LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
      style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
      SetWindowLongPtrA(handle_, GWL_STYLE, style);
    }
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, TTabDirection direction,
                                          TTabStopRule tabStops,
                                          TDescendantRule descendants) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) {
    return nullptr;
  }
  const bool forward = direction == tdForward;
  auto count = static_cast<std::ptrdiff_t>(list.size());
  auto found = std::find(list.begin(), list.end(), current);
  std::ptrdiff_t start = found == list.end() ? (forward ? count - 1 : 0) : found - list.begin();
  std::ptrdiff_t index = start;
  do {
    index = forward ? (index + 1) % count : (index - 1 + count) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(index)];
    if (candidate != current && candidate->CanFocus() &&
        (tabStops == tsAnyControl || candidate->TabStop()) &&
        (descendants == drAnyDescendant || candidate->Parent() == this)) {
      return candidate;
    }
  } while (index != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, TTabDirection direction, TTabStopRule tabStops) {
  TDescendantRule descendants = tabStops == tsTabStopsOnly ? drAnyDescendant : drChildrenOnly;
  if (TWinControl* next = FindNextControl(current, direction, tabStops, descendants)) {
    next->SetFocus();
  }
}

void TWinControl::NoteFocusMove(TFormLink& form) {
  TWinControl* previous = form.FocusedControl();
  if (previous == this) {
    return;
  }
  form.NoteFocused(this);
  form.FormControl().Deliver(XM_FOCUSCHANGED, 0,
                             reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
  if (previous) {
    previous->DoExit();
  }
  // OnExit may have sent the focus on (or back); then this control was not entered.
  if (form.FocusedControl() == this) {
    DoEnter();
  }
}

void TWinControl::DoEnter() {
  if (OnEnter) {
    OnEnter(this);
  }
}

void TWinControl::DoExit() {
  if (OnExit) {
    OnExit(this);
  }
}

void TWinControl::XMFocusChanged(TMessage& message) { OfferToChildren(message); }
