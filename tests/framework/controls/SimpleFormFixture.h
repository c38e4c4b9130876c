#pragma once

#include "ApplicationPump.h"
#include "KeyInput.h"
#include "MouseClicks.h"
#include "OwnedForm.h"
#include "TButton.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TestForms.h"

#include <gtest/gtest.h>

// The simple-controls form, shown and in front, for tests that give it real input.
struct SimpleFormTest : ::testing::Test {
  TOwnedForm<TSimpleForm> form;

  void SetUp() override {
    form = AddOwnedForm<TSimpleForm>();
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpPending();
  }
  void TearDown() override { form.reset(); }

  TEdit& NameEdit() const { return form->Find<TEdit>("NameEdit"); }
  TLabel& NameLabel() const { return form->Find<TLabel>("NameLabel"); }
  TLabel& TimeLabel() const { return form->Find<TLabel>("TimeLabel"); }
  TPanel& BlackPanel() const { return form->Find<TPanel>("BlackPanel"); }
  TButton& OkButton() const { return form->Find<TButton>("OkButton"); }
  TButton& CancelButton() const { return form->Find<TButton>("CancelButton"); }
  TButton& PlayButton() const { return form->Find<TButton>("PlayButton"); }

  // A click in the middle of a windowed control, then the queue pumped empty.
  static void ClickOn(TWinControl& control) {
    PostClick(control.Handle(), POINT{control.Width() / 2, control.Height() / 2});
    PumpPending();
  }

  // A key press through the keyboard, pumped until condition holds.
  static bool Press(std::initializer_list<WORD> modifiers, WORD key,
                    const std::function<bool()>& condition) {
    PressKeyWith(modifiers, key);
    bool held = PumpUntil(condition);
    PumpPending();
    return held;
  }

  static bool Focused(TWinControl& control) { return GetFocus() == control.Handle(); }

  static LONG_PTR Style(TWinControl& control) {
    return GetWindowLongPtrA(control.Handle(), GWL_STYLE);
  }
};
