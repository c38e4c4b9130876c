#include "PathParts.h"

#include "ShiftJis.h"

namespace {

String AfterLast(std::string_view delimiter, std::string_view path) {
  return String(path.substr(LastDelimiter(delimiter, path)));
}

} // namespace

String FileNamePart(std::string_view path) { return AfterLast("\\", path); }

String ExtensionPart(std::string_view path) { return AfterLast(".", path); }
