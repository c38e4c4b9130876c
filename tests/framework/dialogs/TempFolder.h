#pragma once

#include "String.h"

#include <vector>

// A new folder under the system's temporary folder with empty files, removed with them when
// the test is done.
class TempFolder {
public:
  explicit TempFolder(const std::vector<String>& files);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full path, without a trailing "\".
  const String& Path() const { return path_; }
  String PathOf(const String& file) const { return path_ + "\\" + file; }

private:
  String path_;
  std::vector<String> files_;
};
