#pragma once

#include "TForm.h"
#include "TPanel.h"
#include "TScrollBar.h"

// The display window: the black panel the media control draws video into, and a scroll bar
// under it that moves the medium to a chosen point (the next START plays from there). The
// player sizes both to the picture at each video start.
class TForm3 : public TForm {
public:
  SORVANE_CLASS(TForm3, TForm)
  SORVANE_PUBLISHED

  explicit TForm3(TComponent* owner);

  TPanel* Panel1 = nullptr;
  TScrollBar* ScrollBar1 = nullptr;

  void ScrollBar1Scroll(TObject* sender, TScrollCode scrollCode, int& scrollPos);

protected:
  void Constructed() override;
};

extern TForm3* Form3;
