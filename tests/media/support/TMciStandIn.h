#pragma once

#include "TMciCall.h"
#include "TMciFaults.h"
#include "TMciPort.h"
#include "TSimulatedDevice.h"

#include <map>
#include <string_view>
#include <vector>

// A completion notice the stand-in posted (MM_MCINOTIFY: wParam code, lParam device).
struct TMciNotice {
  HWND window;
  WPARAM code; // MCI_NOTIFY_*
  MCIDEVICEID device;
};

// A media service of our own in place of the platform's MCI, for tests: put it in place of
// the winmm port with TMciPortScope. It takes the commands the media player sends with
// their mmsystem parameter blocks and answers as the platform's devices do (the codes and
// values of docs/media.md), on a clock that only moves when the test advances it.
//
// Files "exist" when the test has added them; each is simulated by the device its
// extension names (wav: waveaudio; mp3, mpa, mpg, mpeg, mpe, m1v, m2v, mov: mpegvideo; avi:
// avivideo; cda: cdaudio). The CD drive holds a disc of its own (DefaultCdTracks).
//
// Every command is logged with its block fields; notices for MCI_NOTIFY are posted to the
// callback window and logged as well; any command or status item can be made to fail.
class TMciStandIn final : public TMciPort {
public:
  TMciStandIn();

  MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                       DWORD_PTR params) override;
  // The platform's own text for the code (mciGetErrorStringA), so a test sees what the
  // product would show; fails for every code while texts are switched off.
  bool ErrorString(MCIERROR error, char* buffer, UINT size) override;
  void SetErrorTextsAvailable(bool available) { errorTexts_ = available; }

  // Files: one with the defaults of its extension, or with a medium of the test's own.
  // Adding a name again replaces the medium; devices already open keep theirs.
  void AddFile(std::string_view path);
  void AddFile(std::string_view path, TSimulatedMedia media);
  void RemoveFile(std::string_view path);
  const TSimulatedMedia* File(std::string_view path) const;
  // The disc the CD drive holds for the next open; no tracks: the drive is empty.
  void SetDisc(std::vector<DWORD> trackLengthsMs) { disc_ = std::move(trackLengthsMs); }

  // The clock (ms). Advancing it moves every running device; a play that reaches its end
  // stops there and, when it was started with MCI_NOTIFY, posts MCI_NOTIFY_SUCCESSFUL.
  ULONGLONG Now() const { return now_; }
  void Advance(DWORD ms);

  // The open devices, for tests that look inside; null when the id is not open.
  const TSimulatedDevice* Device(MCIDEVICEID id) const;
  std::size_t OpenDeviceCount() const { return devices_.size(); }
  // Makes the device report this mode (MCI_MODE_*) until released; MCI_MODE_NOT_READY also
  // makes it not ready.
  void ForceMode(MCIDEVICEID id, DWORD mode);
  void ReleaseMode(MCIDEVICEID id);
  // The running play or recording breaks down: it stops where it is and its notice, if
  // any, is MCI_NOTIFY_FAILURE.
  void BreakDown(MCIDEVICEID id);

  const std::vector<TMciCall>& Log() const { return log_; }
  std::vector<TMciCall> CallsOf(UINT message) const;
  const std::vector<TMciNotice>& Notices() const { return notices_; }
  void ClearLog();

  // Fault injection (TMciFaults): e.g. FailNext(MCI_STATUS, MCI_STATUS_POSITION,
  // MCIERR_HARDWARE).
  void FailNext(UINT message, MCIERROR error) { faults_.FailNext(message, error); }
  void FailNext(UINT message, DWORD item, MCIERROR error) {
    faults_.FailNext(message, item, error);
  }
  void FailAlways(UINT message, MCIERROR error) { faults_.FailAlways(message, error); }
  void FailAlways(UINT message, DWORD item, MCIERROR error) {
    faults_.FailAlways(message, item, error);
  }
  void ClearFailures() { faults_.Clear(); }

private:
  MCIERROR Execute(MCIDEVICEID id, UINT message, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Command(TSimulatedDevice& device, UINT message, DWORD_PTR flags, DWORD_PTR params);

  // Opening and closing (StandInOpen.cpp).
  MCIERROR Open(DWORD_PTR flags, DWORD_PTR params);
  MCIERROR MediaToOpen(DWORD_PTR flags, const MCI_OPEN_PARMSA& block, TSimulatedMedia& media,
                       String& alias) const;
  MCIERROR MediaOfElement(std::string_view element, std::optional<TMciDeviceKind> kind,
                          TSimulatedMedia& media) const;
  MCIERROR CheckAlias(const String& alias, bool given, bool shareable) const;
  MCIDEVICEID FreeId() const;
  MCIERROR Close(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR CloseAll(DWORD_PTR flags, DWORD_PTR params);

  // Transport (StandInTransport.cpp).
  MCIERROR Play(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Record(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Stop(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Pause(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Resume(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Seek(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Step(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Save(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  void RunUntilDone(TSimulatedDevice& device);

  // Settings and questions (StandInQueries.cpp).
  MCIERROR Set(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Status(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR StatusValue(const TSimulatedDevice& device, DWORD_PTR flags, DWORD item, DWORD track,
                       DWORD_PTR& value) const;
  MCIERROR Capability(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Window(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Where(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);
  MCIERROR Put(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params);

  // Notices: a command that stops a running one aborts its notice; a command with
  // MCI_NOTIFY supersedes a notice still waiting, then either waits for its own end
  // (lasting) or is notified at once.
  void Interrupt(TSimulatedDevice& device);
  void Conclude(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params, bool lasting);
  void Finish(TSimulatedDevice& device, WPARAM code);
  void Post(HWND window, WPARAM code, MCIDEVICEID device);
  TSimulatedDevice* Find(MCIDEVICEID id);

  std::map<MCIDEVICEID, TSimulatedDevice> devices_;
  std::vector<std::pair<String, TSimulatedMedia>> files_;
  std::vector<DWORD> disc_;
  ULONGLONG now_ = 0;
  std::vector<TMciCall> log_;
  std::vector<TMciNotice> notices_;
  TMciFaults faults_;
  bool errorTexts_ = true;
};
