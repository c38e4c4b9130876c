#include "ApplicationPump.h"
#include "BoxWatcher.h"
#include "DesignScale.h"
#include "Format.h"
#include "Messages.h"
#include "NameSpaceLock.h"
#include "OwnedForm.h"
#include "ScopeGuard.h"
#include "TApplication.h"
#include "TScreen.h"
#include "TestForms.h"

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
  auto form = AddOwnedForm<TVisibleForm>();
  EXPECT_TRUE(form->Visible());
  ASSERT_TRUE(form->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(form->Caption(), "表示フォーム");
  EXPECT_EQ(form->Left(), 40);
  EXPECT_EQ(form->Top(), 50);
  EXPECT_EQ(form->Font().Charset(), SHIFTJIS_CHARSET);
  char className[64] = {};
  GetClassNameA(form->Handle(), className, sizeof className);
  EXPECT_STREQ(className, "TVisibleForm");
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Application->Handle());
  EXPECT_TRUE(IsWindowVisible(Application->Handle()));
}

TEST(Form, FormWithoutVisibleStaysHiddenUntilShow) {
  auto form = AddOwnedForm<TIconlessForm>();
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
  auto first = AddOwnedForm<TIconlessForm>();
  auto second = AddOwnedForm<TVisibleForm>();
  EXPECT_EQ(Application->MainForm(), first.get());
  EXPECT_TRUE(first->HandleAllocated());
  EXPECT_EQ(Screen->FormCount(), 2);
}

TEST(Form, EmptyBorderIconsGiveNoSystemMenuButAFrame) {
  auto form = AddOwnedForm<TIconlessForm>();
  form->Show();
  auto style = static_cast<DWORD>(GetWindowLongPtrA(form->Handle(), GWL_STYLE));
  EXPECT_EQ(style & WS_SYSMENU, 0u);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_EQ(style & WS_THICKFRAME, static_cast<DWORD>(WS_THICKFRAME));
}

TEST(Form, BorderIconsChangeRecreatesTheWindow) {
  auto form = AddOwnedForm<TIconlessForm>();
  form->Show();
  form->SetBorderIcons(TBorderIcons{biSystemMenu});
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  auto style = static_cast<DWORD>(GetWindowLongPtrA(form->Handle(), GWL_STYLE));
  EXPECT_EQ(style & WS_SYSMENU, static_cast<DWORD>(WS_SYSMENU));
  EXPECT_EQ(form->Caption(), "アイコンなし");
}

TEST(Form, ClientHeightChangesTheOuterHeightByTheSameAmount) {
  auto form = AddOwnedForm<TVisibleForm>();
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
  auto main = AddOwnedForm<TIconlessForm>();
  auto other = AddOwnedForm<TVisibleForm>();
  ASSERT_EQ(Application->MainForm(), main.get());
  other->Close();
  EXPECT_FALSE(other->Visible());
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  other->Show();
  EXPECT_TRUE(IsWindowVisible(other->Handle()));
}

TEST(Form, ChangingVisibilityInsideOnShowIsRefused) {
  auto form = AddOwnedForm<TIconlessForm>();
  ShowToggler toggler;
  toggler.form = form.get();
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
  auto form = AddOwnedForm<TLoadedForm>();
  ASSERT_NE(form->Box1, nullptr);
  ASSERT_NE(form->Box2, nullptr);
  ASSERT_NE(form->Timer1, nullptr);
  EXPECT_EQ(form->Box1->Parent(), form.get());
  EXPECT_EQ(form->Box1->Owner(), form.get());
  EXPECT_EQ(form->Box1->Color(), clLime);
  EXPECT_EQ(form->Box2->Font().Color(), clRed);
  // Scaled with the controls when the form's font measures otherwise here than its stored 12.
  EXPECT_EQ(form->Box2->Font().Height(), MulDiv(-16, form->TextHeight(), 12));
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
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == form->Box2->Handle(); }));
}

TEST(Form, ScreenCentringAppliesOnceAtTheFirstShowing) {
  auto form = AddOwnedForm<TIconlessForm>();
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
  auto form = AddOwnedForm<TVisibleForm>();
  auto second = AddOwnedForm<TIconlessForm>();
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
  auto main = AddOwnedForm<TVisibleForm>();
  auto second = AddOwnedForm<TIconlessForm>();
  CloseChooser chooser;
  chooser.action = caFree;
  second->OnClose = TCloseEvent::Bind<&CloseChooser::Choose>(chooser);
  int forms = Screen->CustomFormCount();
  second->Close();
  EXPECT_EQ(Screen->CustomFormCount(), forms);
  EXPECT_TRUE(PumpUntil([&] { return Screen->CustomFormCount() == forms - 1; }));
  static_cast<void>(second.release());
}

TEST(Form, TaskbarButtonFollowsTheVisibleForms) {
  auto form = AddOwnedForm<TIconlessForm>();
  form->Show();
  EXPECT_TRUE(IsWindowVisible(Application->Handle()));
  form->Hide();
  EXPECT_FALSE(IsWindowVisible(Application->Handle()));
}

TEST(Form, ExceptionInOnCreateIsReportedAndConstructionGoesOn) {
  auto form = AddOwnedForm<TIconlessForm>();
  CreateFailure failure;
  TOwnedForm<TIconlessForm> second;
  std::vector<SeenBox> boxes;
  {
    BoxWatcher watcher;
    second.reset(new TIconlessForm(Application));
    second->OnCreate = TNotifyEvent::Bind<&CreateFailure::Raise>(failure);
    BuildForm(*second);
    boxes = watcher.Boxes();
  }
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "作成失敗.");
  EXPECT_EQ(second->Caption(), "アイコンなし");
}

TEST(Form, MinimizingTheMainFormMinimizesTheWholeApplication) {
  auto main = AddOwnedForm<TVisibleForm>();
  auto other = AddOwnedForm<TIconlessForm>();
  other->Show();
  ASSERT_EQ(Application->MainForm(), main.get());
  SendMessageA(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(PumpUntil([] { return IsIconic(Application->Handle()) != 0; }));
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  SendMessageA(Application->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(PumpUntil([] { return !IsIconic(Application->Handle()); }));
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_TRUE(IsWindowVisible(other->Handle()));
}

TEST(Form, FormOfAnotherResolutionIsScaledByItsTextHeight) {
  auto form = AddOwnedForm<TScaledForm>();
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
  auto main = AddOwnedForm<TVisibleForm>();
  auto dialog = AddOwnedForm<TIconlessForm>();
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
  auto form = AddOwnedForm<TVisibleForm>();
  try {
    form->ShowModal();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), LoadMessage(Msg::CannotShowModal));
  }
}

TEST(Form, PublishedEnumerationsNameTheirMembersInOrder) {
  const TEnumType& positions = EnumTypeOf(TPosition{});
  EXPECT_STREQ(positions.name, "TPosition");
  ASSERT_EQ(positions.members.size(), 8u);
  EXPECT_STREQ(positions.members[poDesigned], "poDesigned");
  EXPECT_STREQ(positions.members[poOwnerFormCenter], "poOwnerFormCenter");
  EXPECT_EQ(EnumTypeOf(TBorderIcon{}).Find("bihelp"), biHelp);
  EXPECT_EQ(EnumTypeOf(TFontStyle{}).members.size(), EnumCount(TFontStyle{}));
  EXPECT_EQ(EnumTypeOf(TFormStyle{}).Find("fsStayOnTop"), fsStayOnTop);
}

TEST(Form, MDIChildNeedsAnMDIFrameAsMainForm) {
  auto main = AddOwnedForm<TVisibleForm>();
  auto child = AddOwnedForm<TIconlessForm>();
  child->SetFormStyle(fsMDIChild);
  try {
    child->HandleNeeded();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), "フォームが作成できません。有効な MDI フォームがありません");
  }
  child->SetFormStyle(fsNormal);
}

TEST(Form, FocusingAHiddenOrDisabledFormIsRefused) {
  auto main = AddOwnedForm<TVisibleForm>();
  auto other = AddOwnedForm<TIconlessForm>();
  String refused = LoadMessage(Msg::CannotFocus);
  try {
    other->SetFocus();
    ADD_FAILURE() << "a hidden form took the focus";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), refused);
  }
  other->Show();
  other->SetEnabled(false);
  main->Show();
  PumpPending();
  try {
    other->SetFocus();
    ADD_FAILURE() << "a disabled form took the focus";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), refused);
  }
  other->SetEnabled(true);
  other->SetFocus();
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == other->Handle(); }));
}

TEST(Form, DefaultPositionIsTakenOnceAndKeptWhenTheWindowIsMadeAgain) {
  auto main = AddOwnedForm<TVisibleForm>();
  auto form = AddOwnedForm<TIconlessForm>();
  form->SetPosition(poDefaultPosOnly);
  form->Show();
  EXPECT_EQ(form->Position(), poDesigned);
  form->SetBounds(37, 41, form->Width(), form->Height());
  form->SetBorderStyle(bsSingle);
  RECT bounds = WindowBounds(form->Handle());
  EXPECT_EQ(bounds.left, 37);
  EXPECT_EQ(bounds.top, 41);
}

// The text of the form's font is measured even at the screen's own resolution: stored at 36,
// it stands at its real height here, and the controls are scaled by that height over 36.
TEST(Form, AFormOfTheScreensResolutionIsScaledToTheTextItsFontHasHere) {
  auto form = AddOwnedForm<TReadingForm>();
  ASSERT_EQ(form->PixelsPerInch(), Screen->PixelsPerInch());
  const int here = DesignFontTextHeight();
  EXPECT_EQ(form->TextHeight(), here);
  EXPECT_EQ(form->Probe1->Left(), MulDiv(30, here, 36));
  EXPECT_EQ(form->Probe1->Top(), MulDiv(60, here, 36));
  EXPECT_EQ(form->Probe1->Width(), MulDiv(120, here, 36) - MulDiv(30, here, 36));
}

namespace {

// What a control saw of its form when it went.
struct Departure {
  bool formWasMainForm = false;
  bool nameSpaceLocked = false;
};

class TDepartingControl : public TCustomControl {
public:
  TDepartingControl(TCustomForm& form, Departure& departure)
      : TCustomControl(nullptr), form_(form), departure_(departure) {}
  ~TDepartingControl() override {
    departure_.formWasMainForm = Application->MainForm() == &form_;
    departure_.nameSpaceLocked = TNameSpaceLock::HeldForWriting();
  }

private:
  TCustomForm& form_;
  Departure& departure_;
};

} // namespace

TEST(Form, ChildControlsGoWhileTheFormIsStillMainFormAndLocked) {
  auto form = AddOwnedForm<TIconlessForm>();
  ASSERT_EQ(Application->MainForm(), form.get());
  Departure departure;
  auto* child = new TDepartingControl(*form, departure);
  child->SetParent(form.get());
  form.reset();
  EXPECT_TRUE(departure.formWasMainForm);
  EXPECT_TRUE(departure.nameSpaceLocked);
  EXPECT_EQ(Application->MainForm(), nullptr);
  EXPECT_FALSE(TNameSpaceLock::HeldForWriting());
}

namespace {

// A form that counts the WM_KILLFOCUS messages reaching its default handling.
class TKillFocusForm : public TIconlessForm {
public:
  SORVANE_CLASS(TKillFocusForm, TIconlessForm)
  using TIconlessForm::TIconlessForm;
  int killFocusHandled = 0;

protected:
  void DefaultHandler(TMessage& message) override {
    killFocusHandled += message.Msg == WM_KILLFOCUS;
    TIconlessForm::DefaultHandler(message);
  }
};

} // namespace

TEST(Form, KillFocusIsDroppedWhileTheFormMovesTheFocusItself) {
  auto main = AddOwnedForm<TVisibleForm>();
  auto form = AddOwnedForm<TKillFocusForm>();
  auto* edit = new TTestEdit(form.get());
  edit->SetBounds(10, 10, 100, 24);
  edit->SetParent(form.get());
  edit->SetTabStop(false);
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return form->Active(); }));
  SetFocus(form->Handle());
  PumpPending();
  ASSERT_EQ(GetFocus(), form->Handle()) << "no tab stop: the form keeps the focus itself";
  form->killFocusHandled = 0;
  form->SetActiveControl(edit);
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_EQ(form->killFocusHandled, 0);
}
