#include "List.h"

#include "Drops.h"
#include "Main.h"
#include "PathParts.h"

#include <shellapi.h>

TForm2* Form2 = nullptr;

namespace List {
const TExtensionTable Extensions = MakeExtensionTable();
const std::int32_t ExtensionCount = acceptedExtensionCount;
} // namespace List

SORVANE_MESSAGE_ROWS(TForm2){
    SORVANE_ON(WM_DROPFILES, WMDropFiles),
};
SORVANE_MESSAGE_TABLE(TForm2)

TPublishedTables TForm2::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm2::ListBox1DblClick>("ListBox1DblClick"),
      PublishedMethod<&TForm2::ListBox1KeyDown>("ListBox1KeyDown"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm2::ListBox1>("ListBox1"),
  };
  return {{}, methods, fields};
}

TForm2::TForm2(TComponent* owner) : TForm(owner) {}

// Directly under the player window, with its left edge; both the window and its list box
// take dropped files (the list box hands its drops to the form's handler).
void TForm2::Constructed() {
  EntryCount = 0;
  SetTop(Form1->Top() + Form1->Height());
  SetLeft(Form1->Left());
  DragAcceptFiles(Handle(), TRUE);
  DragAcceptFiles(ListBox1->Handle(), TRUE);
}

// The line goes in first, so a list box that cannot take it leaves the entries unchanged.
void TForm2::AddEntry(const String& path) {
  if (Room() == 0) {
    throw PlayListFull(1);
  }
  ListBox1->Items().ReplaceAt(EntryCount, FileNameOf(path));
  Append(path);
}

String TForm2::FileNameOf(std::string_view path) const { return FileNamePart(path); }

String TForm2::ExtensionOf(std::string_view path) const { return ExtensionPart(path); }

// Without a focused line (an empty list) a double click plays nothing.
void TForm2::ListBox1DblClick(TObject*) {
  const int line = ListBox1->FocusIndex();
  if (Names(line)) {
    Form1->PlayIndex(line);
  }
}

// Delete removes the focused line whatever the shift keys; every key then pulls the player's
// current index back into the list when it points past its end.
void TForm2::ListBox1KeyDown(TObject*, WORD& key, TShiftState) {
  if (key == VK_DELETE) {
    const int line = ListBox1->FocusIndex();
    if (Remove(line)) {
      ListBox1->Items().RemoveAt(line);
    }
  }
  if (Form1->CurrentIndex >= EntryCount) {
    Form1->CurrentIndex = EntryCount - 1;
  }
}

void TForm2::WMDropFiles(TWMDropFiles& message) {
  TakeDrop(message.Drop(), List::Extensions, List::ExtensionCount);
}
