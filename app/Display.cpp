#include "Display.h"

#include "Main.h"

TForm3* Form3 = nullptr;

TPublishedTables TForm3::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm3::ScrollBar1Scroll>("ScrollBar1Scroll"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm3::Panel1>("Panel1"),
      PublishedField<&TForm3::ScrollBar1>("ScrollBar1"),
  };
  return {{}, methods, fields};
}

TForm3::TForm3(TComponent* owner) : TForm(owner) {}

// Directly to the right of the player window, with its top edge.
void TForm3::Constructed() {
  SetTop(Form1->Top());
  SetLeft(Form1->Left() + Form1->Width());
}

// The scroll bar still holds the position from before this step (the last step of a gesture
// is the end of scrolling, at the final position).
void TForm3::ScrollBar1Scroll(TObject*, TScrollCode, int&) {
  Form1->SeekTo(ScrollBar1->Position());
}
