#include "TempFolder.h"

#include <windows.h>

namespace {

void MakeEmptyFile(const String& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
  }
}

} // namespace

TempFolder::TempFolder(const std::vector<String>& files) : files_(files) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(sizeof temp, temp);
  static int made = 0;
  path_ = String(temp) + "sorvane-dialog-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++made);
  CreateDirectoryA(path_.c_str(), nullptr);
  for (const String& file : files_) {
    MakeEmptyFile(PathOf(file));
  }
}

TempFolder::~TempFolder() {
  for (const String& file : files_) {
    DeleteFileA(PathOf(file).c_str());
  }
  RemoveDirectoryA(path_.c_str());
}
