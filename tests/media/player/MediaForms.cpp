#include "MediaForms.h"

TMediaPlayer* TMediaForm::Player() const {
  return dynamic_cast<TMediaPlayer*>(FindComponent("MediaPlayer1"));
}

TPublishedTables TAutoOpenForm::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TAutoOpenForm::MediaPlayer1Notify>("MediaPlayer1Notify"),
  };
  return {{}, methods};
}

TMediaPlayer* TAutoOpenForm::Player() const {
  return dynamic_cast<TMediaPlayer*>(FindComponent("MediaPlayer1"));
}

void TAutoOpenForm::MediaPlayer1Notify(TObject*) { ++notices; }
