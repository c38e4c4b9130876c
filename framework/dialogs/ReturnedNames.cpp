#include "ReturnedNames.h"

#include "ShiftJis.h"
#include "TStrings.h"

namespace {

// Reads the names of a list one by one; a name ends at the separator or a NUL, and the list
// at the end of the buffer.
class NameReader {
public:
  NameReader(std::string_view buffer, char separator) : buffer_(buffer), separator_(separator) {}

  std::string_view Next() {
    const std::size_t start = position_;
    while (position_ < buffer_.size() && buffer_[position_] != separator_ &&
           buffer_[position_] != '\0') {
      ++position_;
    }
    std::string_view name = buffer_.substr(start, position_ - start);
    if (position_ < buffer_.size()) {
      ++position_;
    }
    return name;
  }

private:
  std::string_view buffer_;
  char separator_;
  std::size_t position_ = 0;
};

bool IsAbsolute(std::string_view name) {
  return name.starts_with('\\') || (name.size() >= 4 && name[1] == ':' && name[2] == '\\');
}

String FolderWithBackslash(std::string_view folder) {
  String result(folder);
  if (LastCharacter(folder) != "\\") {
    result += '\\';
  }
  return result;
}

} // namespace

String AppendReturnedNames(std::string_view buffer, TNameList list, char separator,
                           TStrings& into) {
  if (list == TNameList::Single) {
    String path(buffer.substr(0, buffer.find('\0')));
    into.Append(path);
    return path;
  }
  NameReader names(buffer, separator);
  const std::string_view first = names.Next();
  std::string_view name = names.Next();
  if (name.empty()) {
    into.Append(String(first));
    return String(first);
  }
  const String folder = FolderWithBackslash(first);
  String firstPath;
  for (; !name.empty(); name = names.Next()) {
    String path = IsAbsolute(name) ? String(name) : folder + String(name);
    if (firstPath.empty()) {
      firstPath = path;
    }
    into.Append(path);
  }
  return firstPath;
}
