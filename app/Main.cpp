#include "Main.h"

#include "Display.h"
#include "Drops.h"
#include "List.h"
#include "PathParts.h"
#include "PlayList.h"
#include "ScopeGuard.h"
#include "TickTexts.h"
#include "Unit4.h"
#include "Unit5.h"

#include <shellapi.h>

TForm1* Form1 = nullptr;

namespace Main {
const TExtensionTable Extensions = MakeExtensionTable();
const std::int32_t ExtensionCount = acceptedExtensionCount;
} // namespace Main

SORVANE_MESSAGE_ROWS(TForm1){
    SORVANE_ON(WM_DROPFILES, WMDropFiles),
};
SORVANE_MESSAGE_TABLE(TForm1)

TPublishedTables TForm1::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm1::O1Click>("O1Click"),
      PublishedMethod<&TForm1::STARTClick>("STARTClick"),
      PublishedMethod<&TForm1::S1Click>("S1Click"),
      PublishedMethod<&TForm1::PrevClick>("PrevClick"),
      PublishedMethod<&TForm1::Button4Click>("Button4Click"),
      PublishedMethod<&TForm1::STOPClick>("STOPClick"),
      PublishedMethod<&TForm1::Close1Click>("Close1Click"),
      PublishedMethod<&TForm1::renzokuClick>("renzokuClick"),
      PublishedMethod<&TForm1::repeatClick>("repeatClick"),
      PublishedMethod<&TForm1::Timer1Timer>("Timer1Timer"),
      PublishedMethod<&TForm1::N3Click>("N3Click"),
  };
  static const TFieldInfo fields[] = {
      PublishedField<&TForm1::START>("START"),
      PublishedField<&TForm1::STOP>("STOP"),
      PublishedField<&TForm1::Prev>("Prev"),
      PublishedField<&TForm1::Button4>("Button4"),
      PublishedField<&TForm1::Edit1>("Edit1"),
      PublishedField<&TForm1::MediaPlayer1>("MediaPlayer1"),
      PublishedField<&TForm1::OpenDialog1>("OpenDialog1"),
      PublishedField<&TForm1::MainMenu1>("MainMenu1"),
      PublishedField<&TForm1::File1>("File1"),
      PublishedField<&TForm1::O1>("O1"),
      PublishedField<&TForm1::Close1>("Close1"),
      PublishedField<&TForm1::S1>("S1"),
      PublishedField<&TForm1::O2>("O2"),
      PublishedField<&TForm1::renzoku>("renzoku"),
      PublishedField<&TForm1::repeat>("repeat"),
      PublishedField<&TForm1::N3>("N3"),
      PublishedField<&TForm1::Timer1>("Timer1"),
  };
  return {{}, methods, fields};
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

void TForm1::Constructed() {
  CurrentFile.clear();
  CurrentIndex = 0;
  DragAcceptFiles(Handle(), TRUE);
}

void TForm1::O1Click(TObject*) {
  Timer1->SetEnabled(false);
  StopIfPlaying();
  TScopeGuard forget([this] { OpenDialog1->SelectedFiles()->RemoveAll(); });
  if (!OpenDialog1->RunDialog()) {
    return;
  }
  Form2->ListBox1->Items().RemoveAll();
  Form2->EntryCount = 0;
  const std::int32_t refused = AddChosenFiles();
  CurrentIndex = 0;
  LoadCurrent();
  if (refused > 0) {
    throw PlayListFull(refused);
  }
}

void TForm1::S1Click(TObject*) {
  StopIfPlaying();
  TScopeGuard forget([this] { OpenDialog1->SelectedFiles()->RemoveAll(); });
  if (!OpenDialog1->RunDialog()) {
    return;
  }
  if (const std::int32_t refused = AddChosenFiles(); refused > 0) {
    throw PlayListFull(refused);
  }
}

std::int32_t TForm1::AddChosenFiles() {
  TStrings& chosen = *OpenDialog1->SelectedFiles();
  std::int32_t refused = 0;
  for (int i = 0; i < chosen.ItemCount(); ++i) {
    if (Form2->Room() == 0) {
      ++refused;
      continue;
    }
    Form2->AddEntry(chosen.ItemAt(i));
  }
  return refused;
}

void TForm1::Close1Click(TObject*) { Close(); }

void TForm1::renzokuClick(TObject*) { renzoku->SetChecked(!renzoku->Checked()); }

void TForm1::repeatClick(TObject*) { repeat->SetChecked(!repeat->Checked()); }

void TForm1::N3Click(TObject*) {
  Form4->Show();
  MessageBeep(0);
}

void TForm1::STARTClick(TObject*) {
  StopIfPlaying();
  if (Form2->EntryCount != 0) {
    StartCurrent();
  }
}

void TForm1::STOPClick(TObject*) {
  StopIfPlaying();
  Timer1->SetEnabled(false);
}

void TForm1::PrevClick(TObject*) {
  if (Form2->EntryCount == 0) {
    return;
  }
  if (--CurrentIndex < 0) {
    CurrentIndex = Form2->EntryCount - 1;
  }
  LoadCurrent();
  StartCurrent();
}

void TForm1::Button4Click(TObject*) {
  if (Form2->EntryCount == 0) {
    return;
  }
  CurrentIndex = (CurrentIndex + 1) % Form2->EntryCount;
  LoadCurrent();
  StartCurrent();
}

void TForm1::StopIfPlaying() {
  if (MediaPlayer1->Mode() == mmPlay) {
    MediaPlayer1->Stop();
  }
}

bool TForm1::SettleCurrentIndex() {
  if (Form2->EntryCount == 0) {
    return false;
  }
  if (!Form2->Names(CurrentIndex)) {
    CurrentIndex = 0;
  }
  return true;
}

void TForm1::LoadCurrent() {
  if (!SettleCurrentIndex()) {
    return;
  }
  StopIfPlaying();
  MediaPlayer1->SetFileName(Form2->Entries[static_cast<std::size_t>(CurrentIndex)]);
  Form3->ScrollBar1->SetPosition(0);
  MediaPlayer1->Open();
}

void TForm1::StartCurrent() {
  if (!SettleCurrentIndex()) {
    return;
  }
  Timer1->SetEnabled(true);
  Timer1->SetTag(0);
  const String& entry = Form2->Entries[static_cast<std::size_t>(CurrentIndex)];
  if (IsAudioExtension(Form2->ExtensionOf(entry))) {
    ShowTimeWindow();
  } else {
    ShowDisplayWindow();
  }
  MediaPlayer1->Play();
}

void TForm1::ShowTimeWindow() {
  if (Form3->Visible()) {
    Form3->Hide();
  }
  Form5->Show();
  Form5->ScrollBar1->SetMax(MediaPlayer1->Length());
}

// The picture's rectangle is read afresh at each use, as the device may answer differently.
void TForm1::ShowDisplayWindow() {
  if (Form5->Visible()) {
    Form5->Hide();
  }
  Form3->Show();
  MediaPlayer1->SetFrames(1);
  MediaPlayer1->SetDisplay(Form3->Panel1);
  MediaPlayer1->SetFrom(Form3->ScrollBar1->Position());
  Form3->SetClientHeight(MediaPlayer1->DisplayRect().bottom + Form3->ScrollBar1->Height());
  Form3->SetClientWidth(MediaPlayer1->DisplayRect().right);
  Form3->ScrollBar1->SetMax(MediaPlayer1->Length());
  Form3->Panel1->SetHeight(MediaPlayer1->DisplayRect().bottom);
  Form3->Panel1->SetWidth(MediaPlayer1->DisplayRect().right);
  Form3->ScrollBar1->SetTop(MediaPlayer1->DisplayRect().bottom);
  Form3->ScrollBar1->SetWidth(MediaPlayer1->DisplayRect().right);
}

void TForm1::PlayIndex(std::int32_t index) {
  CurrentIndex = index;
  LoadCurrent();
  StartCurrent();
}

void TForm1::SeekTo(std::int32_t position) { MediaPlayer1->SetPosition(position); }

// A failing tick (no device while continuous play or repeat asks for the length, a file of
// the advance that does not open) switches the tick off before it is reported, so the user
// sees one error box, not ten a second; the next start switches it on again.
void TForm1::Timer1Timer(TObject*) {
  TScopeGuard stop([this] { Timer1->SetEnabled(false); });
  Tick();
  stop.Dismiss();
}

void TForm1::Tick() {
  UpdateStatusLine();
  if (renzoku->Checked() && AtEnd() && Form2->EntryCount > 1) {
    Timer1->SetTag(0);
    CurrentIndex = (CurrentIndex + 1) % Form2->EntryCount;
    LoadCurrent();
    StartCurrent();
  }
  if (repeat->Checked() && AtEnd()) {
    LoadCurrent();
    StartCurrent();
  }
  UpdateTimeWindow();
  if (Form3->Visible()) {
    Form3->ScrollBar1->SetPosition(MediaPlayer1->Position());
  }
}

void TForm1::UpdateStatusLine() {
  if (MediaPlayer1->Mode() == mmNotReady) {
    Edit1->SetText("準備中");
  } else if (MediaPlayer1->Mode() == mmPlay) {
    CurrentFile = MediaPlayer1->FileName();
    Timer1->SetTag(NextTitleStep(Timer1->Tag()));
    Edit1->SetText(TitleWindow(FileNamePart(CurrentFile), Timer1->Tag()));
  }
}

bool TForm1::AtEnd() { return MediaPlayer1->Position() == MediaPlayer1->Length(); }

void TForm1::UpdateTimeWindow() {
  if (!Form5->Visible()) {
    return;
  }
  Form5->Label1->SetCaption(TimeText(MediaPlayer1->Position()));
  Form5->ScrollBar1->SetPosition(MediaPlayer1->Position());
}

void TForm1::WMDropFiles(TWMDropFiles& message) {
  TakeDrop(message.Drop(), Main::Extensions, Main::ExtensionCount);
}
