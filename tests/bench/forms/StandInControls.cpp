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

const TClassInfo& TFont::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TFont::Charset>("Charset"), PublishedProperty<&TFont::Color>("Color"),
      PublishedProperty<&TFont::Height>("Height"),   PublishedProperty<&TFont::Name>("Name"),
      PublishedProperty<&TFont::Pitch>("Pitch"),     PublishedProperty<&TFont::Style>("Style"),
  };
  static const TClassInfo info = DescribeClass<TFont, TPersistent>("TFont", properties);
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {}

TControl::~TControl() = default;

void TControl::AttachParent(TComponent* parent) { parent_ = parent; }

const TClassInfo& TControl::StaticClassInfo() {
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
  static const TClassInfo info = DescribeClass<TControl, TComponent>("TControl", properties);
  return info;
}

const TClassInfo& TButton::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TButton, TControl>("TButton");
  return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TEdit, TControl>("TEdit");
  return info;
}

const TClassInfo& TMediaPlayer::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TMediaPlayer, TControl>("TMediaPlayer");
  return info;
}

const TClassInfo& TLabel::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TLabel::Alignment>("Alignment"),
      PublishedProperty<&TLabel::AutoSize>("AutoSize"),
  };
  static const TClassInfo info = DescribeClass<TLabel, TControl>("TLabel", properties);
  return info;
}

const TClassInfo& TPanel::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TPanel::Alignment>("Alignment"),
      PublishedProperty<&TPanel::BevelOuter>("BevelOuter"),
  };
  static const TClassInfo info = DescribeClass<TPanel, TControl>("TPanel", properties);
  return info;
}

const TClassInfo& TListBox::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TListBox::ItemHeight>("ItemHeight"),
      PublishedProperty<&TListBox::MultiSelect>("MultiSelect"),
      PublishedProperty<&TListBox::OnDblClick>("OnDblClick"),
      PublishedProperty<&TListBox::OnKeyDown>("OnKeyDown"),
  };
  static const TClassInfo info = DescribeClass<TListBox, TControl>("TListBox", properties);
  return info;
}

const TClassInfo& TScrollBar::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TScrollBar::PageSize>("PageSize"),
      PublishedProperty<&TScrollBar::OnScroll>("OnScroll"),
  };
  static const TClassInfo info = DescribeClass<TScrollBar, TControl>("TScrollBar", properties);
  return info;
}

const TClassInfo& TTimer::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTimer::Enabled>("Enabled"),
      PublishedProperty<&TTimer::Interval>("Interval"),
      PublishedProperty<&TTimer::OnTimer>("OnTimer"),
  };
  static const TClassInfo info = DescribeClass<TTimer, TComponent>("TTimer", properties);
  return info;
}

const TClassInfo& TOpenDialog::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TOpenDialog::Filter>("Filter"),
      PublishedProperty<&TOpenDialog::Options>("Options"),
  };
  static const TClassInfo info = DescribeClass<TOpenDialog, TComponent>("TOpenDialog", properties);
  return info;
}

const TClassInfo& TMainMenu::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TMainMenu, TComponent>("TMainMenu");
  return info;
}

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TMenuItem::Caption>("Caption"),
      PublishedProperty<&TMenuItem::OnClick>("OnClick"),
  };
  static const TClassInfo info = DescribeClass<TMenuItem, TComponent>("TMenuItem", properties);
  return info;
}

} // namespace StandIn
