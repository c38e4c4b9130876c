#include "StandInControls.h"

#include "Published.h"

namespace StandIn {

const TEnumType& EnumTypeOf(TAlignment) {
  static constexpr const char* members[] = {"taLeftJustify", "taRightJustify", "taCenter"};
  static const TEnumType type{"TAlignment", members};
  return type;
}

const TEnumType& EnumTypeOf(TBevelCut) {
  static constexpr const char* members[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
  static const TEnumType type{"TBevelCut", members};
  return type;
}

const TEnumType& EnumTypeOf(TFontPitch) {
  static constexpr const char* members[] = {"fpDefault", "fpVariable", "fpFixed"};
  static const TEnumType type{"TFontPitch", members};
  return type;
}

const TEnumType& EnumTypeOf(TFontStyle) {
  static constexpr const char* members[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
  static const TEnumType type{"TFontStyle", members};
  return type;
}

const TEnumType& EnumTypeOf(TOpenOption) {
  static constexpr const char* members[] = {
      "ofReadOnly",         "ofOverwritePrompt",    "ofHideReadOnly",        "ofNoChangeDir",
      "ofShowHelp",         "ofNoValidate",         "ofAllowMultiSelect",    "ofExtensionDifferent",
      "ofPathMustExist",    "ofFileMustExist",      "ofCreatePrompt",        "ofShareAware",
      "ofNoReadOnlyReturn", "ofNoTestFileCreate",   "ofNoNetworkButton",     "ofNoLongNames",
      "ofOldStyleDialog",   "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing"};
  static const TEnumType type{"TOpenOption", members};
  return type;
}

TPublishedTables TFont::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TFont::Charset>("Charset"), PublishedProperty<&TFont::Color>("Color"),
      PublishedProperty<&TFont::Height>("Height"),   PublishedProperty<&TFont::Name>("Name"),
      PublishedProperty<&TFont::Pitch>("Pitch"),     PublishedProperty<&TFont::Style>("Style"),
  };
  return {properties};
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {}

TControl::~TControl() = default;

void TControl::AttachParent(TComponent* parent) { parent_ = parent; }

TPublishedTables TControl::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TControl::Left>("Left"),
      PublishedProperty<&TControl::Top>("Top"),
      PublishedProperty<&TControl::Width>("Width"),
      PublishedProperty<&TControl::Height>("Height"),
      PublishedProperty<&TControl::Caption>("Caption"),
      PublishedProperty<&TControl::Color>("Color"),
      PublishedProperty<&TControl::Font>("Font"),
      PublishedProperty<&TControl::ParentFont>("ParentFont"),
      PublishedProperty<&TControl::ParentColor>("ParentColor"),
      PublishedProperty<&TControl::TabOrder>("TabOrder"),
      PublishedProperty<&TControl::Visible>("Visible"),
      PublishedProperty<&TControl::Enabled>("Enabled"),
      PublishedProperty<&TControl::OnClick>("OnClick"),
  };
  return {properties};
}

TPublishedTables TLabel::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TLabel::Alignment>("Alignment"),
      PublishedProperty<&TLabel::AutoSize>("AutoSize"),
  };
  return {properties};
}

TPublishedTables TPanel::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TPanel::Alignment>("Alignment"),
      PublishedProperty<&TPanel::BevelOuter>("BevelOuter"),
  };
  return {properties};
}

TPublishedTables TListBox::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TListBox::ItemHeight>("ItemHeight"),
      PublishedProperty<&TListBox::MultiSelect>("MultiSelect"),
      PublishedProperty<&TListBox::OnDblClick>("OnDblClick"),
      PublishedProperty<&TListBox::OnKeyDown>("OnKeyDown"),
  };
  return {properties};
}

TPublishedTables TScrollBar::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TScrollBar::PageSize>("PageSize"),
      PublishedProperty<&TScrollBar::OnScroll>("OnScroll"),
  };
  return {properties};
}

TPublishedTables TTimer::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTimer::Enabled>("Enabled"),
      PublishedProperty<&TTimer::Interval>("Interval"),
      PublishedProperty<&TTimer::OnTimer>("OnTimer"),
  };
  return {properties};
}

TPublishedTables TOpenDialog::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TOpenDialog::Filter>("Filter"),
      PublishedProperty<&TOpenDialog::Options>("Options"),
  };
  return {properties};
}

TPublishedTables TMenuItem::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TMenuItem::Caption>("Caption"),
      PublishedProperty<&TMenuItem::OnClick>("OnClick"),
  };
  return {properties};
}

} // namespace StandIn
