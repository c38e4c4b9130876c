#pragma once

#include "String.h"

#include <array>
#include <cstdint>
#include <string_view>

// The extensions a dropped file may have: 100 slots, of which the first 22 hold the lower-case
// and the all-capitals spelling of each accepted kind (wave, MP3, CD track, the six MPEG
// names, QuickTime, AVI). The rest stay empty and are never compared.
using TExtensionTable = std::array<String, 100>;
inline constexpr std::int32_t acceptedExtensionCount = 22;

TExtensionTable MakeExtensionTable();

// Whether extension equals one of the first count entries, exactly and case-sensitively
// (a mixed spelling such as "Wav" is not accepted).
bool TableAccepts(const TExtensionTable& table, std::int32_t count, std::string_view extension);

// Whether an entry with this extension is played as audio (shown in the time window): "wav",
// "mp3", "cda" and their capitals. Everything else, the empty extension included, is video.
bool IsAudioExtension(std::string_view extension);
