#pragma once

#include "String.h"

#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

// The simulated MCI devices, one per kind of media the player accepts.
enum class TMciDeviceKind { WaveAudio, MpegVideo, AviVideo, CdAudio };

// What a device of a kind is and can do, as its capability requests report it.
struct TDeviceTraits {
  const char* typeName = "";   // the device type string, e.g. "waveaudio"
  DWORD deviceType = 0;        // MCI_DEVTYPE_*
  DWORD defaultTimeFormat = 0; // MCI_FORMAT_*
  bool canRecord = false;      // and MCI_RECORD is accepted
  bool canSave = false;        // and MCI_SAVE is accepted
  bool canEject = false;       // and the door commands are accepted
  bool usesFiles = false;
  bool canStep = false;          // MCI_STEP is accepted (frames of a video)
  bool refusesIdlePause = false; // MCI_PAUSE and MCI_RESUME fail when nothing plays
  bool resumes = false;          // MCI_RESUME is accepted at all
};

const TDeviceTraits& TraitsOf(TMciDeviceKind kind);

// What the stand-in pretends a medium holds: a file, or the disc in the CD drive.
struct TSimulatedMedia {
  TMciDeviceKind kind = TMciDeviceKind::WaveAudio;
  // Length of each track in milliseconds; every medium but a CD has one track.
  std::vector<DWORD> trackLengthsMs{2000};
  // GETDEVCAPS "has video" (the MPEG device reports it even for a sound file).
  bool hasVideo = false;
  // The picture's size; 0 × 0 means no picture, and the window and rectangle commands fail.
  SIZE picture{0, 0};
  DWORD framesPerSecond = 0;
  DWORD samplesPerSecond = 22050;
  DWORD blockAlign = 2;
  // A CD track file (.cda) names the track it stands for.
  DWORD cdTrack = 1;

  DWORD LengthMs() const;
};

// The medium the platform's device would make of a file of this name, with the stand-in's
// defaults: none for an extension no device takes.
std::optional<TSimulatedMedia> MediaForFile(std::string_view path);

// The defaults of each kind.
TSimulatedMedia WaveMedia(DWORD lengthMs);
TSimulatedMedia MpegAudioMedia(DWORD lengthMs);
TSimulatedMedia MpegVideoMedia(DWORD lengthMs, SIZE picture);
TSimulatedMedia AviMedia(DWORD lengthMs, SIZE picture, DWORD framesPerSecond);
TSimulatedMedia CdMedia(std::vector<DWORD> trackLengthsMs);

// The disc in the stand-in's CD drive unless a test puts another in: ten tracks of 2:40 to
// 4:10, so no two tracks have the same length.
std::vector<DWORD> DefaultCdTracks();

// The kind a device type string names (any case), if the stand-in has such a device.
std::optional<TMciDeviceKind> KindOfType(std::string_view type);

// Windows' rule for file names: letters match either case; the second byte of a double-byte
// character only itself.
bool SamePath(std::string_view a, std::string_view b);
