#pragma once

// Host stand-ins for the player's five form classes: each publishes the component fields
// and the handler methods its form resource names, so the loader can fill and bind them.
// The handlers only count their calls.

#include "StandInControls.h"

#include <string_view>

namespace StandIn {

enum TBorderIcon : std::uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
const TEnumType& EnumTypeOf(TBorderIcon);

// The forms' common class (the stop class of their resource chains). A live form can be
// found by name, as the screen finds it for the loader.
class TForm : public TControl {
public:
  SORVANE_CLASS(TForm, TControl)
  SORVANE_PUBLISHED
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Whether the loader filled the fields, resolved the references and bound the handlers:
  // fires one event of each kind the resource binds and counts the handler calls.
  virtual bool Wired() = 0;
  // Offers "PixelsPerInch" and "TextHeight" besides the design position.
  void DeclareExtraProperties(TFiler& filer) override;

  TControl* ActiveControl = nullptr;
  TMainMenu* Menu = nullptr;
  TSet<TBorderIcon> BorderIcons{biSystemMenu, biMinimize, biMaximize};
  bool OldCreateOrder = true;
  bool AutoScroll = true;
  int ClientWidth = 0;
  int ClientHeight = 0;
  int PixelsPerInch = 0;
  int TextHeight = 0;

protected:
  void Handled(TObject*) { ++handled_; }
  void KeyHandled(TObject*, std::uint16_t&, TShiftState) { ++handled_; }
  void ScrollHandled(TObject*, TScrollCode, int&) { ++handled_; }
  int handled_ = 0;
};

// The live form of that name (ASCII case-insensitive), or none: the global component lookup.
TComponent* FindForm(std::string_view name);

class TForm1 : public TForm {
public:
  SORVANE_CLASS(TForm1, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;
  bool Wired() override;

  TButton* START = nullptr;
  TButton* STOP = nullptr;
  TButton* Prev = nullptr;
  TButton* Button4 = nullptr;
  TEdit* Edit1 = nullptr;
  TMediaPlayer* MediaPlayer1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* O1 = nullptr;
  TMenuItem* S1 = nullptr;
  TMenuItem* Close1 = nullptr;
  TMenuItem* O2 = nullptr;
  TMenuItem* renzoku = nullptr;
  TMenuItem* repeat = nullptr;
  TMenuItem* N3 = nullptr;
  TTimer* Timer1 = nullptr;

private:
  bool Stored() const;
};

class TForm2 : public TForm {
public:
  SORVANE_CLASS(TForm2, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;
  bool Wired() override;

  TListBox* ListBox1 = nullptr;
};

class TForm3 : public TForm {
public:
  SORVANE_CLASS(TForm3, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;
  bool Wired() override;

  TPanel* Panel1 = nullptr;
  TScrollBar* ScrollBar1 = nullptr;
};

class TForm4 : public TForm {
public:
  SORVANE_CLASS(TForm4, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;
  bool Wired() override;

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TButton* Button1 = nullptr;
};

class TForm5 : public TForm {
public:
  SORVANE_CLASS(TForm5, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;
  bool Wired() override;

  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TScrollBar* ScrollBar1 = nullptr;
};

} // namespace StandIn
