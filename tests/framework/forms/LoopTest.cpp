#include "TApplication.h"
#include "TestForms.h"

#include <gtest/gtest.h>

// The loop ends for good once a quit was requested, so these cases run in this order in a
// program of their own.

TEST(Loop, RunLoopWithoutAFormReturnsAtOnce) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  DWORD start = GetTickCount();
  Application->RunLoop();
  EXPECT_LT(GetTickCount() - start, 5000u);
  EXPECT_FALSE(Application->QuitRequested());
  EXPECT_FALSE(Application->Running());
}

TEST(Loop, ClosingTheMainFormEndsTheLoopWithoutHidingIt) {
  TIconlessForm* main = nullptr;
  TVisibleForm* other = nullptr;
  Application->AddForm(main);
  Application->AddForm(other);
  ASSERT_EQ(Application->MainForm(), main);
  PostMessageA(other->Handle(), WM_CLOSE, 0, 0);
  PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
  Application->RunLoop();
  EXPECT_TRUE(Application->QuitRequested());
  EXPECT_TRUE(main->Visible());
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(other->Visible());
}

TEST(Loop, ShutDownFreesTheFormsLastMadeFirst) {
  ASSERT_EQ(Application->ComponentCount(), 2);
  Application->ShutDown();
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Application->MainForm(), nullptr);
}
