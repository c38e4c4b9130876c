#pragma once

// Host stand-ins for the framework's control classes, registered under the real class
// names and publishing the properties and events the player's five form resources store.
// They hold the values and nothing more: no window is ever made.

#include "IntegerTypes.h"
#include "TComponent.h"

#include <cstdint>
#include <memory>

namespace StandIn {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };
enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
enum TOpenOption : std::uint8_t {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing
};
enum TShiftFlag : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
// The Windows SB_ codes, in their order.
enum TScrollCode : std::uint8_t {
  ScrollLineUp,
  ScrollLineDown,
  ScrollPageUp,
  ScrollPageDown,
  ScrollThumbPosition,
  ScrollThumbTrack,
  ScrollTop,
  ScrollBottom,
  ScrollEnd
};

const TEnumType& EnumTypeOf(TAlignment);
const TEnumType& EnumTypeOf(TBevelCut);
const TEnumType& EnumTypeOf(TFontPitch);
const TEnumType& EnumTypeOf(TFontStyle);
const TEnumType& EnumTypeOf(TOpenOption);

using TShiftState = TSet<TShiftFlag>;
// Sender, virtual key (by reference), shift state.
using TKeyEvent = TEvent<TObject*, std::uint16_t&, TShiftState>;
// Sender, scroll code, new position (by reference).
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;

class TFont : public TPersistent {
public:
  SORVANE_CLASS(TFont, TPersistent)
  SORVANE_PUBLISHED

  TFontCharset Charset = TFontCharset(1);
  TColor Color = clWindowText;
  int Height = -12;
  String Name;
  TFontPitch Pitch = fpDefault;
  TSet<TFontStyle> Style;
};

// What every control stores: bounds, caption, colours, font, tab order, the click event.
class TControl : public TComponent {
public:
  SORVANE_CLASS(TControl, TComponent)
  SORVANE_PUBLISHED
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TFont* Font() const { return font_.get(); }
  TComponent* Parent() const { return parent_; }
  void AttachParent(TComponent* parent) override;

  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  String Caption;
  TColor Color = clBtnFace;
  bool ParentFont = true;
  bool ParentColor = true;
  int TabOrder = -1;
  bool Visible = true;
  bool Enabled = true;
  TNotifyEvent OnClick;

private:
  std::unique_ptr<TFont> font_;
  TComponent* parent_ = nullptr;
};

class TButton : public TControl {
public:
  SORVANE_CLASS(TButton, TControl)
  using TControl::TControl;
};

class TEdit : public TControl {
public:
  SORVANE_CLASS(TEdit, TControl)
  using TControl::TControl;
};

class TMediaPlayer : public TControl {
public:
  SORVANE_CLASS(TMediaPlayer, TControl)
  using TControl::TControl;
};

class TLabel : public TControl {
public:
  SORVANE_CLASS(TLabel, TControl)
  SORVANE_PUBLISHED
  using TControl::TControl;

  TAlignment Alignment = taLeftJustify;
  bool AutoSize = true;
};

class TPanel : public TControl {
public:
  SORVANE_CLASS(TPanel, TControl)
  SORVANE_PUBLISHED
  using TControl::TControl;

  TAlignment Alignment = taCenter;
  TBevelCut BevelOuter = bvRaised;
};

class TListBox : public TControl {
public:
  SORVANE_CLASS(TListBox, TControl)
  SORVANE_PUBLISHED
  using TControl::TControl;

  int ItemHeight = 13;
  bool MultiSelect = false;
  TNotifyEvent OnDblClick;
  TKeyEvent OnKeyDown;
};

class TScrollBar : public TControl {
public:
  SORVANE_CLASS(TScrollBar, TControl)
  SORVANE_PUBLISHED
  using TControl::TControl;

  int PageSize = 0;
  TScrollEvent OnScroll;
};

// Non-visual components: their stored Left and Top are only the design position.
class TTimer : public TComponent {
public:
  SORVANE_CLASS(TTimer, TComponent)
  SORVANE_PUBLISHED
  using TComponent::TComponent;

  bool Enabled = true;
  int Interval = 1000;
  TNotifyEvent OnTimer;
};

class TOpenDialog : public TComponent {
public:
  SORVANE_CLASS(TOpenDialog, TComponent)
  SORVANE_PUBLISHED
  using TComponent::TComponent;

  String Filter;
  TSet<TOpenOption> Options{ofHideReadOnly, ofEnableSizing};
};

class TMainMenu : public TComponent {
public:
  SORVANE_CLASS(TMainMenu, TComponent)
  using TComponent::TComponent;
};

// A menu item read inside a menu or another item keeps that one as its parent.
class TMenuItem : public TComponent {
public:
  SORVANE_CLASS(TMenuItem, TComponent)
  SORVANE_PUBLISHED
  using TComponent::TComponent;

  TComponent* Parent() const { return parent_; }
  void AttachParent(TComponent* parent) override { parent_ = parent; }

  String Caption;
  TNotifyEvent OnClick;

private:
  TComponent* parent_ = nullptr;
};

} // namespace StandIn
