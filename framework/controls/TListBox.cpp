#include "TListBox.h"

TPublishedTables TListBox::Published() {
  static const TPropInfo properties[] = {
      BorderStyleProperty<&TListBox::BorderStyle, &TListBox::SetBorderStyle>("BorderStyle"),
      PublishedProperty<&TListBox::Columns, &TListBox::SetColumns>("Columns"),
      PublishedProperty<&TListBox::ExtendedSelect, &TListBox::SetExtendedSelect>("ExtendedSelect"),
      PublishedProperty<&TListBox::IntegralHeight, &TListBox::SetIntegralHeight>("IntegralHeight"),
      PublishedProperty<&TListBox::ItemHeight, &TListBox::SetItemHeight>("ItemHeight"),
      PublishedProperty<&TListBox::ItemsObject, &TListBox::SetItems>("Items"),
      PublishedProperty<&TListBox::MultiSelect, &TListBox::SetMultiSelect>("MultiSelect"),
      PublishedProperty<&TListBox::Sorted, &TListBox::SetSorted>("Sorted"),
      PublishedProperty<&TListBox::Style, &TListBox::SetStyle>("Style"),
      PublishedProperty<&TListBox::TabWidth, &TListBox::SetTabWidth>("TabWidth"),
  };
  return {properties};
}
