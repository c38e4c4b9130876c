#include "Unit5.h"

#include "Main.h"

TForm5* Form5 = nullptr;

TPublishedTables TForm5::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm5::ScrollBar1Scroll>("ScrollBar1Scroll"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm5::ScrollBar1>("ScrollBar1"),
      PublishedField<&TForm5::Label1>("Label1"),
      PublishedField<&TForm5::Label2>("Label2"),
  };
  return {{}, methods, fields};
}

TForm5::TForm5(TComponent* owner) : TForm(owner) {}

// One pixel right of the player window, with its top edge, as laid out. The player window is
// wider than its design where the text of its font stands taller, and would otherwise lie
// under this window's left part.
void TForm5::Constructed() {
  SetTop(Form1->Top());
  SetLeft(Form1->Left() + Form1->Width() + 1);
}

// Every scroll step plays from the scroll bar's position, also when the file was stopped.
void TForm5::ScrollBar1Scroll(TObject*, TScrollCode, int&) {
  Form1->MediaPlayer1->SetFrom(ScrollBar1->Position());
  Form1->MediaPlayer1->Play();
}
