#include "StandInForms.h"

#include "TReader.h"

#include <utility>
#include <vector>

namespace StandIn {

namespace {

std::vector<TForm*>& LiveForms() {
  static std::vector<TForm*> forms;
  return forms;
}

// True when event is bound and its handler ran.
template <typename Event, typename... Args>
bool Fires(const Event& event, int& handled, Args&&... args) {
  int before = handled;
  event(std::forward<Args>(args)...);
  return static_cast<bool>(event) && handled == before + 1;
}

bool Scrolls(TScrollBar* bar, int& handled) {
  int position = 0;
  return bar != nullptr && Fires(bar->OnScroll, handled, bar, ScrollThumbTrack, position);
}

} // namespace

const TEnumType& EnumTypeOf(TBorderIcon) {
  static constexpr const char* members[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
  static const TEnumType type{"TBorderIcon", members};
  return type;
}

TComponent* FindForm(std::string_view name) {
  for (TForm* form : LiveForms())
    if (SameName(form->Name(), name))
      return form;
  return nullptr;
}

TForm::TForm(TComponent* owner) : TControl(owner) { LiveForms().push_back(this); }

TForm::~TForm() { std::erase(LiveForms(), this); }

void TForm::DeclareExtraProperties(TFiler& filer) {
  TControl::DeclareExtraProperties(filer);
  filer.OfferProperty("PixelsPerInch",
                      [this](TReader& reader) { PixelsPerInch = reader.ReadInteger(); });
  filer.OfferProperty("TextHeight", [this](TReader& reader) { TextHeight = reader.ReadInteger(); });
}

TPublishedTables TForm::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TForm::ActiveControl>("ActiveControl"),
      PublishedProperty<&TForm::Menu>("Menu"),
      PublishedProperty<&TForm::BorderIcons>("BorderIcons"),
      PublishedProperty<&TForm::OldCreateOrder>("OldCreateOrder"),
      PublishedProperty<&TForm::AutoScroll>("AutoScroll"),
      PublishedProperty<&TForm::ClientWidth>("ClientWidth"),
      PublishedProperty<&TForm::ClientHeight>("ClientHeight"),
  };
  return {properties};
}

// Every handler of a form shares the counting method of its parameter list; the loader
// binds by the published name, which is what the resource stores.
TPublishedTables TForm1::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm1::Handled>("STARTClick"),
      PublishedMethod<&TForm1::Handled>("STOPClick"),
      PublishedMethod<&TForm1::Handled>("PrevClick"),
      PublishedMethod<&TForm1::Handled>("Button4Click"),
      PublishedMethod<&TForm1::Handled>("O1Click"),
      PublishedMethod<&TForm1::Handled>("S1Click"),
      PublishedMethod<&TForm1::Handled>("Close1Click"),
      PublishedMethod<&TForm1::Handled>("renzokuClick"),
      PublishedMethod<&TForm1::Handled>("repeatClick"),
      PublishedMethod<&TForm1::Handled>("N3Click"),
      PublishedMethod<&TForm1::Handled>("Timer1Timer"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm1::START>("START"),
      PublishedField<&TForm1::STOP>("STOP"),
      PublishedField<&TForm1::Prev>("Prev"),
      PublishedField<&TForm1::Button4>("Button4"),
      PublishedField<&TForm1::Edit1>("Edit1"),
      PublishedField<&TForm1::MediaPlayer1>("MediaPlayer1"),
      PublishedField<&TForm1::OpenDialog1>("OpenDialog1"),
      PublishedField<&TForm1::MainMenu1>("MainMenu1"),
      PublishedField<&TForm1::File1>("File1"),
      PublishedField<&TForm1::O1>("O1"),
      PublishedField<&TForm1::S1>("S1"),
      PublishedField<&TForm1::Close1>("Close1"),
      PublishedField<&TForm1::O2>("O2"),
      PublishedField<&TForm1::renzoku>("renzoku"),
      PublishedField<&TForm1::repeat>("repeat"),
      PublishedField<&TForm1::N3>("N3"),
      PublishedField<&TForm1::Timer1>("Timer1"),
  };
  return {{}, methods, fields};
}

bool TForm1::Wired() {
  return ActiveControl == START && Menu == MainMenu1 && START != nullptr && MainMenu1 != nullptr &&
         Timer1 != nullptr && N3 != nullptr && Fires(START->OnClick, handled_, START) &&
         Fires(Timer1->OnTimer, handled_, Timer1) && Fires(N3->OnClick, handled_, N3) && Stored();
}

// A sample of the stored values: integers, identifiers, sets, extra properties, the design
// position of non-visual components and the menu structure.
bool TForm1::Stored() const {
  const TSet<TOpenOption> options{ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing};
  return Left == 192 && Color == clBtnFace && PixelsPerInch == 96 && TextHeight == 12 &&
         Edit1->Color == clLime && Edit1->Font()->Charset == TFontCharset(128) &&
         Edit1->Font()->Pitch == fpFixed && !Edit1->ParentFont && !MediaPlayer1->Visible &&
         OpenDialog1->Options == options && OpenDialog1->DesignTop() == 64 && !Timer1->Enabled &&
         Timer1->Interval == 100 && Timer1->DesignLeft() == 8 && Timer1->DesignTop() == 32 &&
         O1->Parent() == File1 && File1->Parent() == MainMenu1 && N3->Parent() == MainMenu1 &&
         START->Parent() == this;
}

TPublishedTables TForm2::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm2::Handled>("ListBox1DblClick"),
      PublishedMethod<&TForm2::KeyHandled>("ListBox1KeyDown"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm2::ListBox1>("ListBox1"),
  };
  return {{}, methods, fields};
}

bool TForm2::Wired() {
  std::uint16_t key = 46;
  return ListBox1 != nullptr && Fires(ListBox1->OnDblClick, handled_, ListBox1) &&
         Fires(ListBox1->OnKeyDown, handled_, ListBox1, key, TShiftState{});
}

TPublishedTables TForm3::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm3::ScrollHandled>("ScrollBar1Scroll"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm3::Panel1>("Panel1"),
      PublishedField<&TForm3::ScrollBar1>("ScrollBar1"),
  };
  return {{}, methods, fields};
}

bool TForm3::Wired() { return Panel1 != nullptr && Scrolls(ScrollBar1, handled_); }

TPublishedTables TForm4::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm4::Handled>("Button1Click"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm4::Label1>("Label1"),   PublishedField<&TForm4::Label2>("Label2"),
      PublishedField<&TForm4::Label3>("Label3"),   PublishedField<&TForm4::Label4>("Label4"),
      PublishedField<&TForm4::Button1>("Button1"),
  };
  return {{}, methods, fields};
}

bool TForm4::Wired() {
  return Label1 != nullptr && Label2 != nullptr && Label3 != nullptr && Label4 != nullptr &&
         Button1 != nullptr && Fires(Button1->OnClick, handled_, Button1);
}

TPublishedTables TForm5::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm5::ScrollHandled>("ScrollBar1Scroll"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm5::Label1>("Label1"),
      PublishedField<&TForm5::Label2>("Label2"),
      PublishedField<&TForm5::ScrollBar1>("ScrollBar1"),
  };
  return {{}, methods, fields};
}

bool TForm5::Wired() {
  return Label1 != nullptr && Label2 != nullptr && Scrolls(ScrollBar1, handled_);
}

} // namespace StandIn
