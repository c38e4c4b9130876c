// The published properties of the control classes, as the form resources set them.
#include "TCustomControl.h"
#include "TGraphicControl.h"
#include "TScrollingWinControl.h"

TPublishedTables TControl::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TControl::Caption, &TControl::SetCaption>("Caption"),
      PublishedProperty<&TControl::Color, &TControl::SetColor>("Color"),
      PublishedProperty<&TControl::Enabled, &TControl::SetEnabled>("Enabled"),
      PublishedProperty<&TControl::FontObject>("Font"),
      PublishedProperty<&TControl::Height, &TControl::SetHeight>("Height"),
      PublishedProperty<&TControl::Left, &TControl::SetLeft>("Left"),
      PublishedProperty<&TControl::ParentColor, &TControl::SetParentColor>("ParentColor"),
      PublishedProperty<&TControl::ParentFont, &TControl::SetParentFont>("ParentFont"),
      PublishedProperty<&TControl::Top, &TControl::SetTop>("Top"),
      PublishedProperty<&TControl::Visible, &TControl::SetVisible>("Visible"),
      PublishedProperty<&TControl::Width, &TControl::SetWidth>("Width"),
      PublishedProperty<&TControl::OnClick>("OnClick"),
      PublishedProperty<&TControl::OnDblClick>("OnDblClick"),
  };
  return {properties};
}

TPublishedTables TWinControl::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder"),
      PublishedProperty<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop"),
      PublishedProperty<&TWinControl::OnKeyDown>("OnKeyDown"),
      PublishedProperty<&TWinControl::OnKeyPress>("OnKeyPress"),
      PublishedProperty<&TWinControl::OnKeyUp>("OnKeyUp"),
  };
  return {properties};
}
