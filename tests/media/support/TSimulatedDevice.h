#pragma once

#include "SimulatedMedia.h"

#include <windows.h>

#include <mmsystem.h>

#include <optional>

// One open device of the stand-in: its medium, transport, time format, door and video
// state. Positions are in milliseconds; time is the stand-in's clock (ms), which only
// moves when a test advances it. The stand-in checks the commands; this class only keeps
// the state.
class TSimulatedDevice {
public:
  enum class TTransport { Stopped, Playing, Recording, Paused };

  TSimulatedDevice(MCIDEVICEID id, TSimulatedMedia media, String alias, bool shareable);

  MCIDEVICEID Id() const { return id_; }
  TMciDeviceKind Kind() const { return media_.kind; }
  const TDeviceTraits& Traits() const { return TraitsOf(media_.kind); }
  const TSimulatedMedia& Media() const { return media_; }
  const String& Alias() const { return alias_; }
  bool Shareable() const { return shareable_; }

  // The medium as of now: a recording in progress makes it longer.
  TSimulatedMedia MediaAt(ULONGLONG now) const;
  DWORD LengthMs(ULONGLONG now) const { return MediaAt(now).LengthMs(); }

  TTransport Transport() const { return transport_; }
  bool Running() const { return transport_ == TTransport::Playing || Recording(); }
  bool Recording() const { return transport_ == TTransport::Recording; }
  DWORD PositionMs(ULONGLONG now) const;
  // MCI_MODE_*.
  DWORD Mode() const;
  // The clock time at which the running play or recording reaches its end, if it has one.
  std::optional<ULONGLONG> EndTime() const;

  // Transport; the caller has checked the positions (from <= to <= length for a play).
  void Play(ULONGLONG now, DWORD fromMs, DWORD toMs);
  void Record(ULONGLONG now, DWORD fromMs, std::optional<DWORD> toMs);
  void Pause(ULONGLONG now);
  void Resume(ULONGLONG now);
  void Stop(ULONGLONG now);
  void MoveTo(ULONGLONG now, DWORD ms);

  DWORD TimeFormat() const { return timeFormat_; }
  void SetTimeFormat(DWORD format) { timeFormat_ = format; }

  // The CD drive's door and disc. Without media the device is not ready.
  bool DoorOpen() const { return doorOpen_; }
  void SetDoorOpen(ULONGLONG now, bool open);
  bool MediaPresent() const;
  bool Ready() const;

  // A mode the test imposes (MCI_MODE_*), reported instead of the transport's.
  void ForceMode(std::optional<DWORD> mode) { forcedMode_ = mode; }

  // Video: the window the picture goes to (0: the device's own) and where in it.
  HWND Window() const { return window_; }
  void SetWindow(HWND window) { window_ = window; }
  UINT ShowCommand() const { return showCommand_; }
  void SetShowCommand(UINT command) { showCommand_ = command; }
  RECT Source() const;
  RECT Destination() const { return destination_; }
  void SetDestination(const RECT& rect) { destination_ = rect; }

  // The window waiting for the completion notice of a running command (0: none).
  HWND PendingNotice() const { return pendingNotice_; }
  void SetPendingNotice(HWND window) { pendingNotice_ = window; }

private:
  void Run(ULONGLONG now, TTransport transport, DWORD fromMs, std::optional<DWORD> toMs);
  void Settle(ULONGLONG now);

  MCIDEVICEID id_;
  TSimulatedMedia media_;
  String alias_;
  bool shareable_;
  DWORD timeFormat_;
  TTransport transport_ = TTransport::Stopped;
  // A running transport left startMs_ at clock time since_ and stops at endMs_ (if set).
  DWORD startMs_ = 0;
  ULONGLONG since_ = 0;
  std::optional<DWORD> endMs_;
  TTransport resumeAs_ = TTransport::Playing;
  bool doorOpen_ = false;
  std::optional<DWORD> forcedMode_;
  HWND window_ = nullptr;
  UINT showCommand_ = 0;
  RECT destination_;
  HWND pendingNotice_ = nullptr;
};
