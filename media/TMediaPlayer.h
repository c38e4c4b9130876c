#pragma once

#include "MediaTypes.h"
#include "TButtonGlyph.h"
#include "TCustomControl.h"
#include "TWMMciNotify.h"

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <vector>

// A windowed control that holds at most one open MCI device: it opens the device for a file
// (or a device type), sends it commands, reads its status, takes its completion notices at
// its own window and shows a bar of nine buttons that run the commands. Every MCI call goes
// through the current MCI port (CurrentMciPort.h).
//
// Notify and Wait are one-shot: a value assigned is used by the next command that consults
// them, which then forgets it; without one each command uses its own default (wait for
// everything but Play, StartRecording and Resume, which notify). From and To are one-shot
// for the next Play or StartRecording in the same way.
//
// Failures: Open raises EMCIDeviceError with the device's text; a command that needs an
// open device raises EMCIDeviceError "MCI デバイスがありません" when there is none; every
// other refusal of the device only leaves its code in Error.
class TMediaPlayer : public TCustomControl {
public:
  SORVANE_CLASS(TMediaPlayer, TCustomControl)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TMediaPlayer(TComponent* owner);
  ~TMediaPlayer() override;

  // Opening and closing (the device of FileName and DeviceType).
  void Open();
  void Close();

  // Transport.
  void Play();
  void StartRecording();
  void Stop();
  // Pauses while playing, resumes while paused, does nothing otherwise.
  void Pause();
  void Resume();
  void Next();
  void Previous();
  void Step();
  void Back();
  void Eject();
  void Rewind();

  // Status, asked of the device at every read.
  std::int32_t Position();
  void SetPosition(std::int32_t value);
  std::int32_t Length();
  std::int32_t Tracks();
  // The device's mode; mmNotReady when the request fails, so a failure never reads as
  // playing.
  TMPMode Mode();
  std::uint8_t TimeFormat();
  void SetTimeFormat(std::uint8_t value);
  // The start of a track, in the current time format; 0 when the request fails.
  std::int32_t TrackPosition(std::int32_t track);

  // One-shot settings of the next command.
  std::int32_t From() const { return from_; }
  void SetFrom(std::int32_t value);
  std::int32_t To() const { return to_; }
  void SetTo(std::int32_t value);
  bool Notify() const { return notify_; }
  void SetNotify(bool value);
  bool Wait() const { return wait_; }
  void SetWait(bool value);
  // Frames moved by Step and Back; Open sets a tenth of the length.
  std::int32_t Frames() const { return frames_; }
  void SetFrames(std::int32_t value) { frames_ = value; }

  // The open device, 0 when none.
  MCIDEVICEID DeviceID() const { return deviceId_; }
  // The MCI code of the last command that records it (0: success) and its text.
  MCIERROR Error() const { return error_; }
  String ErrorMessage() const;
  TMPNotifyResult NotifyValue() const { return notifyValue_; }
  TMPDevCapsSet Capabilities() const;

  // The control whose window shows the video.
  TWinControl* Display() const { return display_; }
  void SetDisplay(TWinControl* value);
  // The video's destination rectangle as the device gives it (left, top, right, bottom);
  // empty when no device with video is open.
  RECT DisplayRect();

  // Published properties.
  TButtonSet ColoredButtons() const { return coloredButtons_; }
  void SetColoredButtons(TButtonSet value);
  TButtonSet EnabledButtons() const { return enabledButtons_; }
  void SetEnabledButtons(TButtonSet value);
  TButtonSet VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(TButtonSet value);
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool value);
  bool AutoOpen() const { return autoOpen_; }
  void SetAutoOpen(bool value) { autoOpen_ = value; }
  bool AutoRewind() const { return autoRewind_; }
  void SetAutoRewind(bool value) { autoRewind_ = value; }
  TMPDeviceTypes DeviceType() const { return deviceType_; }
  void SetDeviceType(TMPDeviceTypes value) { deviceType_ = value; }
  const String& FileName() const { return fileName_; }
  void SetFileName(const String& value) { fileName_ = value; }
  bool Shareable() const { return shareable_; }
  void SetShareable(bool value) { shareable_ = value; }

  // The bar.
  int ButtonWidth() const { return buttonWidth_; }
  SIZE MinimumButtonSize() const { return minimumButton_; }
  TMPBtnType FocusedButton() const { return focusedButton_; }
  TButtonSet AutoButtons() const { return autoButtons_; }
  // Whether a button takes presses now: by its Auto flag when AutoEnable is on, otherwise
  // by its Enabled flag.
  bool ButtonEffectivelyEnabled(TMPBtnType button) const;

  EMPNotify OnClick;
  EMPPostNotify OnPostClick;
  TNotifyEvent OnNotify;

protected:
  // Opens the device when AutoOpen is set (the framework's Loaded).
  void FinishLoading() override;
  // Forgets the display control when it goes.
  void ComponentNotice(TComponent* component, TOperation operation) override;
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;

  // The automatic enabling after the command of button ran.
  virtual void AdjustAutoButtons(TMPBtnType button);
  // Before a button's command: calls OnClick.
  virtual void DoClick(TMPBtnType button, bool& doDefault);
  // After a button's command: calls OnPostClick.
  virtual void DoPostClick(TMPBtnType button);
  // A completion notice arrived: calls OnNotify.
  virtual void DoNotify();

  // Copies AutoButtons into the buttons and repaints.
  void ApplyAutoButtons();
  // Raises EMCIDeviceError "MCI デバイスがありません" when no device is open.
  void CheckOpen() const;

private:
  // One button of the bar; the glyphs by kind: enabled, disabled, coloured.
  enum TGlyphKind { gkEnabled, gkDisabled, gkColored };
  struct TBarButton {
    bool visible = true;
    bool enabled = true;
    bool colored = true;
    bool autoEnabled = false;
    std::array<TButtonGlyph, 3> glyphs;
  };

  TBarButton& Face(int button) { return buttons_[static_cast<std::size_t>(button)]; }
  const TBarButton& Face(int button) const { return buttons_[static_cast<std::size_t>(button)]; }

  // The one-shot flags of a command: MCI_WAIT and MCI_NOTIFY by the markers or the defaults.
  DWORD_PTR TakeNotifyWait(bool waitByDefault, bool notifyByDefault);
  DWORD_PTR Callback();
  MCIERROR Send(UINT message, DWORD_PTR flags, void* block);
  // A status request: the answer, or 0 when the device refused it; result gets the code.
  DWORD_PTR StatusValue(DWORD_PTR flags, DWORD item, DWORD track, MCIERROR& result);
  std::int32_t RecordedStatus(DWORD item);

  // Opening (TMediaPlayerDevice.cpp).
  void QueryCapabilities();
  bool Capability(DWORD item);
  void SendWindow(HWND window);
  void StartAutoButtons();
  void CloseAbandoned() noexcept;

  // Transport (TMediaPlayerTransport.cpp).
  void SendPlay(UINT message, DWORD_PTR flags);
  void Seek(DWORD_PTR flags, DWORD to);
  void SendStep(DWORD_PTR direction);
  std::int32_t NextTrackTarget();
  std::int32_t PreviousTrackTarget();
  void PlayTrackFrom(std::int32_t target);

  // The bar (TMediaPlayerBar.cpp).
  void LoadGlyphs();
  int VisibleCount() const;
  void StoreButtons(TButtonSet set, bool TBarButton::*flag);
  void DrawButton(TMPBtnType button, int x);
  TGlyphKind GlyphKindOf(const TBarButton& button) const;
  bool HitButton(int x, TMPBtnType& hit, int& left) const;
  // Runs the current button's click: DoClick, the command, DoPostClick.
  void RunClick();
  void RunCommand(TMPBtnType button);
  void PlayAdjust();
  void StopAdjust();
  void MoveFocus(int step, TMPBtnType limit);
  void ReadjustWidth();

  void MMMciNotify(TWMMciNotify& message);
  void WMSize(TWMSize& message);
  void WMLButtonDown(TWMMouse& message);
  void WMMouseMove(TWMMouse& message);
  void WMLButtonUp(TWMMouse& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void WMGetDlgCode(TWMNoParams& message);
  // Runs the handler of the ancestors for the message.
  void InheritedMessage(TMessage& message);

  // Device state.
  MCIDEVICEID deviceId_ = 0;
  bool open_ = false;
  MCIERROR error_ = 0;
  TMPNotifyResult notifyValue_ = nrSuccessful;
  bool notify_ = false;
  bool notifyGiven_ = false;
  bool wait_ = false;
  bool waitGiven_ = false;
  std::int32_t from_ = 0;
  bool fromGiven_ = false;
  std::int32_t to_ = 0;
  bool toGiven_ = false;
  std::int32_t frames_ = 0;
  bool canPlay_ = false;
  bool canRecord_ = false;
  bool canEject_ = false;
  bool hasVideo_ = false;
  bool canStep_ = false;
  TWinControl* display_ = nullptr;
  // Devices whose close the device refused while a new one was opened: asked again to close
  // at every Open and at the end, so a file left open that way can be opened again.
  std::vector<MCIDEVICEID> abandoned_;

  // Published settings.
  TButtonSet coloredButtons_ = allButtons;
  TButtonSet enabledButtons_ = allButtons;
  TButtonSet visibleButtons_ = allButtons;
  bool autoEnable_ = true;
  bool autoOpen_ = false;
  bool autoRewind_ = true;
  TMPDeviceTypes deviceType_ = dtAutoSelect;
  String fileName_;
  bool shareable_ = false;

  // The bar.
  std::array<TBarButton, buttonCount> buttons_;
  TButtonSet autoButtons_;
  int buttonWidth_ = 0;
  SIZE minimumButton_{0, 0};
  TMPBtnType focusedButton_ = btPlay;
  TMPBtnType currentButton_ = btPlay;
  bool tracking_ = false;
  bool shownDown_ = false;
  RECT pressedRect_{};
};
