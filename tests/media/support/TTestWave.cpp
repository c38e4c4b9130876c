#include "TTestWave.h"

#include <mmsystem.h>

#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

void Put32(std::ofstream& out, DWORD value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.put(static_cast<char>((value >> shift) & 0xFF));
}

void Put16(std::ofstream& out, WORD value) {
  out.put(static_cast<char>(value & 0xFF));
  out.put(static_cast<char>(value >> 8));
}

String TemporaryFolder() {
  char folder[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof folder, folder);
  if (length == 0 || length > MAX_PATH)
    throw std::runtime_error("no temporary folder");
  return String(folder, length);
}

} // namespace

TTestWave::TTestWave(std::string_view name, DWORD lengthMs, DWORD samplesPerSecond)
    : path_(TemporaryFolder() + String(name)) {
  DWORD samples = static_cast<DWORD>(ULONGLONG{lengthMs} * samplesPerSecond / 1000);
  std::ofstream out(path_, std::ios::binary);
  out.write("RIFF", 4);
  Put32(out, 36 + samples);
  out.write("WAVEfmt ", 8);
  Put32(out, 16);
  Put16(out, WAVE_FORMAT_PCM);
  Put16(out, 1);
  Put32(out, samplesPerSecond);
  Put32(out, samplesPerSecond);
  Put16(out, 1);
  Put16(out, 8);
  out.write("data", 4);
  Put32(out, samples);
  std::vector<char> silence(samples, static_cast<char>(0x80));
  out.write(silence.data(), static_cast<std::streamsize>(silence.size()));
  if (!out.flush())
    throw std::runtime_error("cannot write " + path_);
}

TTestWave::~TTestWave() { DeleteFileA(path_.c_str()); }
