#pragma once

#include "SimulatedMedia.h"

#include <windows.h>

#include <optional>

// Positions of a simulated medium travel in milliseconds inside the stand-in and in the
// device's time format (MCI_FORMAT_*) across the port. These convert between the two.
//
// A value in a coarser unit (frames, samples) converts to the first millisecond that lies
// inside that unit, so converting it back gives the same value again.

// Whether a device of the kind accepts the time format.
bool TimeFormatSupported(TMciDeviceKind kind, DWORD format);

// A position (ms from the start of the medium) in the format. In TMSF it is the track that
// holds it and the time into that track.
DWORD PositionInFormat(const TSimulatedMedia& media, DWORD ms, DWORD format);

// A length or duration in the format; TMSF has no lengths, so they come in MSF, as on the
// platform's CD device.
DWORD LengthInFormat(const TSimulatedMedia& media, DWORD ms, DWORD format);

// The time in ms a value in the format stands for; none when it names a track that is not
// there (or a time too large to hold).
std::optional<DWORD> MsFromFormat(const TSimulatedMedia& media, DWORD value, DWORD format);

// The same for a position on the medium: none also when it lies past the end.
std::optional<DWORD> PositionFromFormat(const TSimulatedMedia& media, DWORD value, DWORD format);

// Where the 1-based track starts, in ms.
DWORD TrackStartMs(const TSimulatedMedia& media, DWORD track);

// The 1-based track that holds the position.
DWORD TrackAt(const TSimulatedMedia& media, DWORD ms);
