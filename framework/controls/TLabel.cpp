#include "TLabel.h"

#include "TWinControl.h"

TPublishedTables TLabel::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TLabel::Alignment, &TLabel::SetAlignment>("Alignment"),
      PublishedProperty<&TLabel::AutoSize, &TLabel::SetAutoSize>("AutoSize"),
      PublishedProperty<&TLabel::FocusControl, &TLabel::SetFocusControl>("FocusControl"),
      PublishedProperty<&TLabel::Layout, &TLabel::SetLayout>("Layout"),
      PublishedProperty<&TLabel::ShowAccelChar, &TLabel::SetShowAccelChar>("ShowAccelChar"),
      PublishedProperty<&TLabel::Transparent, &TLabel::SetTransparent>("Transparent"),
      PublishedProperty<&TLabel::WordWrap, &TLabel::SetWordWrap>("WordWrap"),
  };
  return {properties};
}
