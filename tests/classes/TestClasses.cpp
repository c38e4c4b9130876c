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

SORVANE_ENUM_TYPE(TTestAlign, SORVANE_TTestAlign)

SORVANE_ENUM_TYPE(TTestStyle, SORVANE_TTestStyle)

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

TPublishedTables TTestFont::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestFont::Name, &TTestFont::SetName>("Name"),
      PublishedProperty<&TTestFont::Charset, &TTestFont::SetCharset>("Charset"),
      PublishedProperty<&TTestFont::Height, &TTestFont::SetHeight>("Height"),
      PublishedProperty<&TTestFont::Style, &TTestFont::SetStyle>("Style"),
  };
  return {properties};
}

TPublishedTables TTestItem::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestItem::Caption, &TTestItem::SetCaption>("Caption"),
      PublishedProperty<&TTestItem::Value, &TTestItem::SetValue>("Value"),
      PublishedProperty<&TTestItem::Partner, &TTestItem::SetPartner>("Partner"),
      PublishedProperty<&TTestItem::Children, &TTestItem::SetChildren>("Children"),
  };
  return {properties};
}

TTestItem::TTestItem(TCollection& collection)
    : TCollectionItem(collection),
      children_(std::make_unique<TCollection>(TCollection::ItemsOf<TTestItem>())) {}

TTestItem::~TTestItem() = default;

TPublishedTables TTestControl::Published() {
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
  return {properties};
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

TPublishedTables TTestTimer::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TTestTimer::Interval, &TTestTimer::SetInterval>("Interval"),
      PublishedProperty<&TTestTimer::OnTimer>("OnTimer"),
  };
  return {properties};
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

TTestBroken::TTestBroken(TComponent* owner) : TComponent(owner) { throw EComponentError("broken"); }

TPublishedTables TTestForm::Published() {
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
  return {properties, methods, fields};
}

void TTestForm::ButtonClick(TObject* sender) { clicks.push_back(sender); }

void TTestForm::KeyPressed(TObject*, int& key) { key = 0; }

void TTestForm::FinishLoading() {
  TComponent::FinishLoading();
  FinishLog().push_back(Name());
}

TPublishedTables TTestDerivedForm::Published() {
  static const TFieldInfo fields[] = {
      PublishedField<&TTestDerivedForm::Extra>("Extra"),
  };
  return {{}, {}, fields};
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
