#include "StandInBlocks.h"
#include "TMciStandIn.h"

#include "MciTimeFormat.h"

#include <digitalv.h>

namespace {

// Reads the MCI_FROM and MCI_TO positions of a play or recording block, in ms.
struct TSpan {
  MCIERROR error = 0;
  DWORD from = 0;
  std::optional<DWORD> to;
};

template <class Block>
TSpan SpanOf(const TSimulatedDevice& device, ULONGLONG now, DWORD_PTR flags, const Block& block,
             bool mayGrow) {
  TSimulatedMedia media = device.MediaAt(now);
  TSpan span{0, device.PositionMs(now), std::nullopt};
  if (HasFlag(flags, MCI_FROM)) {
    std::optional<DWORD> from = PositionFromFormat(media, block.dwFrom, device.TimeFormat());
    if (!from)
      return {MCIERR_OUTOFRANGE, 0, std::nullopt};
    span.from = *from;
  }
  if (HasFlag(flags, MCI_TO)) {
    span.to = mayGrow ? MsFromFormat(media, block.dwTo, device.TimeFormat())
                      : PositionFromFormat(media, block.dwTo, device.TimeFormat());
    if (!span.to || *span.to < span.from)
      return {MCIERR_OUTOFRANGE, 0, std::nullopt};
  }
  return span;
}

} // namespace

MCIERROR TMciStandIn::Play(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  auto* block = BlockAt<MCI_PLAY_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  if (!device.MediaPresent())
    return MCIERR_HARDWARE;
  TSpan span = SpanOf(device, now_, flags, *block, false);
  if (span.error != 0)
    return span.error;
  DWORD to = span.to.value_or(device.LengthMs(now_));
  Interrupt(device);
  device.Play(now_, span.from, to);
  bool done = span.from == to;
  if (done)
    device.Stop(now_);
  Conclude(device, flags, params, !done);
  if (HasFlag(flags, MCI_WAIT))
    RunUntilDone(device);
  return 0;
}

// Recording only ends by itself when it was given an end; a waiting recording without one
// returns at once (the platform would wait for a break key).
MCIERROR TMciStandIn::Record(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (!device.Traits().canRecord)
    return MCIERR_UNSUPPORTED_FUNCTION;
  auto* block = BlockAt<MCI_RECORD_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  TSpan span = SpanOf(device, now_, flags, *block, true);
  if (span.error != 0)
    return span.error;
  Interrupt(device);
  device.Record(now_, span.from, span.to);
  bool done = span.to == span.from;
  if (done)
    device.Stop(now_);
  Conclude(device, flags, params, !done);
  if (HasFlag(flags, MCI_WAIT))
    RunUntilDone(device);
  return 0;
}

MCIERROR TMciStandIn::Stop(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  Interrupt(device);
  device.Stop(now_);
  Conclude(device, flags, params, false);
  return 0;
}

// A pause keeps the notice of the play it holds: the play goes on after a resume.
MCIERROR TMciStandIn::Pause(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (!device.Running() && device.Traits().refusesIdlePause)
    return MCIERR_NONAPPLICABLE_FUNCTION;
  device.Pause(now_);
  Conclude(device, flags, params, false);
  return 0;
}

MCIERROR TMciStandIn::Resume(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (!device.Traits().resumes)
    return MCIERR_UNSUPPORTED_FUNCTION;
  bool paused = device.Transport() == TSimulatedDevice::TTransport::Paused;
  if (!paused && device.Traits().refusesIdlePause)
    return MCIERR_NONAPPLICABLE_FUNCTION;
  device.Resume(now_);
  Conclude(device, flags, params, false);
  return 0;
}

MCIERROR TMciStandIn::Seek(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  auto* block = BlockAt<MCI_SEEK_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  int targets =
      HasFlag(flags, MCI_SEEK_TO_START) + HasFlag(flags, MCI_SEEK_TO_END) + HasFlag(flags, MCI_TO);
  if (targets == 0)
    return MCIERR_MISSING_PARAMETER;
  if (targets > 1)
    return MCIERR_FLAGS_NOT_COMPATIBLE;
  if (!device.MediaPresent())
    return MCIERR_HARDWARE;
  TSimulatedMedia media = device.MediaAt(now_);
  std::optional<DWORD> target = PositionFromFormat(media, block->dwTo, device.TimeFormat());
  if (HasFlag(flags, MCI_SEEK_TO_START))
    target = 0;
  else if (HasFlag(flags, MCI_SEEK_TO_END))
    target = media.LengthMs();
  if (!target)
    return MCIERR_OUTOFRANGE;
  Interrupt(device);
  device.MoveTo(now_, *target);
  Conclude(device, flags, params, false);
  return 0;
}

MCIERROR TMciStandIn::Step(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (!device.Traits().canStep)
    return MCIERR_UNRECOGNIZED_COMMAND;
  auto* block = BlockAt<MCI_DGV_STEP_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  TSimulatedMedia media = device.MediaAt(now_);
  DWORD frames = HasFlag(flags, MCI_DGV_STEP_FRAMES) ? block->dwFrames : 1;
  DWORD current = LengthInFormat(media, device.PositionMs(now_), MCI_FORMAT_FRAMES);
  DWORD last = LengthInFormat(media, media.LengthMs(), MCI_FORMAT_FRAMES);
  bool reverse = HasFlag(flags, MCI_DGV_STEP_REVERSE);
  if (reverse ? frames > current : frames > last - current)
    return MCIERR_OUTOFRANGE;
  DWORD frame = reverse ? current - frames : current + frames;
  Interrupt(device);
  device.MoveTo(now_, MsFromFormat(media, frame, MCI_FORMAT_FRAMES).value_or(0));
  Conclude(device, flags, params, false);
  return 0;
}

MCIERROR TMciStandIn::Save(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (!device.Traits().canSave)
    return MCIERR_UNSUPPORTED_FUNCTION;
  auto* block = BlockAt<MCI_SAVE_PARMSA>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  if (!HasFlag(flags, MCI_SAVE_FILE) || block->lpfilename == nullptr || *block->lpfilename == 0)
    return MCIERR_FILENAME_REQUIRED;
  AddFile(block->lpfilename, device.MediaAt(now_));
  Conclude(device, flags, params, false);
  return 0;
}

// A command sent with MCI_WAIT returns when the device is done: the clock moves on to that
// moment, as the caller was held that long.
void TMciStandIn::RunUntilDone(TSimulatedDevice& device) {
  while (std::optional<ULONGLONG> end = device.EndTime())
    Advance(static_cast<DWORD>(*end - now_));
}
