#include "TMciCall.h"

#include <digitalv.h>

namespace {

template <class Block> const Block& BlockAt(DWORD_PTR params) {
  return *reinterpret_cast<const Block*>(params);
}

std::optional<String> Text(LPCSTR text) {
  if (text == nullptr)
    return std::nullopt;
  return String(text);
}

void RecordOpen(TMciCall& call, const MCI_OPEN_PARMSA& block) {
  // With MCI_OPEN_TYPE_ID the type "pointer" is a device type number, not a text.
  if (call.Has(MCI_OPEN_TYPE) && !call.Has(MCI_OPEN_TYPE_ID))
    call.deviceType = Text(block.lpstrDeviceType);
  if (call.Has(MCI_OPEN_ELEMENT) && !call.Has(MCI_OPEN_ELEMENT_ID))
    call.element = Text(block.lpstrElementName);
  if (call.Has(MCI_OPEN_ALIAS))
    call.alias = Text(block.lpstrAlias);
}

void RecordFields(TMciCall& call, DWORD_PTR params) {
  switch (call.message) {
  case MCI_OPEN:
    RecordOpen(call, BlockAt<MCI_OPEN_PARMSA>(params));
    break;
  case MCI_PLAY:
  case MCI_RECORD:
    call.from = BlockAt<MCI_PLAY_PARMS>(params).dwFrom;
    call.to = BlockAt<MCI_PLAY_PARMS>(params).dwTo;
    break;
  case MCI_SEEK:
    call.to = BlockAt<MCI_SEEK_PARMS>(params).dwTo;
    break;
  case MCI_STATUS:
    call.item = BlockAt<MCI_STATUS_PARMS>(params).dwItem;
    call.track = BlockAt<MCI_STATUS_PARMS>(params).dwTrack;
    break;
  case MCI_GETDEVCAPS:
    call.item = BlockAt<MCI_GETDEVCAPS_PARMS>(params).dwItem;
    break;
  case MCI_SET:
    call.timeFormat = BlockAt<MCI_SET_PARMS>(params).dwTimeFormat;
    call.audio = BlockAt<MCI_SET_PARMS>(params).dwAudio;
    break;
  case MCI_STEP:
    call.frames = BlockAt<MCI_DGV_STEP_PARMS>(params).dwFrames;
    break;
  case MCI_WINDOW:
    call.window = BlockAt<MCI_DGV_WINDOW_PARMSA>(params).hWnd;
    call.showCommand = BlockAt<MCI_DGV_WINDOW_PARMSA>(params).nCmdShow;
    break;
  case MCI_PUT:
    call.rect = BlockAt<MCI_DGV_RECT_PARMS>(params).rc;
    break;
  case MCI_SAVE:
    call.file = Text(BlockAt<MCI_SAVE_PARMSA>(params).lpfilename);
    break;
  default:
    break;
  }
}

} // namespace

TMciCall RecordCall(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) {
  TMciCall call;
  call.device = device;
  call.message = message;
  call.flags = flags;
  call.hasBlock = params != 0;
  if (params == 0)
    return call;
  call.callback = BlockAt<MCI_GENERIC_PARMS>(params).dwCallback;
  RecordFields(call, params);
  return call;
}

void RecordAnswer(TMciCall& call, MCIERROR result, DWORD_PTR params) {
  call.result = result;
  if (result != 0 || params == 0)
    return;
  switch (call.message) {
  case MCI_OPEN:
    call.openedDevice = BlockAt<MCI_OPEN_PARMSA>(params).wDeviceID;
    break;
  case MCI_STATUS:
    call.returned = BlockAt<MCI_STATUS_PARMS>(params).dwReturn;
    break;
  case MCI_GETDEVCAPS:
    call.returned = BlockAt<MCI_GETDEVCAPS_PARMS>(params).dwReturn;
    break;
  case MCI_WHERE:
    call.rect = BlockAt<MCI_DGV_RECT_PARMS>(params).rc;
    break;
  default:
    break;
  }
}
