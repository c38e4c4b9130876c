#pragma once

// Component classes for the model's tests: a form with published fields and handlers, a
// control with properties of every kind, a font-like nested persistent, a collection and a
// non-visual component. Every instance is counted, so tests can see that nothing leaks.

#include "IntegerTypes.h"
#include "PublishedEnum.h"
#include "TCollection.h"
#include "TComponent.h"

#include <memory>
#include <span>
#include <vector>

// Instances of the test classes alive now.
int LiveTestObjects();
// Names of the components whose FinishLoading ran, in order (tests clear it).
std::vector<String>& FinishLog();
// Components told of another's removal through ComponentNotice: "receiver<-removed".
std::vector<String>& NoticeLog();

class TLiveCount {
public:
  TLiveCount();
  ~TLiveCount();
  TLiveCount(const TLiveCount&) = delete;
  TLiveCount& operator=(const TLiveCount&) = delete;
};

#define SORVANE_TTestAlign(X) X(alNone) X(alTop) X(alBottom) X(alLeft) X(alRight) X(alClient)
SORVANE_ENUM(TTestAlign, SORVANE_TTestAlign)

#define SORVANE_TTestStyle(X) X(fsBold) X(fsItalic) X(fsUnderline) X(fsStrikeOut)
SORVANE_ENUM(TTestStyle, SORVANE_TTestStyle)

// A member with ordinal 40: sets cannot hold it.
enum TTestWide : std::uint8_t {};
const TEnumType& EnumTypeOf(TTestWide);

class TTestFont : public TPersistent {
public:
  SORVANE_CLASS(TTestFont, TPersistent)
  SORVANE_PUBLISHED

  String Name() const { return name_; }
  void SetName(const String& name) { name_ = name; }
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset) { charset_ = charset; }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }
  TSet<TTestStyle> Style() const { return style_; }
  void SetStyle(TSet<TTestStyle> style) { style_ = style; }

private:
  TLiveCount live_;
  String name_;
  TFontCharset charset_ = TFontCharset(1);
  int height_ = 0;
  TSet<TTestStyle> style_;
};

class TTestControl;

// A collection item with a component reference and a collection of its own items.
class TTestItem : public TCollectionItem {
public:
  SORVANE_CLASS(TTestItem, TCollectionItem)
  SORVANE_PUBLISHED
  explicit TTestItem(TCollection& collection);
  ~TTestItem() override;

  String Caption() const { return caption_; }
  void SetCaption(const String& caption) { caption_ = caption; }
  int Value() const { return value_; }
  void SetValue(int value) { value_ = value; }
  TTestControl* Partner() const { return partner_; }
  void SetPartner(TTestControl* partner) { partner_ = partner; }
  TCollection* Children() const { return children_.get(); }
  void SetChildren(TCollection*) {}

private:
  TLiveCount live_;
  String caption_;
  int value_ = 0;
  TTestControl* partner_ = nullptr;
  std::unique_ptr<TCollection> children_;
};

class TTestControl : public TComponent {
public:
  SORVANE_CLASS(TTestControl, TComponent)
  SORVANE_PUBLISHED

  explicit TTestControl(TComponent* owner);
  ~TTestControl() override;

  int Left() const { return left_; }
  void SetLeft(int left) { left_ = left; }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  String Caption() const { return caption_; }
  void SetCaption(const String& caption) { caption_ = caption; }
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  TTestAlign Align() const { return align_; }
  void SetAlign(TTestAlign align) { align_ = align; }
  char Accelerator() const { return accelerator_; }
  void SetAccelerator(char accelerator) { accelerator_ = accelerator; }
  double Ratio() const { return ratio_; }
  void SetRatio(double ratio) { ratio_ = ratio; }
  std::int64_t Big() const { return big_; }
  void SetBig(std::int64_t big) { big_ = big; }
  TVariant Data() const { return data_; }
  void SetData(const TVariant& data) { data_ = data; }
  TSet<TTestWide> Wide() const { return wide_; }
  void SetWide(TSet<TTestWide> wide) { wide_ = wide; }
  TTestFont* Font() const { return font_.get(); }
  TCollection* Items() const { return items_.get(); }
  void SetItems(TCollection*) {}
  TTestControl* Partner() const { return partner_; }
  void SetPartner(TTestControl* partner) { partner_ = partner; }
  TComponent* ParentControl() const { return parent_; }
  int Position() const { return position_; }

  TNotifyEvent OnClick;
  TEvent<TObject*, int&> OnKey;

  void AttachParent(TComponent* parent) override;
  void PlaceChild(TComponent* child, int position) override;
  void FinishLoading() override;
  void ComponentNotice(TComponent* component, TOperation operation) override;

private:
  TLiveCount live_;
  int left_ = 0;
  int width_ = 0;
  String caption_;
  TColor color_ = clBlack;
  TCursor cursor_ = crDefault;
  bool enabled_ = true;
  TTestAlign align_ = alNone;
  char accelerator_ = 0;
  double ratio_ = 0;
  std::int64_t big_ = 0;
  TVariant data_;
  TSet<TTestWide> wide_;
  std::unique_ptr<TTestFont> font_;
  std::unique_ptr<TCollection> items_;
  TTestControl* partner_ = nullptr;
  TComponent* parent_ = nullptr;
  int position_ = -1;
};

// A non-visual component: Left and Top are only its design position.
class TTestTimer : public TComponent {
public:
  SORVANE_CLASS(TTestTimer, TComponent)
  SORVANE_PUBLISHED
  explicit TTestTimer(TComponent* owner) : TComponent(owner) {}

  int Interval() const { return interval_; }
  void SetInterval(int interval) { interval_ = interval; }
  TNotifyEvent OnTimer;
  // Stored by the class itself as a binary block "Blob".
  std::vector<std::uint8_t> blob;

  void FinishLoading() override;
  void DeclareExtraProperties(TFiler& filer) override;

private:
  TLiveCount live_;
  int interval_ = 1000;
};

// A component whose construction always fails.
class TTestBroken : public TComponent {
public:
  SORVANE_CLASS(TTestBroken, TComponent)
  explicit TTestBroken(TComponent* owner);
};

class TTestForm : public TComponent {
public:
  SORVANE_CLASS(TTestForm, TComponent)
  SORVANE_PUBLISHED

  explicit TTestForm(TComponent* owner) : TComponent(owner) {}

  String Caption() const { return caption_; }
  void SetCaption(const String& caption) { caption_ = caption; }
  TTestControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TTestControl* control) { activeControl_ = control; }
  TComponent* Other() const { return other_; }
  void SetOther(TComponent* other) { other_ = other; }
  int ReadOnlyValue() const { return 7; }

  void ButtonClick(TObject* sender);
  void KeyPressed(TObject* sender, int& key);

  TTestControl* Button1 = nullptr;
  TTestControl* Panel1 = nullptr;
  TTestTimer* Timer1 = nullptr;
  TNotifyEvent OnShow;
  std::vector<TObject*> clicks;

  void FinishLoading() override;

private:
  TLiveCount live_;
  String caption_;
  TTestControl* activeControl_ = nullptr;
  TComponent* other_ = nullptr;
};

// A form class derived from another: both resources of the chain are read.
class TTestDerivedForm : public TTestForm {
public:
  SORVANE_CLASS(TTestDerivedForm, TTestForm)
  SORVANE_PUBLISHED
  using TTestForm::TTestForm;

  TTestControl* Extra = nullptr;
};

// Test resources served as the program's embedded ones.
void SetTestResource(std::string_view name, std::span<const std::uint8_t> bytes);
void ClearTestResources();
