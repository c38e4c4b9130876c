// The commands that move the media: play, record, stop, pause, resume, seek, step, eject.
#include "TMediaPlayer.h"

#include "CurrentMciPort.h"

#include <digitalv.h>

void TMediaPlayer::Play() {
  CheckOpen();
  if (autoRewind_ && !fromGiven_ && !toGiven_ && Position() == Length()) {
    Rewind();
  }
  SendPlay(MCI_PLAY, TakeNotifyWait(false, true));
}

void TMediaPlayer::StartRecording() {
  CheckOpen();
  SendPlay(MCI_RECORD, TakeNotifyWait(false, true));
}

// MCI_PLAY and MCI_RECORD share their block's layout (callback, from, to).
void TMediaPlayer::SendPlay(UINT message, DWORD_PTR flags) {
  MCI_PLAY_PARMS block{};
  if (fromGiven_) {
    flags |= MCI_FROM;
    block.dwFrom = static_cast<DWORD>(from_);
    fromGiven_ = false;
  }
  if (toGiven_) {
    flags |= MCI_TO;
    block.dwTo = static_cast<DWORD>(to_);
    toGiven_ = false;
  }
  block.dwCallback = Callback();
  error_ = Send(message, flags, &block);
}

void TMediaPlayer::Stop() {
  CheckOpen();
  MCI_GENERIC_PARMS block{};
  DWORD_PTR flags = TakeNotifyWait(true, false);
  block.dwCallback = Callback();
  error_ = Send(MCI_STOP, flags, &block);
}

void TMediaPlayer::Pause() {
  CheckOpen();
  TMPMode mode = Mode();
  if (mode == mmPlay) {
    MCI_GENERIC_PARMS block{};
    DWORD_PTR flags = TakeNotifyWait(true, false);
    block.dwCallback = Callback();
    error_ = Send(MCI_PAUSE, flags, &block);
  } else if (mode == mmPause) {
    Resume();
  }
}

void TMediaPlayer::Resume() {
  CheckOpen();
  DWORD_PTR flags = 0;
  if (!notifyGiven_ || notify_) {
    flags |= MCI_NOTIFY;
  }
  if (waitGiven_ && wait_) {
    flags |= MCI_WAIT;
  }
  MCI_GENERIC_PARMS block{};
  block.dwCallback = Callback();
  error_ = Send(MCI_RESUME, flags, &block);
  if (error_ != 0) {
    Play();
    return;
  }
  notifyGiven_ = false;
  waitGiven_ = false;
}

void TMediaPlayer::Next() {
  CheckOpen();
  DWORD_PTR flags = TakeNotifyWait(true, false);
  if (TimeFormat() != MCI_FORMAT_TMSF) {
    Seek(flags | MCI_SEEK_TO_END, 0);
    return;
  }
  std::int32_t target = NextTrackTarget();
  if (Mode() == mmPlay) {
    PlayTrackFrom(target);
    return;
  }
  Seek(flags | MCI_TO, static_cast<DWORD>(target));
}

void TMediaPlayer::Previous() {
  CheckOpen();
  DWORD_PTR flags = TakeNotifyWait(true, false);
  if (TimeFormat() != MCI_FORMAT_TMSF) {
    Seek(flags | MCI_SEEK_TO_START, 0);
    return;
  }
  std::int32_t target = PreviousTrackTarget();
  if (Mode() == mmPlay) {
    PlayTrackFrom(target);
    return;
  }
  Seek(flags | MCI_TO, static_cast<DWORD>(target));
}

// On the last track its own start, otherwise the start of the next track.
std::int32_t TMediaPlayer::NextTrackTarget() {
  std::int32_t track = MCI_TMSF_TRACK(Position());
  std::int32_t tracks = Tracks();
  return TrackPosition(track == tracks ? tracks : track + 1);
}

// Less than a second into a track other than the first: the start of the previous track;
// otherwise the start of the current one.
std::int32_t TMediaPlayer::PreviousTrackTarget() {
  auto position = static_cast<DWORD>(Position());
  auto start = static_cast<DWORD>(TrackPosition(MCI_TMSF_TRACK(position)));
  bool atStart = MCI_TMSF_MINUTE(position) == MCI_TMSF_MINUTE(start) &&
                 MCI_TMSF_SECOND(position) == MCI_TMSF_SECOND(start);
  if (MCI_TMSF_TRACK(position) != 1 && atStart) {
    return TrackPosition(MCI_TMSF_TRACK(Position()) - 1);
  }
  return static_cast<std::int32_t>(start);
}

void TMediaPlayer::PlayTrackFrom(std::int32_t target) {
  SetFrom(target);
  Play();
  currentButton_ = btPlay;
}

void TMediaPlayer::Seek(DWORD_PTR flags, DWORD to) {
  MCI_SEEK_PARMS block{};
  block.dwTo = to;
  block.dwCallback = Callback();
  error_ = Send(MCI_SEEK, flags, &block);
}

void TMediaPlayer::Step() {
  CheckOpen();
  if (!hasVideo_) {
    return;
  }
  if (autoRewind_ && Position() == Length()) {
    Rewind();
  }
  SendStep(0);
}

void TMediaPlayer::Back() {
  CheckOpen();
  if (hasVideo_) {
    SendStep(MCI_DGV_STEP_REVERSE);
  }
}

void TMediaPlayer::SendStep(DWORD_PTR direction) {
  MCI_DGV_STEP_PARMS block{};
  DWORD_PTR flags = TakeNotifyWait(true, false) | MCI_DGV_STEP_FRAMES | direction;
  block.dwFrames = static_cast<DWORD>(frames_);
  block.dwCallback = Callback();
  error_ = Send(MCI_STEP, flags, &block);
}

void TMediaPlayer::Eject() {
  CheckOpen();
  if (!canEject_) {
    return;
  }
  MCI_SET_PARMS block{};
  DWORD_PTR flags = TakeNotifyWait(true, false) | MCI_SET_DOOR_OPEN;
  block.dwCallback = Callback();
  error_ = Send(MCI_SET, flags, &block);
}

void TMediaPlayer::Rewind() {
  CheckOpen();
  MCI_SEEK_PARMS block{};
  Send(MCI_SEEK, MCI_WAIT | MCI_SEEK_TO_START, &block);
}

void TMediaPlayer::SetPosition(std::int32_t value) {
  CheckOpen();
  DWORD_PTR flags = TakeNotifyWait(true, false);
  Seek(flags | MCI_TO, static_cast<DWORD>(value));
}
