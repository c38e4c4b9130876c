#include "TMciStandIn.h"

#include "StandInBlocks.h"

#include <digitalv.h>

#include <algorithm>
#include <stdexcept>

TMciStandIn::TMciStandIn() : disc_(DefaultCdTracks()) {}

MCIERROR TMciStandIn::SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                                  DWORD_PTR params) {
  TMciCall call = RecordCall(device, message, flags, params);
  MCIERROR result = faults_.Take(message, call.item);
  if (result == 0)
    result = Execute(device, message, flags, params);
  RecordAnswer(call, result, params);
  log_.push_back(std::move(call));
  return result;
}

bool TMciStandIn::ErrorString(MCIERROR error, char* buffer, UINT size) {
  return errorTexts_ && mciGetErrorStringA(error, buffer, size) != FALSE;
}

void TMciStandIn::AddFile(std::string_view path) {
  std::optional<TSimulatedMedia> media = MediaForFile(path);
  if (!media)
    throw std::invalid_argument("no simulated device takes the file " + String(path));
  AddFile(path, *std::move(media));
}

void TMciStandIn::AddFile(std::string_view path, TSimulatedMedia media) {
  RemoveFile(path);
  files_.emplace_back(String(path), std::move(media));
}

void TMciStandIn::RemoveFile(std::string_view path) {
  std::erase_if(files_, [&](const auto& file) { return SamePath(file.first, path); });
}

const TSimulatedMedia* TMciStandIn::File(std::string_view path) const {
  for (const auto& [name, media] : files_)
    if (SamePath(name, path))
      return &media;
  return nullptr;
}

void TMciStandIn::Advance(DWORD ms) {
  ULONGLONG target = now_ + ms;
  for (;;) {
    TSimulatedDevice* first = nullptr;
    ULONGLONG firstEnd = target;
    for (auto& [id, device] : devices_) {
      std::optional<ULONGLONG> end = device.EndTime();
      if (end && *end <= firstEnd && (first == nullptr || *end < firstEnd)) {
        first = &device;
        firstEnd = *end;
      }
    }
    if (first == nullptr)
      break;
    now_ = firstEnd;
    first->Stop(now_);
    Finish(*first, MCI_NOTIFY_SUCCESSFUL);
  }
  now_ = target;
}

const TSimulatedDevice* TMciStandIn::Device(MCIDEVICEID id) const {
  auto found = devices_.find(id);
  return found == devices_.end() ? nullptr : &found->second;
}

void TMciStandIn::ForceMode(MCIDEVICEID id, DWORD mode) {
  if (TSimulatedDevice* device = Find(id))
    device->ForceMode(mode);
}

void TMciStandIn::ReleaseMode(MCIDEVICEID id) {
  if (TSimulatedDevice* device = Find(id))
    device->ForceMode(std::nullopt);
}

void TMciStandIn::BreakDown(MCIDEVICEID id) {
  TSimulatedDevice* device = Find(id);
  if (device == nullptr || !device->Running())
    return;
  device->Stop(now_);
  Finish(*device, MCI_NOTIFY_FAILURE);
}

std::vector<TMciCall> TMciStandIn::CallsOf(UINT message) const {
  std::vector<TMciCall> calls;
  std::copy_if(log_.begin(), log_.end(), std::back_inserter(calls),
               [&](const TMciCall& call) { return call.message == message; });
  return calls;
}

void TMciStandIn::ClearLog() {
  log_.clear();
  notices_.clear();
}

MCIERROR TMciStandIn::Execute(MCIDEVICEID id, UINT message, DWORD_PTR flags, DWORD_PTR params) {
  if (message == MCI_OPEN)
    return Open(flags, params);
  if (id == MCI_ALL_DEVICE_ID && message == MCI_CLOSE)
    return CloseAll(flags, params);
  TSimulatedDevice* device = Find(id);
  if (device == nullptr)
    return MCIERR_INVALID_DEVICE_ID;
  return Command(*device, message, flags, params);
}

MCIERROR TMciStandIn::Command(TSimulatedDevice& device, UINT message, DWORD_PTR flags,
                              DWORD_PTR params) {
  switch (message) {
  case MCI_CLOSE:
    return Close(device, flags, params);
  case MCI_PLAY:
    return Play(device, flags, params);
  case MCI_RECORD:
    return Record(device, flags, params);
  case MCI_STOP:
    return Stop(device, flags, params);
  case MCI_PAUSE:
    return Pause(device, flags, params);
  case MCI_RESUME:
    return Resume(device, flags, params);
  case MCI_SEEK:
    return Seek(device, flags, params);
  case MCI_STEP:
    return Step(device, flags, params);
  case MCI_SAVE:
    return Save(device, flags, params);
  case MCI_SET:
    return Set(device, flags, params);
  case MCI_STATUS:
    return Status(device, flags, params);
  case MCI_GETDEVCAPS:
    return Capability(device, flags, params);
  case MCI_WINDOW:
    return Window(device, flags, params);
  case MCI_WHERE:
    return Where(device, flags, params);
  case MCI_PUT:
    return Put(device, flags, params);
  default:
    return MCIERR_UNRECOGNIZED_COMMAND;
  }
}

void TMciStandIn::Interrupt(TSimulatedDevice& device) { Finish(device, MCI_NOTIFY_ABORTED); }

void TMciStandIn::Conclude(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params,
                           bool lasting) {
  if (!HasFlag(flags, MCI_NOTIFY))
    return;
  HWND window = CallbackOf(params);
  Finish(device, MCI_NOTIFY_SUPERSEDED);
  if (lasting)
    device.SetPendingNotice(window);
  else
    Post(window, MCI_NOTIFY_SUCCESSFUL, device.Id());
}

void TMciStandIn::Finish(TSimulatedDevice& device, WPARAM code) {
  HWND window = device.PendingNotice();
  if (window == nullptr)
    return;
  device.SetPendingNotice(nullptr);
  Post(window, code, device.Id());
}

void TMciStandIn::Post(HWND window, WPARAM code, MCIDEVICEID device) {
  if (window == nullptr)
    return;
  notices_.push_back({window, code, device});
  PostMessageA(window, MM_MCINOTIFY, code, static_cast<LPARAM>(device));
}

TSimulatedDevice* TMciStandIn::Find(MCIDEVICEID id) {
  auto found = devices_.find(id);
  return found == devices_.end() ? nullptr : &found->second;
}
