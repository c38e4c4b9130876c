#pragma once

#include "TForm.h"
#include "TMediaPlayer.h"

// The forms the media player tests load; their players come from the class registry.
class TMediaForm : public TForm {
public:
  SORVANE_CLASS(TMediaForm, TForm)
  using TForm::TForm;

  TMediaPlayer* Player() const;
};

class TAutoOpenForm : public TForm {
public:
  SORVANE_CLASS(TAutoOpenForm, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  TMediaPlayer* Player() const;
  int notices = 0;
  void MediaPlayer1Notify(TObject* sender);
};

// A windowed control standing in for the panel that shows the video.
class TVideoPanel : public TCustomControl {
public:
  SORVANE_CLASS(TVideoPanel, TCustomControl)
  using TCustomControl::TCustomControl;
};
