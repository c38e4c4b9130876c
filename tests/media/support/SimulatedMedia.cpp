#include "SimulatedMedia.h"

#include "ShiftJis.h"

#include <mmsystem.h>

#include <array>
#include <numeric>
#include <utility>

namespace {

constexpr std::array<TDeviceTraits, 4> kTraits{{
    {.typeName = "waveaudio",
     .deviceType = MCI_DEVTYPE_WAVEFORM_AUDIO,
     .defaultTimeFormat = MCI_FORMAT_MILLISECONDS,
     .canRecord = true,
     .canSave = true,
     .usesFiles = true,
     .refusesIdlePause = true,
     .resumes = true},
    {.typeName = "mpegvideo",
     .deviceType = MCI_DEVTYPE_DIGITAL_VIDEO,
     .defaultTimeFormat = MCI_FORMAT_MILLISECONDS,
     .usesFiles = true,
     .resumes = true},
    {.typeName = "avivideo",
     .deviceType = MCI_DEVTYPE_DIGITAL_VIDEO,
     .defaultTimeFormat = MCI_FORMAT_FRAMES,
     .usesFiles = true,
     .canStep = true,
     .resumes = true},
    {.typeName = "cdaudio",
     .deviceType = MCI_DEVTYPE_CD_AUDIO,
     .defaultTimeFormat = MCI_FORMAT_MSF,
     .canEject = true},
}};

char FoldedAt(std::string_view text, std::size_t i) {
  char c = text[i];
  if (IsTrailByteAt(text, i) || c < 'a' || c > 'z')
    return c;
  return static_cast<char>(c - 'a' + 'A');
}

std::string_view ExtensionOf(std::string_view path) {
  std::size_t dot = LastDelimiter(".\\:", path);
  if (dot == 0 || path[dot - 1] != '.')
    return {};
  return path.substr(dot);
}

} // namespace

const TDeviceTraits& TraitsOf(TMciDeviceKind kind) {
  return kTraits[static_cast<std::size_t>(kind)];
}

DWORD TSimulatedMedia::LengthMs() const {
  return std::accumulate(trackLengthsMs.begin(), trackLengthsMs.end(), DWORD{0});
}

std::vector<DWORD> DefaultCdTracks() {
  std::vector<DWORD> tracks;
  for (DWORD track = 1; track <= 10; ++track)
    tracks.push_back((150 + 10 * track) * 1000);
  return tracks;
}

TSimulatedMedia WaveMedia(DWORD lengthMs) {
  TSimulatedMedia media;
  media.trackLengthsMs = {lengthMs};
  return media;
}

TSimulatedMedia MpegAudioMedia(DWORD lengthMs) {
  TSimulatedMedia media;
  media.kind = TMciDeviceKind::MpegVideo;
  media.trackLengthsMs = {lengthMs};
  media.hasVideo = true;
  media.framesPerSecond = 25;
  return media;
}

TSimulatedMedia MpegVideoMedia(DWORD lengthMs, SIZE picture) {
  TSimulatedMedia media = MpegAudioMedia(lengthMs);
  media.picture = picture;
  return media;
}

TSimulatedMedia AviMedia(DWORD lengthMs, SIZE picture, DWORD framesPerSecond) {
  TSimulatedMedia media;
  media.kind = TMciDeviceKind::AviVideo;
  media.trackLengthsMs = {lengthMs};
  media.hasVideo = true;
  media.picture = picture;
  media.framesPerSecond = framesPerSecond;
  return media;
}

TSimulatedMedia CdMedia(std::vector<DWORD> trackLengthsMs) {
  TSimulatedMedia media;
  media.kind = TMciDeviceKind::CdAudio;
  media.trackLengthsMs = std::move(trackLengthsMs);
  return media;
}

std::optional<TSimulatedMedia> MediaForFile(std::string_view path) {
  std::string_view extension = ExtensionOf(path);
  auto is = [&](std::string_view name) { return SamePath(extension, name); };
  if (is("wav"))
    return WaveMedia(2000);
  if (is("mp3") || is("mpa"))
    return MpegAudioMedia(3000);
  if (is("mpg") || is("mpeg") || is("mpe") || is("m1v") || is("m2v") || is("mov"))
    return MpegVideoMedia(3000, SIZE{352, 240});
  if (is("avi"))
    return AviMedia(2000, SIZE{320, 240}, 10);
  if (is("cda"))
    return CdMedia(DefaultCdTracks());
  return std::nullopt;
}

std::optional<TMciDeviceKind> KindOfType(std::string_view type) {
  for (std::size_t i = 0; i < kTraits.size(); ++i)
    if (SamePath(type, kTraits[i].typeName))
      return static_cast<TMciDeviceKind>(i);
  return std::nullopt;
}

bool SamePath(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldedAt(a, i) != FoldedAt(b, i))
      return false;
  return true;
}
