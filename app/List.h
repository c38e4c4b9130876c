#pragma once

#include "ExtensionTable.h"
#include "MessageRecords.h"
#include "PlayList.h"
#include "ShiftState.h"
#include "String.h"
#include "TForm.h"
#include "TListBox.h"

#include <cstdint>
#include <string_view>

// The unit's own table of the extensions a file dropped on the play list window may have.
namespace List {
extern const TExtensionTable Extensions;
extern const std::int32_t ExtensionCount;
} // namespace List

// The play list window: the paths to play (Entries, EntryCount) and a list box that shows,
// line for line, the file-name part of each. A double click plays the focused line, Delete
// removes it, and files dropped on the window or the list box are appended.
class TForm2 : public TForm, public TPlayList {
public:
  SORVANE_CLASS(TForm2, TForm)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TForm2(TComponent* owner);

  TListBox* ListBox1 = nullptr;

  // Appends one entry and its line; EPlayListFull, with nothing changed, when the list
  // holds its 1000 entries.
  void AddEntry(const String& path);
  String FileNameOf(std::string_view path) const;
  String ExtensionOf(std::string_view path) const;

  void ListBox1DblClick(TObject* sender);
  void ListBox1KeyDown(TObject* sender, WORD& key, TShiftState shift);

protected:
  void Constructed() override;

private:
  void WMDropFiles(TWMDropFiles& message);
};

extern TForm2* Form2;
