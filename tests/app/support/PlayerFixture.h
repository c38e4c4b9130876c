#pragma once

#include "CurrentMciPort.h"
#include "Display.h"
#include "List.h"
#include "Main.h"
#include "TMciStandIn.h"
#include "Unit4.h"
#include "Unit5.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

// The player's five windows made the way the program makes them (in its order, owned by the
// application object), over the media stand-in unless the fixture asks for the real devices,
// and freed again when the test ends.
class PlayerTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Adds each file to the stand-in and to the play list, through a drop on the player window.
  void ListFiles(std::initializer_list<std::string_view> paths);
  // The elements the media control opened, in order.
  std::vector<String> Opened() const;
  // The element of the device that is open now, or empty.
  String OpenNow() const;
  // Waits for count further ticks of the player's timer: each one asks the device for its mode.
  bool WaitTicks(int count);

  TMciStandIn media;
  // Set by a fixture whose player uses the platform's own devices instead of the stand-in.
  bool realDevices = false;

private:
  std::optional<TMciPortScope> port_;
};
