#include "Format.h"
#include "Messages.h"
#include "TApplication.h"
#include "TScreen.h"
#include "TestForms.h"
#include "WindowWatch.h"

#include <gtest/gtest.h>

namespace {

// Sets the form's Visible from inside its own OnShow.
class ShowToggler : public TObject {
public:
  TCustomForm* form = nullptr;
  void Toggle(TObject*) { form->SetVisible(false); }
};

RECT WindowBounds(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

} // namespace

TEST(Form, ResourceVisibleFormIsShownByAddForm) {
  TVisibleForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  EXPECT_TRUE(form->Visible());
  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->Caption(), "表示フォーム");
  EXPECT_EQ(form->Left(), 40);
  EXPECT_EQ(form->Width(), 300);
  EXPECT_EQ(form->Font().Charset(), SHIFTJIS_CHARSET);
  char className[64] = {};
  GetClassNameA(form->Handle(), className, sizeof className);
  EXPECT_STREQ(className, "TVisibleForm");
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());
  EXPECT_TRUE(IsWindowVisible(Application->Handle()));
}

TEST(Form, FormWithoutVisibleStaysHiddenUntilShow) {
  TIconlessForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  EXPECT_FALSE(form->Visible());
  form->Show();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  form->Hide();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST(Form, MissingResourceRaisesAndEmptiesTheVariable) {
  TNoResourceForm* form = reinterpret_cast<TNoResourceForm*>(1);
  try {
    Application->AddForm(form);
    FAIL() << "no exception";
  } catch (const EResNotFound& error) {
    EXPECT_EQ(error.Message(), "TNoResourceForm リソースが見つかりません");
  }
  EXPECT_EQ(form, nullptr);
}

TEST(Form, FirstAddedFormBecomesMainFormWithAWindow) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  TIconlessForm* first = nullptr;
  TVisibleForm* second = nullptr;
  Application->AddForm(first);
  FormGuard firstGuard{first};
  Application->AddForm(second);
  FormGuard secondGuard{second};
  EXPECT_EQ(Application->MainForm(), first);
  EXPECT_TRUE(first->HandleAllocated());
  EXPECT_EQ(Screen->FormCount(), 2);
}

TEST(Form, EmptyBorderIconsGiveNoSystemMenuButAFrame) {
  TIconlessForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  form->Show();
  auto style = static_cast<DWORD>(GetWindowLongPtrA(form->Handle(), GWL_STYLE));
  EXPECT_EQ(style & WS_SYSMENU, 0u);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_EQ(style & WS_THICKFRAME, static_cast<DWORD>(WS_THICKFRAME));
}

TEST(Form, BorderIconsChangeRecreatesTheWindow) {
  TIconlessForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  form->Show();
  form->SetBorderIcons(TBorderIcons{biSystemMenu});
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  auto style = static_cast<DWORD>(GetWindowLongPtrA(form->Handle(), GWL_STYLE));
  EXPECT_EQ(style & WS_SYSMENU, static_cast<DWORD>(WS_SYSMENU));
  EXPECT_EQ(form->Caption(), "アイコンなし");
}

TEST(Form, ClientHeightChangesTheOuterHeightByTheSameAmount) {
  TVisibleForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  RECT before = WindowBounds(form->Handle());
  int height = form->Height();
  form->SetClientHeight(form->ClientHeight() + 37);
  RECT after = WindowBounds(form->Handle());
  EXPECT_EQ(form->Height(), height + 37);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 37);
  EXPECT_EQ(after.top, before.top);
  form->SetClientWidth(200);
  EXPECT_EQ(form->ClientWidth(), 200);
}

TEST(Form, ClosingANonMainFormHidesIt) {
  TIconlessForm* main = nullptr;
  TVisibleForm* other = nullptr;
  Application->AddForm(main);
  FormGuard mainGuard{main};
  Application->AddForm(other);
  FormGuard otherGuard{other};
  ASSERT_EQ(Application->MainForm(), main);
  other->Close();
  EXPECT_FALSE(other->Visible());
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  other->Show();
  EXPECT_TRUE(IsWindowVisible(other->Handle()));
}

TEST(Form, ChangingVisibilityInsideOnShowIsRefused) {
  TIconlessForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  ShowToggler toggler;
  toggler.form = form;
  form->OnShow = TNotifyEvent::Bind<&ShowToggler::Toggle>(toggler);
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    form->Show();
    boxes = watcher.Boxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, LoadMessage(Msg::CannotChangeVisibleOnShowHide) + ".");
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(Form, ResourceOfFrameworkClassesLoadsWithEventsAndActiveControl) {
  TLoadedForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  ASSERT_NE(form->Box1, nullptr);
  ASSERT_NE(form->Box2, nullptr);
  ASSERT_NE(form->Timer1, nullptr);
  EXPECT_EQ(form->Box1->Parent(), form);
  EXPECT_EQ(form->Box1->Owner(), form);
  EXPECT_EQ(form->Box1->Color(), clLime);
  EXPECT_EQ(form->Box2->Font().Color(), clRed);
  EXPECT_EQ(form->Box2->Font().Height(), -16);
  EXPECT_EQ(form->Box2->Font().Pitch(), fpFixed);
  EXPECT_TRUE(form->Box2->Font().Style().Contains(fsBold));
  EXPECT_FALSE(form->Box2->ParentFont());
  EXPECT_EQ(form->Box1->Font().Name(), form->Font().Name());
  EXPECT_EQ(form->Box2->TabOrder(), 0);
  EXPECT_EQ(form->Box1->TabOrder(), 1);
  EXPECT_EQ(form->ActiveControl(), form->Box2);
  EXPECT_EQ(form->created, 1);
  EXPECT_TRUE(form->constructedAfterLoading);
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->Timer1->Interval(), 100u);
  EXPECT_TRUE(static_cast<bool>(form->Timer1->OnTimerEvent()));
  form->Show();
  EXPECT_EQ(form->shown, 1);
  form->Box1->Click();
  EXPECT_EQ(form->clicks, 1);
  PumpMessages(50);
  EXPECT_EQ(GetFocus(), form->Box2->Handle());
}

TEST(Form, ScreenCentringAppliesOnceAtTheFirstShowing) {
  TIconlessForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  form->SetPosition(poScreenCenter);
  form->Show();
  EXPECT_EQ(form->Left(), (GetSystemMetrics(SM_CXSCREEN) - form->Width()) / 2);
  EXPECT_EQ(form->Top(), (GetSystemMetrics(SM_CYSCREEN) - form->Height()) / 2);
  EXPECT_EQ(form->Position(), poDesigned);
  form->Hide();
  form->SetLeft(10);
  form->Show();
  EXPECT_EQ(form->Left(), 10);
}

namespace {

class CloseChooser : public TObject {
public:
  TCloseAction action = caHide;
  bool allow = true;
  void Choose(TObject*, TCloseAction& chosen) { chosen = action; }
  void Query(TObject*, bool& canClose) { canClose = allow; }
};

class CreateFailure : public TObject {
public:
  void Raise(TObject*) { throw Exception("作成失敗"); }
};

} // namespace

TEST(Form, CloseQueryRefusalKeepsTheFormOpen) {
  TVisibleForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  TIconlessForm* second = nullptr;
  Application->AddForm(second);
  FormGuard secondGuard{second};
  second->Show();
  CloseChooser chooser;
  chooser.allow = false;
  second->OnCloseQuery = TCloseQueryEvent::Bind<&CloseChooser::Query>(chooser);
  second->Close();
  EXPECT_TRUE(second->Visible());
  SendMessageA(second->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(second->Visible());
}

TEST(Form, FreeActionReleasesTheFormThroughItsQueue) {
  TVisibleForm* main = nullptr;
  Application->AddForm(main);
  FormGuard mainGuard{main};
  TIconlessForm* second = nullptr;
  Application->AddForm(second);
  FormGuard secondGuard{second};
  CloseChooser chooser;
  chooser.action = caFree;
  second->OnClose = TCloseEvent::Bind<&CloseChooser::Choose>(chooser);
  int forms = Screen->CustomFormCount();
  second->Close();
  EXPECT_EQ(Screen->CustomFormCount(), forms);
  PumpMessages(100);
  EXPECT_EQ(Screen->CustomFormCount(), forms - 1);
  secondGuard.form = nullptr;
}

TEST(Form, TaskbarButtonFollowsTheVisibleForms) {
  TIconlessForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  form->Show();
  EXPECT_TRUE(IsWindowVisible(Application->Handle()));
  form->Hide();
  EXPECT_FALSE(IsWindowVisible(Application->Handle()));
}

TEST(Form, ExceptionInOnCreateIsReportedAndConstructionGoesOn) {
  TIconlessForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  CreateFailure failure;
  TIconlessForm* second = nullptr;
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    second = new TIconlessForm(Application);
    second->OnCreate = TNotifyEvent::Bind<&CreateFailure::Raise>(failure);
    BuildForm(*second);
    boxes = watcher.Boxes();
  }
  FormGuard secondGuard{second};
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "作成失敗.");
  EXPECT_EQ(second->Caption(), "アイコンなし");
}

TEST(Form, MinimizingTheMainFormMinimizesTheWholeApplication) {
  TVisibleForm* main = nullptr;
  Application->AddForm(main);
  FormGuard mainGuard{main};
  TIconlessForm* other = nullptr;
  Application->AddForm(other);
  FormGuard otherGuard{other};
  other->Show();
  ASSERT_EQ(Application->MainForm(), main);
  SendMessageA(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  PumpMessages(50);
  EXPECT_TRUE(IsIconic(Application->Handle()));
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpMessages(50);
  EXPECT_FALSE(IsIconic(Application->Handle()));
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_TRUE(IsWindowVisible(other->Handle()));
}

TEST(Form, FormOfAnotherResolutionIsScaledByItsTextHeight) {
  TScaledForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  int screenPpi = Screen->PixelsPerInch();
  EXPECT_EQ(form->PixelsPerInch(), screenPpi);
  EXPECT_EQ(form->Font().Height(), MulDiv(-24, screenPpi, 192));
  int textHeight = TextHeightOf(form->Font());
  EXPECT_LT(textHeight, 24);
  EXPECT_EQ(form->TextHeight(), textHeight);
  EXPECT_EQ(form->Box1->Left(), MulDiv(40, textHeight, 24));
  EXPECT_EQ(form->Box1->Top(), MulDiv(20, textHeight, 24));
  EXPECT_EQ(form->Box1->Width(), MulDiv(140, textHeight, 24) - MulDiv(40, textHeight, 24));
  EXPECT_EQ(form->Box1->Font().Height(), form->Font().Height());
}

TEST(Form, ModalFormRunsUntilClosedWithOtherWindowsDisabled) {
  TVisibleForm* main = nullptr;
  Application->AddForm(main);
  FormGuard mainGuard{main};
  TIconlessForm* dialog = nullptr;
  Application->AddForm(dialog);
  FormGuard dialogGuard{dialog};
  struct Watch : TObject {
    HWND main = nullptr;
    bool mainEnabled = true;
    void Shown(TObject* sender) {
      mainEnabled = IsWindowEnabled(main) != 0;
      PostMessageA(static_cast<TCustomForm*>(sender)->Handle(), WM_CLOSE, 0, 0);
    }
  } watch;
  watch.main = main->Handle();
  dialog->OnShow = TNotifyEvent::Bind<&Watch::Shown>(watch);
  EXPECT_EQ(dialog->ShowModal(), 2);
  EXPECT_FALSE(watch.mainEnabled);
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(dialog->Modal());
}

TEST(Form, VisibleFormCannotBeShownModally) {
  TVisibleForm* form = nullptr;
  Application->AddForm(form);
  FormGuard guard{form};
  try {
    form->ShowModal();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), LoadMessage(Msg::CannotShowModal));
  }
}

TEST(Form, MDIChildNeedsAnMDIFrameAsMainForm) {
  TVisibleForm* main = nullptr;
  Application->AddForm(main);
  FormGuard mainGuard{main};
  TIconlessForm* child = nullptr;
  Application->AddForm(child);
  FormGuard childGuard{child};
  child->SetFormStyle(fsMDIChild);
  try {
    child->HandleNeeded();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), "フォームが作成できません。有効な MDI フォームがありません");
  }
  child->SetFormStyle(fsNormal);
}
