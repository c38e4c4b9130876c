#include "TCustomListBox.h"

#include "Exception.h"
#include "FormLink.h"
#include "Format.h"
#include "FrameworkMessages.h"
#include "ModelText.h"

#include <shellapi.h>

#include <algorithm>

SORVANE_ENUM_TYPE(TListBoxStyle, SORVANE_TListBoxStyle)

SORVANE_MESSAGE_ROWS(TCustomListBox){
    SORVANE_ON(XN_COMMAND, XNCommand),
    SORVANE_ON(WM_SIZE, WMSize),
    SORVANE_ON(WM_DROPFILES, WMDropFiles),
};
SORVANE_MESSAGE_TABLE(TCustomListBox)

namespace {

// The native list box reports its own clicks and takes the mouse itself.
constexpr TControlStyle frameworkClicks = csClickEvents | csCaptureMouse;

// The window styles of each TListBoxStyle, in its order.
constexpr DWORD styleBits[] = {0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE};

} // namespace

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListBoxStrings>(*this)) {
  SetControlStyle(ControlStyle() & ~frameworkClicks);
  SetBounds(Left(), Top(), 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::SetItems(TStrings* value) {
  if (value) {
    items_->Assign(*value);
  }
}

LRESULT TCustomListBox::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(Handle(), message, wParam, lParam);
}

void TCustomListBox::Recreate(bool& setting, bool value) {
  if (setting != value) {
    setting = value;
    RecreateWnd();
  }
}

void TCustomListBox::SetMultiSelect(bool value) { Recreate(multiSelect_, value); }

void TCustomListBox::SetExtendedSelect(bool value) { Recreate(extendedSelect_, value); }

void TCustomListBox::SetSorted(bool value) { Recreate(sorted_, value); }

void TCustomListBox::SetIntegralHeight(bool value) { Recreate(integralHeight_, value); }

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (style_ != value) {
    style_ = value;
    RecreateWnd();
  }
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ != value) {
    borderStyle_ = value;
    RecreateWnd();
  }
}

int TCustomListBox::ItemHeight() const {
  if (!HandleAllocated() || style_ != lbStandard) {
    return itemHeight_;
  }
  HWND window = const_cast<TCustomListBox*>(this)->Handle();
  RECT rect{};
  if (SendMessageA(window, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
    return static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0));
  }
  return rect.bottom - rect.top;
}

void TCustomListBox::SetItemHeight(int value) {
  if (value > 0 && value != itemHeight_) {
    itemHeight_ = value;
    RecreateWnd();
  }
}

void TCustomListBox::SetColumns(int value) {
  value = std::max(value, 0);
  if (value == columns_) {
    return;
  }
  bool layoutChanges = (value == 0) != (columns_ == 0);
  columns_ = value;
  if (layoutChanges) {
    RecreateWnd();
  } else {
    ApplyColumnWidth();
  }
}

void TCustomListBox::SetTabWidth(int value) {
  value = std::max(value, 0);
  if (value != tabWidth_) {
    tabWidth_ = value;
    RecreateWnd();
  }
}

void TCustomListBox::ApplyColumnWidth() {
  if (columns_ == 0 || !HandleAllocated()) {
    return;
  }
  int width = std::max((Width() + columns_ - 3) / columns_, 1);
  Send(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(width));
}

int TCustomListBox::FocusIndex() {
  return static_cast<int>(Send(multiSelect_ ? LB_GETCARETINDEX : LB_GETCURSEL));
}

void TCustomListBox::SetFocusIndex(int value) {
  if (FocusIndex() == value) {
    return;
  }
  if (multiSelect_) {
    Send(LB_SETCARETINDEX, static_cast<WPARAM>(value));
  } else {
    Send(LB_SETCURSEL, static_cast<WPARAM>(value));
  }
}

bool TCustomListBox::IsSelected(int index) {
  LRESULT selected = Send(LB_GETSEL, static_cast<WPARAM>(index));
  if (selected == LB_ERR) {
    throw EListError(Format(ModelText::ListIndexError, {index}));
  }
  return selected != 0;
}

int TCustomListBox::FirstVisible() { return static_cast<int>(Send(LB_GETTOPINDEX)); }

void TCustomListBox::SetFirstVisible(int value) {
  if (FirstVisible() != value) {
    Send(LB_SETTOPINDEX, static_cast<WPARAM>(value));
  }
}

RECT TCustomListBox::ItemRect(int index) {
  RECT rect{};
  Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

int TCustomListBox::ItemAtPos(POINT point, bool existing) {
  RECT client = ClientRect();
  if (!PtInRect(&client, point)) {
    return -1;
  }
  const int count = items_->ItemCount();
  for (int i = FirstVisible(); i < count; ++i) {
    RECT rect{};
    if (Send(LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect)) != LB_ERR &&
        PtInRect(&rect, point)) {
      return i;
    }
  }
  return existing ? -1 : count;
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  params.Style |= WS_HSCROLL | WS_VSCROLL | LBS_HASSTRINGS | LBS_NOTIFY;
  params.Style |= styleBits[style_];
  if (sorted_) {
    params.Style |= LBS_SORT;
  }
  if (multiSelect_) {
    params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  }
  if (!integralHeight_) {
    params.Style |= LBS_NOINTEGRALHEIGHT;
  }
  if (columns_ != 0) {
    params.Style |= LBS_MULTICOLUMN;
  }
  if (tabWidth_ != 0) {
    params.Style |= LBS_USETABSTOPS;
  }
  if (borderStyle_ == TBorderStyle::bsSingle) {
    params.ExStyle |= WS_EX_CLIENTEDGE;
  }
  if (acceptsFiles_) {
    params.ExStyle |= WS_EX_ACCEPTFILES;
  }
  params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (tabWidth_ != 0) {
    Send(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabWidth_));
  }
  if (style_ == lbOwnerDrawFixed) {
    Send(LB_SETITEMHEIGHT, 0, itemHeight_);
  }
  ApplyColumnWidth();
  RestoreItems();
}

void TCustomListBox::DestroyWnd() {
  acceptsFiles_ = (GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
  if (!IsDestroying()) {
    SaveItems();
  }
  TWinControl::DestroyWnd();
}

void TCustomListBox::SaveItems() {
  if (items_->ItemCount() == 0) {
    return;
  }
  savedItems_ = std::make_unique<TStringList>();
  savedItems_->Assign(*items_);
  savedFirstVisible_ = FirstVisible();
  savedFocusIndex_ = FocusIndex();
}

void TCustomListBox::RestoreItems() {
  if (!savedItems_) {
    return;
  }
  std::unique_ptr<TStringList> saved = std::move(savedItems_);
  items_->Assign(*saved);
  SetFirstVisible(savedFirstVisible_);
  SetFocusIndex(savedFocusIndex_);
}

void TCustomListBox::Changed() {
  if (Parent()) {
    Parent()->Deliver(XM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  }
}

void TCustomListBox::XNCommand(TWMCommand& message) {
  switch (message.NotifyCode()) {
  case LBN_SELCHANGE:
    Changed();
    Click();
    break;
  case LBN_DBLCLK:
    DblClick();
    break;
  default:
    break;
  }
}

void TCustomListBox::WMSize(TWMSize& message) {
  DefaultHandler(message);
  ApplyColumnWidth();
}

// The list box takes files dropped on it for its form: the form's own drop handler gets the
// message and finishes the drop. A form without one leaves the drop to the list box, which
// finishes it, so the dropped names are always released.
void TCustomListBox::WMDropFiles(TWMDropFiles& message) {
  TFormLink* form = HostForm();
  TWinControl* target = form ? &form->FormControl() : nullptr;
  if (target && target->Messages().Find(WM_DROPFILES)) {
    const TMessage& raw = message;
    message.SetResult(target->Deliver(WM_DROPFILES, raw.WParam, raw.LParam));
    return;
  }
  DragFinish(message.Drop());
}
