#include "TMediaPlayer.h"

#include "ClassRegistry.h"
#include "CurrentMciPort.h"
#include "Exception.h"
#include "Messages.h"

namespace {

// Form resources find the control by its class name.
const bool registered = (RegisterPersistentClass(TMediaPlayer::StaticClassInfo()), true);

// The size of the buffer the device's error text is read into.
constexpr UINT errorTextSize = 4096;

} // namespace

TPublishedTables TMediaPlayer::Published() {
  static_cast<void>(registered);
  static const TPropInfo properties[] = {
      PublishedProperty<&TMediaPlayer::ColoredButtons, &TMediaPlayer::SetColoredButtons>(
          "ColoredButtons"),
      PublishedProperty<&TMediaPlayer::EnabledButtons, &TMediaPlayer::SetEnabledButtons>(
          "EnabledButtons"),
      PublishedProperty<&TMediaPlayer::VisibleButtons, &TMediaPlayer::SetVisibleButtons>(
          "VisibleButtons"),
      PublishedProperty<&TMediaPlayer::AutoEnable, &TMediaPlayer::SetAutoEnable>("AutoEnable"),
      PublishedProperty<&TMediaPlayer::AutoOpen, &TMediaPlayer::SetAutoOpen>("AutoOpen"),
      PublishedProperty<&TMediaPlayer::AutoRewind, &TMediaPlayer::SetAutoRewind>("AutoRewind"),
      PublishedProperty<&TMediaPlayer::DeviceType, &TMediaPlayer::SetDeviceType>("DeviceType"),
      PublishedProperty<&TMediaPlayer::Display, &TMediaPlayer::SetDisplay>("Display"),
      PublishedProperty<&TMediaPlayer::FileName, &TMediaPlayer::SetFileName>("FileName"),
      PublishedProperty<&TMediaPlayer::Shareable, &TMediaPlayer::SetShareable>("Shareable"),
      PublishedProperty<&TMediaPlayer::OnClick>("OnClick"),
      PublishedProperty<&TMediaPlayer::OnPostClick>("OnPostClick"),
      PublishedProperty<&TMediaPlayer::OnNotify>("OnNotify"),
  };
  return {properties};
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  LoadGlyphs();
  SetBounds(Left(), Top(), 240, 30);
  buttonWidth_ = (Width() - 1) / VisibleCount() + 1;
  SetTabStop(true);
}

TMediaPlayer::~TMediaPlayer() {
  if (deviceId_ != 0) {
    MCI_GENERIC_PARMS block{};
    CurrentMciPort().Send(deviceId_, MCI_CLOSE, MCI_WAIT, block);
  }
  CloseAbandoned();
}

void TMediaPlayer::FinishLoading() {
  TCustomControl::FinishLoading();
  if (!IsDesigning() && autoOpen_) {
    Open();
  }
}

DWORD_PTR TMediaPlayer::TakeNotifyWait(bool waitByDefault, bool notifyByDefault) {
  DWORD_PTR flags = 0;
  if (waitGiven_ ? wait_ : waitByDefault) {
    flags |= MCI_WAIT;
  }
  if (notifyGiven_ ? notify_ : notifyByDefault) {
    flags |= MCI_NOTIFY;
  }
  waitGiven_ = false;
  notifyGiven_ = false;
  return flags;
}

DWORD_PTR TMediaPlayer::Callback() { return reinterpret_cast<DWORD_PTR>(Handle()); }

MCIERROR TMediaPlayer::Send(UINT message, DWORD_PTR flags, void* block) {
  return CurrentMciPort().SendCommand(deviceId_, message, flags,
                                      reinterpret_cast<DWORD_PTR>(block));
}

void TMediaPlayer::SetNotify(bool value) {
  notify_ = value;
  notifyGiven_ = true;
}

void TMediaPlayer::SetWait(bool value) {
  wait_ = value;
  waitGiven_ = true;
}

void TMediaPlayer::SetFrom(std::int32_t value) {
  from_ = value;
  fromGiven_ = true;
}

void TMediaPlayer::SetTo(std::int32_t value) {
  to_ = value;
  toGiven_ = true;
}

String TMediaPlayer::ErrorMessage() const {
  String text(errorTextSize, '\0');
  if (!CurrentMciPort().ErrorString(error_, text.data(), errorTextSize)) {
    return LoadMessage(Msg::UnknownMCIError);
  }
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

void TMediaPlayer::CheckOpen() const {
  if (!open_) {
    throw EMCIDeviceError(LoadMessage(Msg::MCIDeviceNotOpen));
  }
}

TMPDevCapsSet TMediaPlayer::Capabilities() const {
  TMPDevCapsSet set;
  if (canStep_) {
    set.Include(dcCanStep);
  }
  if (canEject_) {
    set.Include(dcCanEject);
  }
  if (canPlay_) {
    set.Include(dcCanPlay);
  }
  if (canRecord_) {
    set.Include(dcCanRecord);
  }
  if (hasVideo_) {
    set.Include(dcHasVideo);
  }
  return set;
}

void TMediaPlayer::DoNotify() { OnNotify(this); }

void TMediaPlayer::DoClick(TMPBtnType button, bool& doDefault) { OnClick(this, button, doDefault); }

void TMediaPlayer::DoPostClick(TMPBtnType button) { OnPostClick(this, button); }
