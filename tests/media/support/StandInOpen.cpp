#include "StandInBlocks.h"
#include "TMciStandIn.h"

#include "MciTimeFormat.h"

namespace {

bool IsEmpty(LPCSTR text) { return text == nullptr || *text == '\0'; }

// A device opened by its type alone: the CD drive with its disc, or a device with an empty
// medium (the wave device records into one).
TSimulatedMedia DeviceOnly(TMciDeviceKind kind, const std::vector<DWORD>& disc) {
  if (kind == TMciDeviceKind::CdAudio)
    return CdMedia(disc);
  TSimulatedMedia media;
  media.kind = kind;
  media.trackLengthsMs = {0};
  media.hasVideo = kind == TMciDeviceKind::AviVideo || kind == TMciDeviceKind::MpegVideo;
  return media;
}

} // namespace

MCIERROR TMciStandIn::Open(DWORD_PTR flags, DWORD_PTR params) {
  auto* block = BlockAt<MCI_OPEN_PARMSA>(params);
  if (block == nullptr)
    return MCIERR_NULL_PARAMETER_BLOCK;
  TSimulatedMedia media;
  String alias;
  if (MCIERROR error = MediaToOpen(flags, *block, media, alias))
    return error;
  bool shareable = HasFlag(flags, MCI_OPEN_SHAREABLE);
  if (MCIERROR error = CheckAlias(alias, HasFlag(flags, MCI_OPEN_ALIAS), shareable))
    return error;
  MCIDEVICEID id = FreeId();
  TSimulatedDevice& device =
      devices_.try_emplace(id, id, std::move(media), std::move(alias), shareable).first->second;
  block->wDeviceID = id;
  Conclude(device, flags, params, false);
  return 0;
}

// The medium the open names and the alias the device will answer to.
MCIERROR TMciStandIn::MediaToOpen(DWORD_PTR flags, const MCI_OPEN_PARMSA& block,
                                  TSimulatedMedia& media, String& alias) const {
  if (HasFlag(flags, MCI_OPEN_TYPE_ID) || HasFlag(flags, MCI_OPEN_ELEMENT_ID))
    return MCIERR_UNSUPPORTED_FUNCTION;
  bool typed = HasFlag(flags, MCI_OPEN_TYPE);
  bool withElement = HasFlag(flags, MCI_OPEN_ELEMENT);
  if (!typed && !withElement)
    return MCIERR_INVALID_DEVICE_NAME;
  std::optional<TMciDeviceKind> kind;
  if (typed) {
    if (IsEmpty(block.lpstrDeviceType))
      return MCIERR_INVALID_DEVICE_NAME;
    kind = KindOfType(block.lpstrDeviceType);
    if (!kind)
      return MCIERR_DEVICE_NOT_INSTALLED;
  }
  String element = withElement && block.lpstrElementName != nullptr ? block.lpstrElementName : "";
  if (typed && element.empty())
    media = DeviceOnly(*kind, disc_);
  else if (MCIERROR error = MediaOfElement(element, kind, media))
    return error;
  if (HasFlag(flags, MCI_OPEN_ALIAS))
    alias = block.lpstrAlias != nullptr ? block.lpstrAlias : "";
  else
    alias = element.empty() ? TraitsOf(media.kind).typeName : element;
  return 0;
}

MCIERROR TMciStandIn::MediaOfElement(std::string_view element, std::optional<TMciDeviceKind> kind,
                                     TSimulatedMedia& media) const {
  std::optional<TSimulatedMedia> byName = MediaForFile(element);
  if (!kind && !byName)
    return MCIERR_EXTENSION_NOT_FOUND;
  const TSimulatedMedia* file = File(element);
  if (file == nullptr)
    return MCIERR_FILE_NOT_FOUND;
  if (file->kind != kind.value_or(byName->kind))
    return MCIERR_INVALID_FILE;
  media = *file;
  if (media.kind == TMciDeviceKind::CdAudio) {
    media.trackLengthsMs = disc_;
    if (media.cdTrack < 1 || media.cdTrack > disc_.size())
      media.cdTrack = 1;
  }
  return 0;
}

// An explicit alias must be new; the name a device takes by default (its element, or its
// type) may be shared only by shareable opens of a device without an element.
MCIERROR TMciStandIn::CheckAlias(const String& alias, bool given, bool shareable) const {
  for (const auto& [id, device] : devices_) {
    if (!SamePath(device.Alias(), alias))
      continue;
    if (given)
      return MCIERR_DUPLICATE_ALIAS;
    bool typeOnly = KindOfType(alias).has_value();
    if (!(typeOnly && shareable && device.Shareable()))
      return MCIERR_DEVICE_OPEN;
  }
  return 0;
}

// The lowest id not in use, as the platform hands them out.
MCIDEVICEID TMciStandIn::FreeId() const {
  MCIDEVICEID id = 1;
  while (devices_.contains(id))
    ++id;
  return id;
}

MCIERROR TMciStandIn::Close(TSimulatedDevice& device, DWORD_PTR flags, DWORD_PTR params) {
  Interrupt(device);
  HWND window = HasFlag(flags, MCI_NOTIFY) ? CallbackOf(params) : nullptr;
  MCIDEVICEID id = device.Id();
  devices_.erase(id);
  Post(window, MCI_NOTIFY_SUCCESSFUL, id);
  return 0;
}

MCIERROR TMciStandIn::CloseAll(DWORD_PTR flags, DWORD_PTR params) {
  while (!devices_.empty())
    Close(devices_.begin()->second, flags, params);
  return 0;
}
