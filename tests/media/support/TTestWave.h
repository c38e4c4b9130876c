#pragma once

#include "String.h"

#include <windows.h>

#include <string_view>

// A silent PCM wave file (8-bit mono) in the temporary folder, written by the test itself
// and deleted at the end of its scope.
class TTestWave {
public:
  TTestWave(std::string_view name, DWORD lengthMs, DWORD samplesPerSecond = 8000);
  ~TTestWave();
  TTestWave(const TTestWave&) = delete;
  TTestWave& operator=(const TTestWave&) = delete;

  const String& Path() const { return path_; }

private:
  String path_;
};
