#include "TPanel.h"

TPublishedTables TPanel::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TPanel::Alignment, &TPanel::SetAlignment>("Alignment"),
      PublishedProperty<&TPanel::BevelInner, &TPanel::SetBevelInner>("BevelInner"),
      PublishedProperty<&TPanel::BevelOuter, &TPanel::SetBevelOuter>("BevelOuter"),
      PublishedProperty<&TPanel::BevelWidth, &TPanel::SetBevelWidth>("BevelWidth"),
      BorderStyleProperty<&TPanel::BorderStyle, &TPanel::SetBorderStyle>("BorderStyle"),
      PublishedProperty<&TPanel::BorderWidth, &TPanel::SetBorderWidth>("BorderWidth"),
      PublishedProperty<&TPanel::FullRepaint, &TPanel::SetFullRepaint>("FullRepaint"),
  };
  return {properties};
}
