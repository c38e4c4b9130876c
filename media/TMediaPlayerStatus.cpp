// The status values, asked of the device at every read.
#include "TMediaPlayer.h"

DWORD_PTR TMediaPlayer::StatusValue(DWORD_PTR flags, DWORD item, DWORD track, MCIERROR& result) {
  MCI_STATUS_PARMS block{};
  block.dwItem = item;
  block.dwTrack = track;
  result = Send(MCI_STATUS, flags, &block);
  return result == 0 ? block.dwReturn : 0;
}

std::int32_t TMediaPlayer::RecordedStatus(DWORD item) {
  return static_cast<std::int32_t>(StatusValue(MCI_WAIT | MCI_STATUS_ITEM, item, 0, error_));
}

std::int32_t TMediaPlayer::Position() { return RecordedStatus(MCI_STATUS_POSITION); }

std::int32_t TMediaPlayer::Length() {
  CheckOpen();
  return RecordedStatus(MCI_STATUS_LENGTH);
}

std::int32_t TMediaPlayer::Tracks() {
  CheckOpen();
  return RecordedStatus(MCI_STATUS_NUMBER_OF_TRACKS);
}

TMPMode TMediaPlayer::Mode() {
  auto code = static_cast<DWORD_PTR>(static_cast<DWORD>(RecordedStatus(MCI_STATUS_MODE)));
  if (error_ != 0 || code < MCI_MODE_NOT_READY || code > MCI_MODE_OPEN) {
    return mmNotReady;
  }
  return static_cast<TMPMode>(code - MCI_MODE_NOT_READY);
}

std::uint8_t TMediaPlayer::TimeFormat() {
  CheckOpen();
  return static_cast<std::uint8_t>(RecordedStatus(MCI_STATUS_TIME_FORMAT) & 0xFF);
}

void TMediaPlayer::SetTimeFormat(std::uint8_t value) {
  MCI_SET_PARMS block{};
  block.dwTimeFormat = value;
  block.dwCallback = Callback();
  error_ = Send(MCI_SET, MCI_NOTIFY | MCI_SET_TIME_FORMAT, &block);
}

std::int32_t TMediaPlayer::TrackPosition(std::int32_t track) {
  MCIERROR ignored = 0;
  return static_cast<std::int32_t>(StatusValue(MCI_WAIT | MCI_STATUS_ITEM | MCI_TRACK,
                                               MCI_STATUS_POSITION, static_cast<DWORD>(track),
                                               ignored));
}
