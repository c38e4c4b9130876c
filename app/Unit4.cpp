#include "Unit4.h"

TForm4* Form4 = nullptr;

TPublishedTables TForm4::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm4::Button1Click>("Button1Click"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm4::Label1>("Label1"), PublishedField<&TForm4::Label2>("Label2"),
      PublishedField<&TForm4::Label3>("Label3"), PublishedField<&TForm4::Button1>("Button1"),
      PublishedField<&TForm4::Label4>("Label4"),
  };
  return {{}, methods, fields};
}

TForm4::TForm4(TComponent* owner) : TForm(owner) {}

// Not the main window, so closing only hides it.
void TForm4::Button1Click(TObject*) { Form4->Close(); }
