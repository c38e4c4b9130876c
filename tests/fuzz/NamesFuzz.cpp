// Feeds arbitrary bytes, read as Shift_JIS, along the road a file name travels through the
// player: the open dialog's filter list and folder name, the names the dialog hands back,
// split into full paths; each path through the drop filter (its extension against the
// accepted table) into a play list that may already be nearly full; and the file-name part
// each listed line shows.
//
// The first byte chooses how the dialog returned the names (one path, or a list separated by
// NUL or by spaces) and how full the play list is before; the rest is the dialog's buffer.
// Every byte sequence must give a result that keeps the rules below; anything else (a
// crash, a read past the buffer, undefined behaviour, a broken rule) is a finding.

#include "DialogFilter.h"
#include "ExtensionTable.h"
#include "FolderName.h"
#include "PathParts.h"
#include "PlayList.h"
#include "ReturnedNames.h"
#include "ShiftJis.h"
#include "TStringList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void Require(bool rule) {
  if (!rule) {
    std::abort();
  }
}

// For each byte of text, whether it is the second byte of a double-byte character: worked
// out here in one walk from the start, apart from the code under test.
std::vector<bool> TrailBytes(std::string_view text) {
  std::vector<bool> trail(text.size(), false);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
      trail[++i] = true;
    }
  }
  return trail;
}

// The part after the last delimiter that starts a character: a suffix of path, cut just
// after such a delimiter or not at all, and holding no delimiter that starts a character.
void CheckAfterLast(std::string_view path, char delimiter, std::string_view part) {
  Require(part.size() <= path.size());
  const std::size_t start = path.size() - part.size();
  Require(path.substr(start) == part);
  const std::vector<bool> trail = TrailBytes(path);
  Require(start == 0 || (path[start - 1] == delimiter && !trail[start - 1]));
  for (std::size_t i = start; i < path.size(); ++i) {
    Require(path[i] != delimiter || trail[i]);
  }
}

void CheckPathParts(std::string_view path) {
  const String name = FileNamePart(path);
  const String extension = ExtensionPart(path);
  CheckAfterLast(path, '\\', name);
  CheckAfterLast(path, '.', extension);
  // The name starts a character of its own, so its extension is that of the whole path
  // whenever the name holds a dot.
  if (LastDelimiter(".", name) != 0) {
    Require(ExtensionPart(name) == extension);
  }
}

void CheckFilterList(std::string_view filter) {
  const String list = FilterList(filter);
  if (filter.empty()) {
    Require(list.empty());
    return;
  }
  Require(list.size() == filter.size() + 2);
  Require(list[list.size() - 2] == '\0' && list[list.size() - 1] == '\0');
  const std::vector<bool> trail = TrailBytes(filter);
  for (std::size_t i = 0; i < filter.size(); ++i) {
    const bool bar = filter[i] == '|' && !trail[i];
    Require(list[i] == (bar ? '\0' : filter[i]));
  }
}

void CheckFolderName(std::string_view folder) {
  const String trimmed = TrimmedFolderName(String(folder));
  Require(trimmed.size() == folder.size() || trimmed.size() + 1 == folder.size());
  Require(folder.substr(0, trimmed.size()) == trimmed);
  if (trimmed.size() < folder.size()) {
    Require(LastCharacter(folder) == "\\");
  }
}

// A dialog's returned list: every path that was split out names one of the buffer's names,
// whole or behind the folder, and the first one comes back as the file name.
std::vector<String> SplitNames(std::string_view buffer, TNameList list, char separator) {
  TStringList names;
  const String first = AppendReturnedNames(buffer, list, separator, names);
  std::vector<String> paths;
  for (int i = 0; i < names.ItemCount(); ++i) {
    paths.push_back(names.ItemAt(i));
  }
  Require(paths.empty() ? first.empty() : first == paths.front());
  if (list == TNameList::Single) {
    Require(paths.size() == 1 && buffer.starts_with(paths.front()));
  }
  // A folder and a name are two parts of the buffer, joined by at most one added "\".
  for (const String& path : paths) {
    Require(path.size() <= buffer.size() + 1);
    Require(paths.size() == 1 || !path.empty());
  }
  return paths;
}

// The drop filter and the play list: accepted paths go in until the list is full, refused
// ones change nothing, and the list never holds more than its capacity. One list serves
// every input: the slots at and above its count hold no entry, whatever they still hold.
void ListAccepted(const std::vector<String>& paths, std::int32_t alreadyListed) {
  static const TExtensionTable table = MakeExtensionTable();
  static TPlayList list;
  list.EntryCount = alreadyListed;
  for (const String& path : paths) {
    CheckPathParts(path);
    const String extension = ExtensionPart(path);
    const bool accepted = TableAccepts(table, acceptedExtensionCount, extension);
    Require(!IsAudioExtension(extension) || accepted);
    Require(!accepted || (extension.size() == 3 || extension.size() == 4));
    if (!accepted) {
      continue;
    }
    const std::int32_t before = list.EntryCount;
    try {
      list.Append(path);
      Require(list.EntryCount == before + 1 &&
              list.Entries[static_cast<std::size_t>(before)] == path);
    } catch (const EPlayListFull&) {
      Require(before == TPlayList::Capacity && list.EntryCount == before);
    }
  }
  Require(list.EntryCount >= 0 && list.EntryCount <= TPlayList::Capacity);
  Require(!list.Names(-1) && !list.Names(list.EntryCount));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const std::uint8_t choice = data[0];
  const std::string_view buffer(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string_view text = buffer.substr(0, buffer.find('\0'));
  CheckFilterList(text);
  CheckFolderName(text);
  CheckPathParts(text);

  const TNameList list = (choice & 1) != 0 ? TNameList::Multiple : TNameList::Single;
  const char separator = (choice & 2) != 0 ? ' ' : '\0';
  // An empty list, or one with at most 31 free slots, so the last free slot and a full list
  // are met.
  const std::int32_t alreadyListed =
      (choice & 0x80) != 0 ? TPlayList::Capacity - ((choice >> 2) & 0x1F) : 0;
  ListAccepted(SplitNames(buffer, list, separator), alreadyListed);
  return 0;
}
