#include "StandInBlocks.h"
#include "TMciStandIn.h"

#include "MciTimeFormat.h"

#include <digitalv.h>

namespace {

// A Boolean answer as the platform's devices give it through mciSendCommandA: 1 or 0.
DWORD_PTR Answer(bool value) { return value ? TRUE : FALSE; }

// The commands on the picture: unknown to a device without video (as on the platform's
// wave device), refused when the medium has no picture.
MCIERROR CheckPicture(const TSimulatedDevice& device, DWORD_PTR params) {
  if (!device.Media().hasVideo)
    return MCIERR_UNRECOGNIZED_COMMAND;
  if (device.Media().picture.cx == 0 || device.Media().picture.cy == 0)
    return MCIERR_NO_WINDOW;
  return params == 0 ? MCIERR_NULL_PARAMETER_BLOCK : 0;
}

MCIERROR CheckDoor(const TSimulatedDevice& device, DWORD_PTR flags) {
  bool open = HasFlag(flags, MCI_SET_DOOR_OPEN);
  bool closed = HasFlag(flags, MCI_SET_DOOR_CLOSED);
  if (open && closed)
    return MCIERR_FLAGS_NOT_COMPATIBLE;
  if ((open || closed) && !device.Traits().canEject)
    return MCIERR_UNSUPPORTED_FUNCTION;
  return 0;
}

} // namespace

MCIERROR TMciStandIn::Set(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  auto* block = BlockAt<MCI_SET_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  bool timeFormat = HasFlag(flags, MCI_SET_TIME_FORMAT);
  if (timeFormat && !TimeFormatSupported(device.Kind(), block->dwTimeFormat))
    return MCIERR_BAD_TIME_FORMAT;
  if (MCIERROR error = CheckDoor(device, flags))
    return error;
  if (HasFlag(flags, MCI_SET_DOOR_OPEN))
    Interrupt(device);
  if (HasFlag(flags, MCI_SET_DOOR_OPEN) || HasFlag(flags, MCI_SET_DOOR_CLOSED))
    device.SetDoorOpen(now_, HasFlag(flags, MCI_SET_DOOR_OPEN));
  if (timeFormat)
    device.SetTimeFormat(block->dwTimeFormat);
  Conclude(device, flags, params, false);
  return 0;
}

MCIERROR TMciStandIn::Status(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  auto* block = BlockAt<MCI_STATUS_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  if (!HasFlag(flags, MCI_STATUS_ITEM))
    return MCIERR_MISSING_PARAMETER;
  DWORD_PTR value = 0;
  if (MCIERROR error = StatusValue(device, flags, block->dwItem, block->dwTrack, value))
    return error;
  block->dwReturn = value;
  Conclude(device, flags, params, false);
  return 0;
}

MCIERROR TMciStandIn::StatusValue(const TSimulatedDevice& device, DWORD_PTR flags, DWORD item,
                                  DWORD track, DWORD_PTR& value) const {
  TSimulatedMedia media = device.MediaAt(now_);
  DWORD format = device.TimeFormat();
  switch (item) {
  case MCI_STATUS_MODE:
    value = device.Mode();
    return 0;
  case MCI_STATUS_READY:
    value = Answer(device.Ready());
    return 0;
  case MCI_STATUS_MEDIA_PRESENT:
    value = Answer(device.MediaPresent());
    return 0;
  case MCI_STATUS_TIME_FORMAT:
    value = format;
    return 0;
  default:
    break;
  }
  if (!device.MediaPresent())
    return MCIERR_HARDWARE;
  bool ofTrack = HasFlag(flags, MCI_TRACK);
  if (ofTrack && (track < 1 || track > media.trackLengthsMs.size()))
    return MCIERR_OUTOFRANGE;
  switch (item) {
  case MCI_STATUS_LENGTH:
    value =
        LengthInFormat(media, ofTrack ? media.trackLengthsMs[track - 1] : media.LengthMs(), format);
    return 0;
  case MCI_STATUS_POSITION: {
    DWORD ms = device.PositionMs(now_);
    if (ofTrack)
      ms = TrackStartMs(media, track);
    else if (HasFlag(flags, MCI_STATUS_START))
      ms = 0;
    value = PositionInFormat(media, ms, format);
    return 0;
  }
  case MCI_STATUS_NUMBER_OF_TRACKS:
    value = media.trackLengthsMs.size();
    return 0;
  case MCI_STATUS_CURRENT_TRACK:
    value = TrackAt(media, device.PositionMs(now_));
    return 0;
  default:
    return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

MCIERROR TMciStandIn::Capability(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  auto* block = BlockAt<MCI_GETDEVCAPS_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  if (!HasFlag(flags, MCI_GETDEVCAPS_ITEM))
    return MCIERR_MISSING_PARAMETER;
  const TDeviceTraits& traits = device.Traits();
  DWORD_PTR value = 0;
  switch (block->dwItem) {
  case MCI_GETDEVCAPS_CAN_RECORD:
    value = Answer(traits.canRecord);
    break;
  case MCI_GETDEVCAPS_HAS_AUDIO:
  case MCI_GETDEVCAPS_CAN_PLAY:
    value = Answer(true);
    break;
  case MCI_GETDEVCAPS_HAS_VIDEO:
    value = Answer(device.Media().hasVideo);
    break;
  case MCI_GETDEVCAPS_DEVICE_TYPE:
    value = traits.deviceType;
    break;
  case MCI_GETDEVCAPS_USES_FILES:
  case MCI_GETDEVCAPS_COMPOUND_DEVICE:
    value = Answer(traits.usesFiles);
    break;
  case MCI_GETDEVCAPS_CAN_EJECT:
    value = Answer(traits.canEject);
    break;
  case MCI_GETDEVCAPS_CAN_SAVE:
    value = Answer(traits.canSave);
    break;
  default:
    return MCIERR_UNRECOGNIZED_COMMAND;
  }
  block->dwReturn = static_cast<DWORD>(value);
  Conclude(device, flags, params, false);
  return 0;
}

MCIERROR TMciStandIn::Window(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (MCIERROR error = CheckPicture(device, params))
    return error;
  auto* block = BlockAt<MCI_DGV_WINDOW_PARMSA>(params);
  bool newWindow = HasFlag(flags, MCI_DGV_WINDOW_HWND);
  if (newWindow && block->hWnd != nullptr && !IsWindow(block->hWnd))
    return MCIERR_NO_WINDOW;
  if (newWindow)
    device.SetWindow(block->hWnd);
  if (HasFlag(flags, MCI_DGV_WINDOW_STATE))
    device.SetShowCommand(block->nCmdShow);
  Conclude(device, flags, params, false);
  return 0;
}

// Rectangles travel as MCI has them: left and top, then width and height.
MCIERROR TMciStandIn::Where(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (MCIERROR error = CheckPicture(device, params))
    return error;
  bool source = HasFlag(flags, MCI_DGV_WHERE_SOURCE);
  bool destination = HasFlag(flags, MCI_DGV_WHERE_DESTINATION);
  if (source == destination)
    return source ? MCIERR_FLAGS_NOT_COMPATIBLE : MCIERR_MISSING_PARAMETER;
  BlockAt<MCI_DGV_RECT_PARMS>(params)->rc = source ? device.Source() : device.Destination();
  Conclude(device, flags, params, false);
  return 0;
}

// Only the destination is kept; without a rectangle it goes back to the whole picture.
MCIERROR TMciStandIn::Put(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  if (!device.Media().hasVideo)
    return MCIERR_UNRECOGNIZED_COMMAND;
  auto* block = BlockAt<MCI_DGV_RECT_PARMS>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  if (HasFlag(flags, MCI_DGV_PUT_DESTINATION))
    device.SetDestination(HasFlag(flags, MCI_DGV_RECT) ? block->rc : device.Source());
  Conclude(device, flags, params, false);
  return 0;
}
