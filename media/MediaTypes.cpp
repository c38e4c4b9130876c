#include "MediaTypes.h"

SORVANE_ENUM_TYPE(TMPBtnType, SORVANE_TMPBtnType)
SORVANE_ENUM_TYPE(TMPDeviceTypes, SORVANE_TMPDeviceTypes)
SORVANE_ENUM_TYPE(TMPNotifyResult, SORVANE_TMPNotifyResult)
SORVANE_ENUM_TYPE(TMPMode, SORVANE_TMPMode)

const char* DeviceTypeString(TMPDeviceTypes type) {
  static const char* const names[] = {
      "",        "AVIVideo", "CDAudio",   "DAT", "DigitalVideo", "MMMovie",   "Other",
      "Overlay", "Scanner",  "Sequencer", "VCR", "Videodisc",    "WaveAudio",
  };
  static_assert(std::size(names) == EnumCount(TMPDeviceTypes{}));
  auto index = static_cast<std::size_t>(type);
  return index < std::size(names) ? names[index] : "";
}
