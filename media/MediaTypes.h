#pragma once

#include "PublishedEnum.h"
#include "TEvent.h"
#include "TSet.h"

// The types of the media player control: its buttons and sets of them, the device types it
// opens, the kinds of completion notice, the device modes and the capabilities.

// The buttons of the bar, in bar order from left to right.
#define SORVANE_TMPBtnType(X)                                                                      \
  X(btPlay) X(btPause) X(btStop) X(btNext) X(btPrev) X(btStep) X(btBack) X(btRecord) X(btEject)
SORVANE_ENUM(TMPBtnType, SORVANE_TMPBtnType)
using TButtonSet = TSet<TMPBtnType>;

// Every button of the bar.
inline constexpr TButtonSet allButtons = TButtonSet::FromBits(0x01FF);
inline constexpr int buttonCount = static_cast<int>(EnumCount(TMPBtnType{}));

// The MCI device types the control opens; dtAutoSelect lets the file's extension decide.
#define SORVANE_TMPDeviceTypes(X)                                                                  \
  X(dtAutoSelect)                                                                                  \
  X(dtAVIVideo) X(dtCDAudio) X(dtDAT) X(dtDigitalVideo) X(dtMMMovie) X(dtOther) X(dtOverlay)       \
      X(dtScanner) X(dtSequencer) X(dtVCR) X(dtVideodisc) X(dtWaveAudio)
SORVANE_ENUM(TMPDeviceTypes, SORVANE_TMPDeviceTypes)

// The MCI device type string sent for a type; empty for dtAutoSelect.
const char* DeviceTypeString(TMPDeviceTypes type);

// The kind of the last completion notice.
#define SORVANE_TMPNotifyResult(X) X(nrSuccessful) X(nrSuperseded) X(nrAborted) X(nrFailure)
SORVANE_ENUM(TMPNotifyResult, SORVANE_TMPNotifyResult)

// The device mode: the MCI mode code minus MCI_MODE_NOT_READY (524).
#define SORVANE_TMPMode(X)                                                                         \
  X(mmNotReady) X(mmStop) X(mmPlay) X(mmRecord) X(mmSeek) X(mmPause) X(mmOpen)
SORVANE_ENUM(TMPMode, SORVANE_TMPMode)

// What the open device can do.
enum TMPCapability { dcCanStep, dcCanEject, dcCanPlay, dcCanRecord, dcHasVideo };
using TMPDevCapsSet = TSet<TMPCapability>;

// Before a button's command: sender, button, whether the command runs (set it to false to
// suppress the command and the after-click event).
using EMPNotify = TEvent<TObject*, TMPBtnType, bool&>;
// After a button's command: sender, button.
using EMPPostNotify = TEvent<TObject*, TMPBtnType>;
