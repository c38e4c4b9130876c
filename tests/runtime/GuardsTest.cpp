#include "ScopeGuard.h"
#include "TemporaryChange.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(ScopeGuard, RunsItsActionWhenTheScopeEndsAnyWay) {
  int resumed = 0;
  {
    TScopeGuard resume([&] { ++resumed; });
  }
  EXPECT_EQ(resumed, 1);
  try {
    TScopeGuard resume([&] { ++resumed; });
    throw std::runtime_error("left early");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(resumed, 2);
}

TEST(ScopeGuard, DismissedGuardDoesNothing) {
  bool undone = false;
  {
    TScopeGuard undo([&] { undone = true; });
    undo.Dismiss();
  }
  EXPECT_FALSE(undone);
}

TEST(TemporaryChange, PutsTheOldValueBackAlsoWhenTheScopeFails) {
  bool busy = false;
  std::string mode = "idle";
  {
    TTemporaryChange changeBusy(busy, true);
    TTemporaryChange changeMode(mode, std::string("loading"));
    EXPECT_TRUE(busy);
    EXPECT_EQ(mode, "loading");
  }
  EXPECT_FALSE(busy);
  EXPECT_EQ(mode, "idle");
  try {
    TTemporaryChange changeBusy(busy, true);
    throw std::runtime_error("failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(busy);
}

TEST(TemporaryChange, NestedChangesUnwindInOrder) {
  int level = 0;
  {
    TTemporaryChange outer(level, 1);
    {
      TTemporaryChange inner(level, 2);
      EXPECT_EQ(level, 2);
    }
    EXPECT_EQ(level, 1);
  }
  EXPECT_EQ(level, 0);
}
