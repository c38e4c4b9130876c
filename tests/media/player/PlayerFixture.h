#pragma once

#include "ApplicationPump.h"
#include "CurrentMciPort.h"
#include "MediaForms.h"
#include "OwnedForm.h"
#include "TMciStandIn.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

// A media player on a form, loaded from its resource, with the media service standing in for
// the platform's MCI. The form goes before the service, so the player closes its device
// through it.
class PlayerFixture : public testing::Test {
protected:
  void SetUp() override {
    standIn.AddFile("C:\\media\\song.wav");
    standIn.AddFile("C:\\media\\other.wav");
    standIn.AddFile("C:\\media\\clip.avi");
    form = AddOwnedForm<TMediaForm>();
    player = form->Player();
    ASSERT_NE(player, nullptr);
  }
  void TearDown() override { form.reset(); }

  // Opens a file (or, with an empty name, the device type alone) and forgets the calls.
  void OpenFile(const char* path, TMPDeviceTypes type = dtAutoSelect) {
    player->SetFileName(path);
    player->SetDeviceType(type);
    player->Open();
    standIn.ClearLog();
  }

  // The calls of one message.
  std::vector<TMciCall> Calls(UINT message) const { return standIn.CallsOf(message); }

  HWND PlayerWindow() { return player->Handle(); }
  DWORD_PTR PlayerCallback() { return reinterpret_cast<DWORD_PTR>(player->Handle()); }

  TMciStandIn standIn;
  TMciPortScope scope{standIn};
  TOwnedForm<TMediaForm> form;
  TMediaPlayer* player = nullptr;
};
