#include "ExtensionTable.h"

#include <algorithm>

namespace {

constexpr std::string_view accepted[acceptedExtensionCount] = {
    "wav", "WAV", "mp3", "MP3", "cda", "CDA", "mpg", "MPG", "mpeg", "MPEG", "mpe",
    "MPE", "mpa", "MPA", "m1v", "M1V", "m2v", "M2V", "mov", "MOV",  "avi",  "AVI"};

constexpr std::string_view audio[] = {"wav", "mp3", "cda", "WAV", "MP3", "CDA"};

} // namespace

TExtensionTable MakeExtensionTable() {
  TExtensionTable table;
  std::copy(std::begin(accepted), std::end(accepted), table.begin());
  return table;
}

bool TableAccepts(const TExtensionTable& table, std::int32_t count, std::string_view extension) {
  const auto size = static_cast<std::int32_t>(table.size());
  const auto end = table.begin() + std::clamp(count, std::int32_t{0}, size);
  return std::find(table.begin(), end, extension) != end;
}

bool IsAudioExtension(std::string_view extension) {
  return std::ranges::find(audio, extension) != std::end(audio);
}
