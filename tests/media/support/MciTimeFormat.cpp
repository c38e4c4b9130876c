#include "MciTimeFormat.h"

#include <mmsystem.h>

namespace {

constexpr DWORD kCdFramesPerSecond = 75;

using Wide = unsigned long long;

DWORD UnitsOf(DWORD ms, DWORD unitsPerSecond) {
  return static_cast<DWORD>(Wide{ms} * unitsPerSecond / 1000);
}

// The first millisecond inside the unit.
Wide MsOfUnits(Wide units, DWORD unitsPerSecond) {
  return (units * 1000 + unitsPerSecond - 1) / unitsPerSecond;
}

DWORD Msf(DWORD ms) {
  DWORD frames = UnitsOf(ms, kCdFramesPerSecond);
  DWORD seconds = frames / kCdFramesPerSecond;
  return MCI_MAKE_MSF(seconds / 60, seconds % 60, frames % kCdFramesPerSecond);
}

Wide MsOfMsf(DWORD msf) {
  Wide seconds = Wide{MCI_MSF_MINUTE(msf)} * 60 + MCI_MSF_SECOND(msf);
  return MsOfUnits(seconds * kCdFramesPerSecond + MCI_MSF_FRAME(msf), kCdFramesPerSecond);
}

DWORD Tmsf(const TSimulatedMedia& media, DWORD ms) {
  DWORD track = TrackAt(media, ms);
  DWORD msf = Msf(ms - TrackStartMs(media, track));
  return MCI_MAKE_TMSF(track, MCI_MSF_MINUTE(msf), MCI_MSF_SECOND(msf), MCI_MSF_FRAME(msf));
}

std::optional<Wide> MsOfTmsf(const TSimulatedMedia& media, DWORD tmsf) {
  DWORD track = MCI_TMSF_TRACK(tmsf);
  if (track < 1 || track > media.trackLengthsMs.size())
    return std::nullopt;
  DWORD msf = MCI_MAKE_MSF(MCI_TMSF_MINUTE(tmsf), MCI_TMSF_SECOND(tmsf), MCI_TMSF_FRAME(tmsf));
  return TrackStartMs(media, track) + MsOfMsf(msf);
}

std::optional<Wide> MsOf(const TSimulatedMedia& media, DWORD value, DWORD format) {
  switch (format) {
  case MCI_FORMAT_FRAMES:
    return MsOfUnits(value, media.framesPerSecond);
  case MCI_FORMAT_SAMPLES:
    return MsOfUnits(value, media.samplesPerSecond);
  case MCI_FORMAT_BYTES:
    return MsOfUnits(value, media.samplesPerSecond * media.blockAlign);
  case MCI_FORMAT_MSF:
    return MsOfMsf(value);
  case MCI_FORMAT_TMSF:
    return MsOfTmsf(media, value);
  default:
    return value;
  }
}

} // namespace

bool TimeFormatSupported(TMciDeviceKind kind, DWORD format) {
  if (format == MCI_FORMAT_MILLISECONDS)
    return true;
  switch (kind) {
  case TMciDeviceKind::WaveAudio:
    return format == MCI_FORMAT_SAMPLES || format == MCI_FORMAT_BYTES;
  case TMciDeviceKind::MpegVideo:
  case TMciDeviceKind::AviVideo:
    return format == MCI_FORMAT_FRAMES;
  case TMciDeviceKind::CdAudio:
    return format == MCI_FORMAT_MSF || format == MCI_FORMAT_TMSF;
  }
  return false;
}

DWORD PositionInFormat(const TSimulatedMedia& media, DWORD ms, DWORD format) {
  return format == MCI_FORMAT_TMSF ? Tmsf(media, ms) : LengthInFormat(media, ms, format);
}

DWORD LengthInFormat(const TSimulatedMedia& media, DWORD ms, DWORD format) {
  switch (format) {
  case MCI_FORMAT_FRAMES:
    return UnitsOf(ms, media.framesPerSecond);
  case MCI_FORMAT_SAMPLES:
    return UnitsOf(ms, media.samplesPerSecond);
  case MCI_FORMAT_BYTES:
    return UnitsOf(ms, media.samplesPerSecond) * media.blockAlign;
  case MCI_FORMAT_MSF:
  case MCI_FORMAT_TMSF:
    return Msf(ms);
  default:
    return ms;
  }
}

std::optional<DWORD> MsFromFormat(const TSimulatedMedia& media, DWORD value, DWORD format) {
  std::optional<Wide> ms = MsOf(media, value, format);
  if (!ms || *ms > MAXDWORD)
    return std::nullopt;
  return static_cast<DWORD>(*ms);
}

std::optional<DWORD> PositionFromFormat(const TSimulatedMedia& media, DWORD value, DWORD format) {
  std::optional<DWORD> ms = MsFromFormat(media, value, format);
  if (!ms || *ms > media.LengthMs())
    return std::nullopt;
  return ms;
}

DWORD TrackStartMs(const TSimulatedMedia& media, DWORD track) {
  DWORD start = 0;
  for (DWORD i = 1; i < track && i <= media.trackLengthsMs.size(); ++i)
    start += media.trackLengthsMs[i - 1];
  return start;
}

DWORD TrackAt(const TSimulatedMedia& media, DWORD ms) {
  DWORD track = 1;
  DWORD end = 0;
  for (DWORD length : media.trackLengthsMs) {
    end += length;
    if (ms < end || track == media.trackLengthsMs.size())
      return track;
    ++track;
  }
  return 1;
}
