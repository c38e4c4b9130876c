#include "OpenRecord.h"

#include "DialogFilter.h"
#include "ShiftJis.h"

bool ForceCurrentDirectory = false;

namespace {

// The extension of a file name without its dot; empty when it has none.
String ExtensionOf(const String& fileName) {
  const std::size_t position = LastDelimiter(".\\:", fileName);
  if (position == 0 || fileName[position - 1] != '.') {
    return {};
  }
  return fileName.substr(position);
}

// text cut to at most size bytes, never between the two bytes of a character.
std::string_view CutAtCharacter(std::string_view text, std::size_t size) {
  if (text.size() <= size) {
    return text;
  }
  if (size > 0 && IsTrailByteAt(text, size)) {
    --size;
  }
  return text.substr(0, size);
}

const char* TextOrNone(const String& text) { return text.empty() ? nullptr : text.c_str(); }

} // namespace

TOpenRecord::TOpenRecord(const TOpenRequest& request) {
  const bool multiple = request.options.Contains(ofAllowMultiSelect);
  record_.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  record_.hwndOwner = request.owner;
  record_.hInstance = GetModuleHandleA(nullptr);
  record_.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  record_.Flags = OpenOptionFlags(request.options);
  record_.lCustData = request.hookData;
  record_.lpfnHook = ExplorerStyle() ? request.explorerHook : request.oldStyleHook;
  nameList_ = multiple ? TNameList::Multiple : TNameList::Single;
  separator_ = multiple && !ExplorerStyle() ? ' ' : '\0';
  SetTexts(request);
  SetFileBuffer(request.fileName);
}

void TOpenRecord::SetTexts(const TOpenRequest& request) {
  filter_ = FilterList(request.filter);
  initialDir_ = request.initialDir.empty() && ForceCurrentDirectory ? "." : request.initialDir;
  title_ = request.title;
  defaultExt_ = request.defaultExt.empty() && !ExplorerStyle() ? ExtensionOf(request.fileName)
                                                               : request.defaultExt;
  templateName_ = request.templateName;
  record_.lpstrFilter = filter_.empty() ? nullptr : filter_.data();
  record_.lpstrInitialDir = TextOrNone(initialDir_);
  record_.lpstrTitle = TextOrNone(title_);
  record_.lpstrDefExt = TextOrNone(defaultExt_);
  if (!templateName_.empty()) {
    record_.Flags |= OFN_ENABLETEMPLATE;
    record_.lpTemplateName = templateName_.c_str();
  }
}

void TOpenRecord::SetFileBuffer(const String& fileName) {
  const DWORD size = nameList_ == TNameList::Multiple ? multipleNamesSize : singleNameSize;
  names_.assign(size + 2, '\0');
  const std::string_view kept = CutAtCharacter(fileName, size);
  kept.copy(names_.data(), kept.size());
  record_.lpstrFile = names_.data();
  record_.nMaxFile = size;
}
