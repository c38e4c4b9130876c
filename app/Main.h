#pragma once

#include "ExtensionTable.h"
#include "MessageRecords.h"
#include "String.h"
#include "TButton.h"
#include "TEdit.h"
#include "TForm.h"
#include "TMainMenu.h"
#include "TMediaPlayer.h"
#include "TMenuItem.h"
#include "TOpenDialog.h"
#include "TTimer.h"

#include <cstdint>

// The unit's own table of the extensions a file dropped on the player window may have.
namespace Main {
extern const TExtensionTable Extensions;
extern const std::int32_t ExtensionCount;
} // namespace Main

// The player window: the status line, the transport buttons, the menu, the hidden media
// device control that does all playing, and the 100 ms tick that drives the displays and the
// advance at the end of a file.
class TForm1 : public TForm {
public:
  SORVANE_CLASS(TForm1, TForm)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES

  explicit TForm1(TComponent* owner);

  TButton* START = nullptr;
  TButton* STOP = nullptr;
  TButton* Prev = nullptr;
  TButton* Button4 = nullptr;
  TEdit* Edit1 = nullptr;
  TMediaPlayer* MediaPlayer1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* O1 = nullptr;
  TMenuItem* Close1 = nullptr;
  TMenuItem* S1 = nullptr;
  TMenuItem* O2 = nullptr;
  TMenuItem* renzoku = nullptr;
  TMenuItem* repeat = nullptr;
  TMenuItem* N3 = nullptr;
  TTimer* Timer1 = nullptr;

  // The path last read back from the media control while it played.
  String CurrentFile;
  // The play list entry that LoadCurrent opens and StartCurrent judges.
  std::int32_t CurrentIndex = 0;

  void O1Click(TObject* sender);
  void STARTClick(TObject* sender);
  void S1Click(TObject* sender);
  void PrevClick(TObject* sender);
  void Button4Click(TObject* sender);
  void STOPClick(TObject* sender);
  void Close1Click(TObject* sender);
  void renzokuClick(TObject* sender);
  void repeatClick(TObject* sender);
  void Timer1Timer(TObject* sender);
  void N3Click(TObject* sender);

  // Opens the current entry without playing it (a playing file stops).
  void LoadCurrent();
  // Plays the loaded file: the tick on, the time window for audio or the display window
  // sized to the picture for video, then Play.
  void StartCurrent();
  void PlayIndex(std::int32_t index);
  void SeekTo(std::int32_t position);

protected:
  void Constructed() override;

private:
  void WMDropFiles(TWMDropFiles& message);

  void StopIfPlaying();
  // Makes CurrentIndex name an entry: the first one when it names none; false when the list
  // is empty.
  bool SettleCurrentIndex();
  // Appends the files chosen in the open dialog as far as the list has room; gives the
  // number left out.
  std::int32_t AddChosenFiles();
  void ShowTimeWindow();
  void ShowDisplayWindow();
  void Tick();
  void UpdateStatusLine();
  bool AtEnd();
  void UpdateTimeWindow();
};

extern TForm1* Form1;
