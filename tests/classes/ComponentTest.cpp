#include "TComponent.h"

#include "Exception.h"
#include "NameSpaceLock.h"
#include "TestClasses.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

String NameFailure(TComponent& component, const String& name) {
  try {
    component.AssignName(name);
  } catch (const EComponentError& failure) {
    return failure.Message();
  }
  return "no failure";
}

// Records the order in which components go.
std::vector<String>& GoneLog() {
  static std::vector<String> log;
  return log;
}

class TGoneLogger : public TComponent {
public:
  using TComponent::TComponent;
  ~TGoneLogger() override { GoneLog().push_back(Name()); }
};

} // namespace

TEST(ComponentNames, AcceptIdentifiersAndTheEmptyName) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  child->AssignName("_Button1");
  EXPECT_EQ(child->Name(), "_Button1");
  child->AssignName("");
  EXPECT_EQ(child->Name(), "");
}

TEST(ComponentNames, RefuseWhatIsNoIdentifier) {
  TComponent component(nullptr);
  EXPECT_EQ(NameFailure(component, "1abc"), "コンポーネント名に ''1abc'' は使えません");
  EXPECT_EQ(NameFailure(component, "a b"), "コンポーネント名に ''a b'' は使えません");
  EXPECT_EQ(NameFailure(component, "再生"), "コンポーネント名に ''再生'' は使えません");
  EXPECT_EQ(component.Name(), "");
}

TEST(ComponentNames, AreUniquePerOwnerIgnoringCase) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  first->AssignName("Edit1");
  EXPECT_EQ(NameFailure(*second, "EDIT1"), "コンポーネント名 EDIT1 はすでに使われています");
  first->AssignName("EDIT1");
  EXPECT_EQ(first->Name(), "EDIT1") << "a change of case only is a rename, not a clash";
  TComponent otherOwner(nullptr);
  auto* elsewhere = new TComponent(&otherOwner);
  EXPECT_NO_THROW(elsewhere->AssignName("Edit1"));
}

TEST(ComponentNames, FindComponentIgnoresCaseAndNeverFindsTheEmptyName) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  child->AssignName("Timer1");
  new TComponent(&owner);
  EXPECT_EQ(owner.FindComponent("TIMER1"), child);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  EXPECT_EQ(owner.FindComponent("Timer2"), nullptr);
}

TEST(ComponentOwnership, AppendsInCreationOrderAndChecksIndexes) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  ASSERT_EQ(owner.ComponentCount(), 2);
  EXPECT_EQ(owner.Components(0), a);
  EXPECT_EQ(owner.Components(1), b);
  EXPECT_EQ(b->Owner(), &owner);
  try {
    owner.Components(2);
    FAIL();
  } catch (const EListError& failure) {
    EXPECT_EQ(failure.Message(), "リストのインデックスが範囲を超えています (2)");
  }
}

TEST(ComponentOwnership, NamingStoresTheComponentInTheOwnersField) {
  int before = LiveTestObjects();
  {
    TTestForm form(nullptr);
    auto* button = new TTestControl(&form);
    button->AssignName("Button1");
    EXPECT_EQ(form.Button1, button);
    button->AssignName("Other");
    EXPECT_EQ(form.Button1, nullptr);
    button->AssignName("BUTTON1");
    EXPECT_EQ(form.Button1, button) << "fields compare ignoring case";
    button->Free();
    EXPECT_EQ(form.Button1, nullptr) << "a freed component leaves its field";
  }
  EXPECT_EQ(LiveTestObjects(), before);
}

TEST(ComponentOwnership, AFieldHoldsOnlyComponentsOfItsClass) {
  TTestForm form(nullptr);
  auto* timer = new TTestTimer(&form);
  timer->AssignName("Button1");
  EXPECT_EQ(form.Button1, nullptr);
}

TEST(ComponentDestruction, FreesOwnedComponentsLastCreatedFirst) {
  GoneLog().clear();
  auto* owner = new TGoneLogger(nullptr);
  owner->AssignName("Owner");
  for (const char* name : {"A", "B", "C"}) {
    auto* child = new TGoneLogger(owner);
    child->AssignName(name);
  }
  owner->Free();
  EXPECT_EQ(GoneLog(), (std::vector<String>{"C", "B", "A", "Owner"}));
}

TEST(ComponentDestruction, MarksEverythingDestroyingBeforeAnythingGoes) {
  auto* owner = new TComponent(nullptr);
  auto* first = new TComponent(owner);
  auto* second = new TComponent(owner);
  bool firstDestroying = false;
  struct TProbe : TComponent {
    TProbe(TComponent* owner, TComponent* watched, bool& seen)
        : TComponent(owner), watched_(watched), seen_(seen) {}
    ~TProbe() override { seen_ = watched_->IsDestroying(); }
    TComponent* watched_;
    bool& seen_;
  };
  new TProbe(owner, first, firstDestroying);
  (void)second;
  owner->Free();
  EXPECT_TRUE(firstDestroying) << "the earlier sibling was already marked";
}

TEST(ComponentDestruction, OwnerSeesRemoveNoticesWhileIntact) {
  NoticeLog().clear();
  auto* owner = new TTestControl(nullptr);
  owner->AssignName("Panel");
  auto* child = new TTestControl(owner);
  child->AssignName("Child");
  owner->Free();
  EXPECT_EQ(NoticeLog().front(), "Panel<-Child") << "the owner's override still runs";
}

TEST(ComponentDestruction, PlainDeleteOfAnOwnerIsSafe) {
  int before = LiveTestObjects();
  auto* owner = new TTestForm(nullptr);
  auto* child = new TTestControl(owner);
  child->AssignName("Button1");
  delete owner;
  EXPECT_EQ(LiveTestObjects(), before);
}

TEST(ComponentDestruction, PlainDeleteOfAChildLeavesItsOwner) {
  TTestForm form(nullptr);
  auto* child = new TTestControl(&form);
  child->AssignName("Button1");
  delete child;
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.Button1, nullptr);
}

TEST(ComponentNotices, InsertAndRemoveReachEveryOwnedComponent) {
  NoticeLog().clear();
  TComponent owner(nullptr);
  auto* watcher = new TTestControl(&owner);
  watcher->AssignName("Watcher");
  auto* leaving = new TComponent(&owner);
  leaving->AssignName("Leaving");
  leaving->Free();
  EXPECT_EQ(NoticeLog(), (std::vector<String>{"Watcher<-Leaving"}));
}

TEST(ComponentNotices, FreeNotificationTellsComponentsOfOtherOwners) {
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* control = new TTestControl(&formA);
  auto* target = new TTestControl(&formB);
  control->SetPartner(target);
  target->FreeNotification(control);
  target->Free();
  EXPECT_EQ(control->Partner(), nullptr) << "the reference was dropped on the remove notice";
}

TEST(ComponentNotices, RemoveFreeNotificationForgetsBothWays) {
  NoticeLog().clear();
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* a = new TTestControl(&formA);
  a->AssignName("A");
  auto* b = new TTestControl(&formB);
  b->AssignName("B");
  a->FreeNotification(b);
  b->RemoveFreeNotification(a);
  a->Free();
  EXPECT_EQ(NoticeLog(), std::vector<String>{});
}

TEST(ComponentNotices, TheLinkIsMutual) {
  NoticeLog().clear();
  TComponent formA(nullptr);
  TComponent formB(nullptr);
  auto* a = new TTestControl(&formA);
  a->AssignName("A");
  auto* b = new TTestControl(&formB);
  b->AssignName("B");
  a->FreeNotification(b);
  a->Free();
  EXPECT_EQ(NoticeLog(), (std::vector<String>{"B<-A"}));
}

TEST(ComponentState, DesigningSpreadsToOwnedAndNewComponents) {
  TComponent owner(nullptr);
  auto* before = new TComponent(&owner);
  owner.SetDesigning(true);
  auto* after = new TComponent(&owner);
  EXPECT_TRUE(before->IsDesigning());
  EXPECT_TRUE(after->IsDesigning());
  EXPECT_FALSE(owner.IsLoading());
  EXPECT_FALSE(owner.IsDestroying());
}

TEST(NameSpaceLock, IsReentrantForItsWriter) {
  TNameSpaceWriteGuard outer;
  {
    TNameSpaceWriteGuard inner;
    TNameSpaceReadGuard read;
    EXPECT_TRUE(TNameSpaceLock::HeldForWriting());
  }
  EXPECT_TRUE(TNameSpaceLock::HeldForWriting());
}

TEST(NameSpaceLock, ExcludesOtherThreadsWhileWriting) {
  bool otherGotIn = false;
  std::thread other;
  {
    TNameSpaceWriteGuard write;
    other = std::thread([&] {
      TNameSpaceReadGuard read;
      otherGotIn = true;
    });
    std::this_thread::yield();
    EXPECT_FALSE(otherGotIn);
  }
  other.join();
  EXPECT_TRUE(otherGotIn);
  EXPECT_FALSE(TNameSpaceLock::HeldForWriting());
}
