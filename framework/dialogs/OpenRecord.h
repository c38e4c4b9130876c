#pragma once

#include "OpenOptions.h"
#include "ReturnedNames.h"
#include "String.h"

#include <windows.h>

#include <commdlg.h>

#include <string_view>
#include <vector>

// Whether open dialogs with no initial folder start in the current directory ("."); off by
// default, and the player never sets it.
extern bool ForceCurrentDirectory;

// The size of the file buffer the dialog is told: for the names of a multiple choice, and
// for one path.
inline constexpr DWORD multipleNamesSize = 65519;
inline constexpr DWORD singleNameSize = MAX_PATH;

// What one run of the open dialog asks for.
struct TOpenRequest {
  TOpenOptions options;
  String filter;
  std::int32_t filterIndex = 1;
  String initialDir;
  String title;
  String defaultExt;
  String fileName;
  String templateName;
  HWND owner = nullptr;
  LPOFNHOOKPROC explorerHook = nullptr;
  LPOFNHOOKPROC oldStyleHook = nullptr;
  // Handed to the hook with WM_INITDIALOG.
  LPARAM hookData = 0;
};

// The OPENFILENAMEA record of one run of the open dialog, with the filter list, texts and
// file buffer it points to, all owned here: the record of the first, 76-byte layout (no
// reserved fields at the end), the program's module as instance, the hook of the dialog's
// style, and a zero-filled file buffer two bytes longer than the size the dialog is told,
// holding the file name cut to that size at a character boundary.
class TOpenRecord {
public:
  explicit TOpenRecord(const TOpenRequest& request);
  TOpenRecord(const TOpenRecord&) = delete;
  TOpenRecord& operator=(const TOpenRecord&) = delete;

  OPENFILENAMEA& Record() { return record_; }
  const OPENFILENAMEA& Record() const { return record_; }
  bool ExplorerStyle() const { return (record_.Flags & OFN_EXPLORER) != 0; }
  // The whole file buffer, and how the chosen names stand in it.
  std::string_view Names() const { return {names_.data(), names_.size()}; }
  TNameList NameList() const { return nameList_; }
  char Separator() const { return separator_; }

private:
  void SetTexts(const TOpenRequest& request);
  void SetFileBuffer(const String& fileName);

  String filter_;
  String initialDir_;
  String title_;
  String defaultExt_;
  String templateName_;
  std::vector<char> names_;
  TNameList nameList_ = TNameList::Single;
  char separator_ = '\0';
  OPENFILENAMEA record_{};
};
