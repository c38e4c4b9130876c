#include "FolderName.h"

#include "ShiftJis.h"

String TrimmedFolderName(const String& folder) {
  if (LastCharacter(folder) != "\\" || folder.size() < 2) {
    return folder;
  }
  if (folder[folder.size() - 2] == ':' && !IsTrailByteAt(folder, folder.size() - 2)) {
    return folder;
  }
  return folder.substr(0, folder.size() - 1);
}
