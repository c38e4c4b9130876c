#include "TestClasses.h"

#include "Published.h"
#include "TFiler.h"

#include <array>
#include <map>
#include <string>

namespace {

int liveObjects = 0;

} // namespace

int LiveTestObjects() { return liveObjects; }

std::vector<String>& FinishLog() {
  static std::vector<String> log;
  return log;
}

std::vector<String>& NoticeLog() {
  static std::vector<String> log;
  return log;
}

TLiveCount::TLiveCount() { ++liveObjects; }

TLiveCount::~TLiveCount() { --liveObjects; }

const TEnumType& EnumTypeOf(TTestAlign) {
  static constexpr const char* members[] = {"alNone", "alTop",   "alBottom",
                                            "alLeft", "alRight", "alClient"};
  static const TEnumType type{"TTestAlign", members};
  return type;
}

const TEnumType& EnumTypeOf(TTestStyle) {
  static constexpr const char* members[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
  static const TEnumType type{"TTestStyle", members};
  return type;
}

const TEnumType& EnumTypeOf(TTestWide) {
  static const std::array<String, 41> names = [] {
    std::array<String, 41> result;
    for (std::size_t i = 0; i < result.size(); ++i)
      result[i].append("w").append(std::to_string(i));
    return result;
  }();
  static const std::array<const char*, 41> members = [] {
    std::array<const char*, 41> result{};
    for (std::size_t i = 0; i < result.size(); ++i)
      result[i] = names[i].c_str();
    return result;
  }();
  static const TEnumType type{"TTestWide", members};
  return type;
}

const TClassInfo& TTestFont::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestFont::Name, &TTestFont::SetName>("Name"),
      PublishedProperty<&TTestFont::Charset, &TTestFont::SetCharset>("Charset"),
      PublishedProperty<&TTestFont::Height, &TTestFont::SetHeight>("Height"),
      PublishedProperty<&TTestFont::Style, &TTestFont::SetStyle>("Style"),
  };
  static const TClassInfo info = DescribeClass<TTestFont, TPersistent>("TTestFont", properties);
  return info;
}

const TClassInfo& TTestItem::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestItem::Caption, &TTestItem::SetCaption>("Caption"),
      PublishedProperty<&TTestItem::Value, &TTestItem::SetValue>("Value"),
      PublishedProperty<&TTestItem::Partner, &TTestItem::SetPartner>("Partner"),
      PublishedProperty<&TTestItem::Children, &TTestItem::SetChildren>("Children"),
  };
  static const TClassInfo info = DescribeClass<TTestItem, TCollectionItem>("TTestItem", properties);
  return info;
}

TTestItem::TTestItem(TCollection& collection)
    : TCollectionItem(collection),
      children_(std::make_unique<TCollection>(TCollection::ItemsOf<TTestItem>())) {}

TTestItem::~TTestItem() = default;

const TClassInfo& TTestControl::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestControl::Left, &TTestControl::SetLeft>("Left"),
      PublishedProperty<&TTestControl::Width, &TTestControl::SetWidth>("Width"),
      PublishedProperty<&TTestControl::Caption, &TTestControl::SetCaption>("Caption"),
      PublishedProperty<&TTestControl::Color, &TTestControl::SetColor>("Color"),
      PublishedProperty<&TTestControl::Cursor, &TTestControl::SetCursor>("Cursor"),
      PublishedProperty<&TTestControl::Enabled, &TTestControl::SetEnabled>("Enabled"),
      PublishedProperty<&TTestControl::Align, &TTestControl::SetAlign>("Align"),
      PublishedProperty<&TTestControl::Accelerator, &TTestControl::SetAccelerator>("Accelerator"),
      PublishedProperty<&TTestControl::Ratio, &TTestControl::SetRatio>("Ratio"),
      PublishedProperty<&TTestControl::Big, &TTestControl::SetBig>("Big"),
      PublishedProperty<&TTestControl::Data, &TTestControl::SetData>("Data"),
      PublishedProperty<&TTestControl::Wide, &TTestControl::SetWide>("Wide"),
      PublishedProperty<&TTestControl::Font>("Font"),
      PublishedProperty<&TTestControl::Items, &TTestControl::SetItems>("Items"),
      PublishedProperty<&TTestControl::Partner, &TTestControl::SetPartner>("Partner"),
      PublishedProperty<&TTestControl::OnClick>("OnClick"),
      PublishedProperty<&TTestControl::OnKey>("OnKey"),
  };
  static const TClassInfo info =
      DescribeClass<TTestControl, TComponent>("TTestControl", properties);
  return info;
}

TTestControl::TTestControl(TComponent* owner)
    : TComponent(owner), font_(std::make_unique<TTestFont>()),
      items_(std::make_unique<TCollection>(TCollection::ItemsOf<TTestItem>())) {}

TTestControl::~TTestControl() = default;

void TTestControl::AttachParent(TComponent* parent) { parent_ = parent; }

void TTestControl::PlaceChild(TComponent* child, int position) {
  if (auto* control = dynamic_cast<TTestControl*>(child))
    control->position_ = position;
}

void TTestControl::FinishLoading() {
  TComponent::FinishLoading();
  FinishLog().push_back(Name());
}

void TTestControl::ComponentNotice(TComponent* component, TOperation operation) {
  TComponent::ComponentNotice(component, operation);
  if (operation == opRemove && component != this)
    NoticeLog().push_back(Name() + "<-" + component->Name());
  if (operation == opRemove && component == partner_)
    partner_ = nullptr;
}

const TClassInfo& TTestTimer::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestTimer::Interval, &TTestTimer::SetInterval>("Interval"),
      PublishedProperty<&TTestTimer::OnTimer>("OnTimer"),
  };
  static const TClassInfo info = DescribeClass<TTestTimer, TComponent>("TTestTimer", properties);
  return info;
}

void TTestTimer::FinishLoading() {
  TComponent::FinishLoading();
  FinishLog().push_back(Name());
}

void TTestTimer::DeclareExtraProperties(TFiler& filer) {
  TComponent::DeclareExtraProperties(filer);
  filer.OfferBinaryProperty("Blob", [this](TStream& stream) {
    blob.resize(static_cast<std::size_t>(stream.Size()));
    stream.ReadBuffer(blob.data(), blob.size());
  });
}

const TClassInfo& TTestBroken::StaticClassInfo() {
  static const TClassInfo info = DescribeClass<TTestBroken, TComponent>("TTestBroken");
  return info;
}

TTestBroken::TTestBroken(TComponent* owner) : TComponent(owner) { throw EComponentError("broken"); }

const TClassInfo& TTestForm::StaticClassInfo() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestForm::Caption, &TTestForm::SetCaption>("Caption"),
      PublishedProperty<&TTestForm::ActiveControl, &TTestForm::SetActiveControl>("ActiveControl"),
      PublishedProperty<&TTestForm::Other, &TTestForm::SetOther>("Other"),
      PublishedProperty<&TTestForm::ReadOnlyValue>("ReadOnlyValue"),
      PublishedProperty<&TTestForm::OnShow>("OnShow"),
  };
  static const TMethodInfo methods[] = {
      PublishedMethod<&TTestForm::ButtonClick>("ButtonClick"),
      PublishedMethod<&TTestForm::KeyPressed>("KeyPressed"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TTestForm::Button1>("Button1"),
      PublishedField<&TTestForm::Panel1>("Panel1"),
      PublishedField<&TTestForm::Timer1>("Timer1"),
  };
  static const TClassInfo info =
      DescribeClass<TTestForm, TComponent>("TTestForm", properties, methods, fields);
  return info;
}

void TTestForm::ButtonClick(TObject* sender) { clicks.push_back(sender); }

void TTestForm::KeyPressed(TObject*, int& key) { key = 0; }

void TTestForm::FinishLoading() {
  TComponent::FinishLoading();
  FinishLog().push_back(Name());
}

const TClassInfo& TTestDerivedForm::StaticClassInfo() {
  static const TFieldInfo fields[] = {
      PublishedField<&TTestDerivedForm::Extra>("Extra"),
  };
  static const TClassInfo info =
      DescribeClass<TTestDerivedForm, TTestForm>("TTestDerivedForm", {}, {}, fields);
  return info;
}

namespace {

std::map<String, std::vector<std::uint8_t>>& TestResources() {
  static std::map<String, std::vector<std::uint8_t>> resources;
  return resources;
}

String Upper(std::string_view name) {
  String upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

} // namespace

void SetTestResource(std::string_view name, std::span<const std::uint8_t> bytes) {
  TestResources()[Upper(name)].assign(bytes.begin(), bytes.end());
}

void ClearTestResources() { TestResources().clear(); }

#ifndef _WIN32
// The test programs' own "program resources": what SetTestResource put there.
std::span<const std::uint8_t> FindEmbeddedResource(std::string_view name) {
  auto found = TestResources().find(Upper(name));
  if (found == TestResources().end())
    return {};
  return found->second;
}
#endif
