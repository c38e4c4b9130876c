#include "TApplication.h"
#include "TestForms.h"

#include <gtest/gtest.h>

#include <vector>

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

namespace {

// The forms whose destroy notice ran, in order.
class DestroyOrder : public TObject {
public:
  std::vector<TObject*> forms;
  void Note(TObject* sender) { forms.push_back(sender); }
};

} // namespace

TEST(Loop, ShutDownFreesTheFormsLastMadeFirst) {
  ASSERT_EQ(Application->ComponentCount(), 2);
  auto* first = dynamic_cast<TCustomForm*>(Application->Components(0));
  auto* last = dynamic_cast<TCustomForm*>(Application->Components(1));
  ASSERT_TRUE(first && last);
  ASSERT_EQ(first, Application->MainForm());
  DestroyOrder order;
  first->OnDestroy = TNotifyEvent::Bind<&DestroyOrder::Note>(order);
  last->OnDestroy = TNotifyEvent::Bind<&DestroyOrder::Note>(order);
  Application->ShutDown();
  EXPECT_EQ(order.forms, (std::vector<TObject*>{last, first}));
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Application->MainForm(), nullptr);
}
