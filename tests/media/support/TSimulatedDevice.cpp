#include "TSimulatedDevice.h"

#include "MciTimeFormat.h"

#include <mmsystem.h>

#include <algorithm>
#include <utility>

TSimulatedDevice::TSimulatedDevice(MCIDEVICEID id, TSimulatedMedia media, String alias,
                                   bool shareable)
    : id_(id), media_(std::move(media)), alias_(std::move(alias)), shareable_(shareable),
      timeFormat_(Traits().defaultTimeFormat), destination_(Source()) {
  if (media_.kind == TMciDeviceKind::CdAudio)
    startMs_ = TrackStartMs(media_, media_.cdTrack);
}

TSimulatedMedia TSimulatedDevice::MediaAt(ULONGLONG now) const {
  TSimulatedMedia media = media_;
  if (Recording() && !media.trackLengthsMs.empty())
    media.trackLengthsMs.back() = std::max(media.trackLengthsMs.back(), PositionMs(now));
  return media;
}

DWORD TSimulatedDevice::PositionMs(ULONGLONG now) const {
  if (!Running())
    return startMs_;
  ULONGLONG reached = startMs_ + (now - since_);
  return static_cast<DWORD>(endMs_ ? std::min<ULONGLONG>(reached, *endMs_) : reached);
}

DWORD TSimulatedDevice::Mode() const {
  if (forcedMode_)
    return *forcedMode_;
  if (doorOpen_)
    return MCI_MODE_OPEN;
  if (!MediaPresent())
    return MCI_MODE_NOT_READY;
  switch (transport_) {
  case TTransport::Playing:
    return MCI_MODE_PLAY;
  case TTransport::Recording:
    return MCI_MODE_RECORD;
  case TTransport::Paused:
    return MCI_MODE_PAUSE;
  case TTransport::Stopped:
    break;
  }
  return MCI_MODE_STOP;
}

std::optional<ULONGLONG> TSimulatedDevice::EndTime() const {
  if (!Running() || !endMs_)
    return std::nullopt;
  return since_ + (*endMs_ - startMs_);
}

void TSimulatedDevice::Play(ULONGLONG now, DWORD fromMs, DWORD toMs) {
  Run(now, TTransport::Playing, fromMs, toMs);
}

void TSimulatedDevice::Record(ULONGLONG now, DWORD fromMs, std::optional<DWORD> toMs) {
  Run(now, TTransport::Recording, fromMs, toMs);
}

void TSimulatedDevice::Pause(ULONGLONG now) {
  if (!Running())
    return;
  Settle(now);
  resumeAs_ = transport_;
  transport_ = TTransport::Paused;
}

void TSimulatedDevice::Resume(ULONGLONG now) {
  if (transport_ != TTransport::Paused)
    return;
  transport_ = resumeAs_;
  since_ = now;
}

void TSimulatedDevice::Stop(ULONGLONG now) {
  Settle(now);
  transport_ = TTransport::Stopped;
  endMs_.reset();
}

void TSimulatedDevice::MoveTo(ULONGLONG now, DWORD ms) {
  Stop(now);
  startMs_ = ms;
}

void TSimulatedDevice::SetDoorOpen(ULONGLONG now, bool open) {
  if (open)
    Stop(now);
  doorOpen_ = open;
}

bool TSimulatedDevice::MediaPresent() const {
  return !doorOpen_ && !(media_.kind == TMciDeviceKind::CdAudio && media_.trackLengthsMs.empty());
}

bool TSimulatedDevice::Ready() const {
  return MediaPresent() && forcedMode_ != DWORD{MCI_MODE_NOT_READY};
}

RECT TSimulatedDevice::Source() const { return RECT{0, 0, media_.picture.cx, media_.picture.cy}; }

void TSimulatedDevice::Run(ULONGLONG now, TTransport transport, DWORD fromMs,
                           std::optional<DWORD> toMs) {
  Settle(now);
  transport_ = transport;
  startMs_ = fromMs;
  since_ = now;
  endMs_ = toMs;
}

// Fixes the transport's position (and a recording's length) at now, as the start of what
// follows.
void TSimulatedDevice::Settle(ULONGLONG now) {
  if (!Running())
    return;
  DWORD position = PositionMs(now);
  if (Recording() && !media_.trackLengthsMs.empty())
    media_.trackLengthsMs.back() = std::max(media_.trackLengthsMs.back(), position);
  startMs_ = position;
  since_ = now;
}
