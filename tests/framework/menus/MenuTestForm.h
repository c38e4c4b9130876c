#pragma once

#include "TForm.h"
#include "TMainMenu.h"

#include <windows.h>

#include <vector>

// A key press the window system queues for a user: key down and key up, with Alt held when
// alt is set (the system key messages then).
void PostKey(HWND window, WORD key, bool alt = false);

// A form with the player's menu bar: the commands count their clicks, and the two Options
// items toggle their check marks as the player's handlers do. While a menu of the form is
// open and waits for input (WM_ENTERIDLE), the form types menuKeys; when none are left it
// presses Escape, so a menu that stays open cannot hold a test.
class TMenuForm : public TForm {
public:
  SORVANE_CLASS(TMenuForm, TForm)
  SORVANE_PUBLISHED
  SORVANE_MESSAGES
  using TForm::TForm;

  std::vector<WORD> menuKeys;
  int menuIdles = 0;

  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* O1 = nullptr;
  TMenuItem* S1 = nullptr;
  TMenuItem* Close1 = nullptr;
  TMenuItem* O2 = nullptr;
  TMenuItem* renzoku = nullptr;
  TMenuItem* repeat = nullptr;
  TMenuItem* N3 = nullptr;

  int opened = 0;
  int added = 0;
  int closed = 0;
  int versions = 0;
  bool raiseOnVersion = false;

  void O1Click(TObject* sender);
  void S1Click(TObject* sender);
  void Close1Click(TObject* sender);
  void renzokuClick(TObject* sender);
  void repeatClick(TObject* sender);
  void N3Click(TObject* sender);

private:
  void WMEnterIdle(TWMNoParams& message);
};

// Counts the events it is bound to.
class TMenuCounter : public TObject {
public:
  int count = 0;
  void Count(TObject*) { ++count; }
};

// The state of the entry of command in menu (MF_CHECKED, MF_GRAYED, ...).
inline UINT EntryState(HMENU menu, WORD command) {
  return GetMenuState(menu, command, MF_BYCOMMAND);
}

// The text of the entry at position of menu.
String EntryText(HMENU menu, int position);

// The texts of all entries of menu, in order.
std::vector<String> EntryTexts(HMENU menu);
