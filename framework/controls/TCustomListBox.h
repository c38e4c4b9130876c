#pragma once

#include "ControlTypes.h"
#include "PublishedEnum.h"
#include "TListBoxStrings.h"
#include "TStringList.h"
#include "TWinControl.h"

#include <memory>

// Who draws the entries: the native control, or the program (entries of one height, or of
// a height per entry).
#define SORVANE_TListBoxStyle(X) X(lbStandard) X(lbOwnerDrawFixed) X(lbOwnerDrawVariable)
SORVANE_ENUM(TListBoxStyle, SORVANE_TListBoxStyle)

// A list of text entries on the standard "LISTBOX" window class. The entries live in the
// native control (Items turns every list operation into a list-box message); while the
// window is made anew, because a setting that needs other window styles changed, a copy
// keeps them together with the top entry and the caret. A selection change is OnClick, a
// double click OnDblClick, both from the control's own notifications.
class TCustomListBox : public TWinControl {
public:
  SORVANE_CLASS(TCustomListBox, TWinControl)
  SORVANE_MESSAGES

  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TStrings& Items() { return *items_; }
  // Items as the published class-typed property gives it to the loader.
  TStrings* ItemsObject() const { return items_.get(); }
  // Copies the entries of value.
  void SetItems(TStrings* value);

  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value);
  // With a window and lbStandard, the height the native control gives its entries;
  // otherwise the stored value.
  int ItemHeight() const;
  // Only values above 0 are taken.
  void SetItemHeight(int value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  int TabWidth() const { return tabWidth_; }
  // A negative width is taken as 0.
  void SetTabWidth(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

  // The current entry: the one with the focus rectangle (the caret) when several may be
  // selected, otherwise the selected one; -1 when there is none.
  int FocusIndex();
  void SetFocusIndex(int value);
  // A missing entry fails with EListError.
  bool IsSelected(int index);
  // The first visible entry.
  int FirstVisible();
  void SetFirstVisible(int value);
  // The entry at a client point, from the first visible one on; past the last entry the
  // count (-1 when an existing entry is required); -1 outside the client area.
  int ItemAtPos(POINT point, bool existing);
  RECT ItemRect(int index);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  // Tells the parent that the selection changed.
  void Changed();

private:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void Recreate(bool& setting, bool value);
  void ApplyColumnWidth();
  void SaveItems();
  void RestoreItems();

  void XNCommand(TWMCommand& message);
  void WMSize(TWMSize& message);
  void WMDropFiles(TWMDropFiles& message);

  std::unique_ptr<TListBoxStrings> items_;
  std::unique_ptr<TStringList> savedItems_;
  int savedFirstVisible_ = 0;
  int savedFocusIndex_ = -1;
  bool acceptsFiles_ = false;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  bool integralHeight_ = false;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 16;
  int columns_ = 0;
  int tabWidth_ = 0;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};
