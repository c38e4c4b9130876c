// Opening and closing the device, its capabilities, the video window and the completion
// notices.
#include "TMediaPlayer.h"

#include "CurrentMciPort.h"
#include "Exception.h"

#include <digitalv.h>

namespace {

// Device types whose devices move by frames.
bool StepsByFrames(DWORD_PTR deviceType) {
  return deviceType == MCI_DEVTYPE_VCR || deviceType == MCI_DEVTYPE_OVERLAY ||
         deviceType == MCI_DEVTYPE_ANIMATION || deviceType == MCI_DEVTYPE_DIGITAL_VIDEO;
}

} // namespace

void TMediaPlayer::Open() {
  MCI_OPEN_PARMSA block{};
  MCIDEVICEID previous = deviceId_;
  if (open_) {
    Close();
  }
  bool previousStaysOpen = open_;
  CloseAbandoned();
  block.lpstrDeviceType = DeviceTypeString(deviceType_);
  block.lpstrElementName = fileName_.c_str();
  DWORD_PTR flags = TakeNotifyWait(true, false);
  if (deviceType_ != dtAutoSelect) {
    if (!fileName_.empty()) {
      flags |= MCI_OPEN_ELEMENT;
    }
    flags |= MCI_OPEN_TYPE;
  } else {
    flags |= MCI_OPEN_ELEMENT;
  }
  if (shareable_) {
    flags |= MCI_OPEN_SHAREABLE;
  }
  block.dwCallback = Callback();
  error_ = CurrentMciPort().Send(0, MCI_OPEN, flags, block);
  if (error_ != 0) {
    throw EMCIDeviceError(ErrorMessage());
  }
  if (previousStaysOpen) {
    abandoned_.push_back(previous);
  }
  open_ = true;
  deviceId_ = block.wDeviceID;
  frames_ = Length() / 10;
  QueryCapabilities();
  if (hasVideo_) {
    SetDisplay(display_);
    DisplayRect();
  }
  if (deviceType_ == dtCDAudio || deviceType_ == dtVideodisc) {
    SetTimeFormat(MCI_FORMAT_TMSF);
  }
  StartAutoButtons();
}

void TMediaPlayer::StartAutoButtons() {
  autoButtons_ = TButtonSet{btNext, btPrev};
  if (canStep_) {
    autoButtons_.Include(btStep);
    autoButtons_.Include(btBack);
  }
  if (canPlay_) {
    autoButtons_.Include(btPlay);
  }
  if (canRecord_) {
    autoButtons_.Include(btRecord);
  }
  if (canEject_) {
    autoButtons_.Include(btEject);
  }
  if (Mode() == mmPlay) {
    PlayAdjust();
  }
  ApplyAutoButtons();
}

void TMediaPlayer::QueryCapabilities() {
  canPlay_ = Capability(MCI_GETDEVCAPS_CAN_PLAY);
  canRecord_ = Capability(MCI_GETDEVCAPS_CAN_RECORD);
  canEject_ = Capability(MCI_GETDEVCAPS_CAN_EJECT);
  hasVideo_ = Capability(MCI_GETDEVCAPS_HAS_VIDEO);
  MCI_GETDEVCAPS_PARMS type{};
  type.dwItem = MCI_GETDEVCAPS_DEVICE_TYPE;
  canStep_ = Send(MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM, &type) == 0 &&
             StepsByFrames(type.dwReturn);
  MCI_DGV_RECT_PARMS source{};
  error_ = Send(MCI_WHERE, MCI_DGV_WHERE_SOURCE, &source);
}

bool TMediaPlayer::Capability(DWORD item) {
  MCI_GETDEVCAPS_PARMS block{};
  block.dwItem = item;
  return Send(MCI_GETDEVCAPS, MCI_WAIT | MCI_GETDEVCAPS_ITEM, &block) == 0 &&
         (block.dwReturn & 0xFF) != 0;
}

void TMediaPlayer::Close() {
  if (deviceId_ == 0) {
    return;
  }
  MCI_GENERIC_PARMS block{};
  DWORD_PTR flags = TakeNotifyWait(true, false);
  block.dwCallback = Callback();
  error_ = Send(MCI_CLOSE, flags, &block);
  if (error_ != 0) {
    return;
  }
  open_ = false;
  deviceId_ = 0;
  autoButtons_ = TButtonSet{};
  ApplyAutoButtons();
}

void TMediaPlayer::CloseAbandoned() noexcept {
  std::erase_if(abandoned_, [](MCIDEVICEID device) {
    MCI_GENERIC_PARMS block{};
    return CurrentMciPort().Send(device, MCI_CLOSE, MCI_WAIT, block) == 0;
  });
}

void TMediaPlayer::SetDisplay(TWinControl* value) {
  if (display_ && display_ != value) {
    display_->RemoveFreeNotification(this);
  }
  if (value && open_ && hasVideo_) {
    display_ = value;
    SendWindow(value->Handle());
    if (error_ != 0) {
      display_->RemoveFreeNotification(this);
      display_ = nullptr;
      return;
    }
  }
  display_ = value;
  if (display_) {
    display_->FreeNotification(this);
  }
}

void TMediaPlayer::SendWindow(HWND window) {
  MCI_DGV_WINDOW_PARMSA block{};
  block.hWnd = window;
  error_ = Send(MCI_WINDOW, MCI_WAIT | MCI_DGV_WINDOW_HWND, &block);
}

void TMediaPlayer::ComponentNotice(TComponent* component, TOperation operation) {
  TCustomControl::ComponentNotice(component, operation);
  if (operation != opRemove || component == nullptr || component != display_) {
    return;
  }
  if (open_ && hasVideo_) {
    SendWindow(nullptr);
  }
  display_ = nullptr;
}

RECT TMediaPlayer::DisplayRect() {
  MCI_DGV_RECT_PARMS block{};
  if (open_ && hasVideo_) {
    error_ = Send(MCI_WHERE, MCI_DGV_WHERE_DESTINATION, &block);
  }
  return block.rc;
}

void TMediaPlayer::MMMciNotify(TWMMciNotify& message) {
  if (autoEnable_ && Mode() == mmStop) {
    StopAdjust();
    ApplyAutoButtons();
  }
  switch (message.Code()) {
  case MCI_NOTIFY_SUCCESSFUL:
    notifyValue_ = nrSuccessful;
    break;
  case MCI_NOTIFY_SUPERSEDED:
    notifyValue_ = nrSuperseded;
    break;
  case MCI_NOTIFY_ABORTED:
    notifyValue_ = nrAborted;
    break;
  case MCI_NOTIFY_FAILURE:
    notifyValue_ = nrFailure;
    break;
  default:
    break;
  }
  DoNotify();
}
