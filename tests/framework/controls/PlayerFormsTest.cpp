#include "ApplicationPump.h"
#include "DesignScale.h"
#include "MouseClicks.h"
#include "OwnedForm.h"
#include "TButton.h"
#include "TLabel.h"
#include "TestForms.h"

#include <gtest/gtest.h>

// The version window's resource, as the player carries it, loaded into a form class that
// declares no fields: its labels and its button come through the class registry.

namespace {

class TForm4 : public TForm {
public:
  SORVANE_CLASS(TForm4, TForm)
  SORVANE_PUBLISHED
  using TForm::TForm;

  int closes = 0;
  void Button1Click(TObject*) {
    ++closes;
    Close();
  }
};

TPublishedTables TForm4::Published() {
  static const TMethodInfo methods[] = {
      PublishedMethod<&TForm4::Button1Click>("Button1Click"),
  };
  return {{}, methods, {}};
}

template <class T> T* Find(TComponent& owner, const char* name) {
  return dynamic_cast<T*>(owner.FindComponent(name));
}

} // namespace

TEST(PlayerForms, TheVersionWindowLoadsItsLabelsAndButtonByClassName) {
  TOwnedForm<TForm4> form = AddOwnedForm<TForm4>();
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
    EXPECT_NE(Find<TLabel>(*form, name), nullptr) << name;
  }
  auto* button = Find<TButton>(*form, "Button1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), "CLOSE");
  EXPECT_EQ(button->Height(), ScaledSpan(96, 17));
  auto* title = Find<TLabel>(*form, "Label1");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Caption(), "Sorvane");
  EXPECT_TRUE(title->Font().Style().Contains(fsItalic));
  EXPECT_EQ(title->Left(), Scaled(104)) << "a left-aligned label keeps its left edge";
}

TEST(PlayerForms, TheVersionWindowsLabelsTakeTheSizeOfTheirTexts) {
  TOwnedForm<TForm4> form = AddOwnedForm<TForm4>();
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
    auto* label = Find<TLabel>(*form, name);
    ASSERT_NE(label, nullptr) << name;
    auto* probe = new TLabel(form.get());
    probe->Font().Assign(label->Font());
    probe->SetCaption(label->Caption());
    EXPECT_EQ(label->Width(), probe->Width()) << name;
    EXPECT_EQ(label->Height(), probe->Height()) << name;
    probe->Free();
  }
}

TEST(PlayerForms, TheVersionWindowsCloseButtonHidesItWhenClicked) {
  TOwnedForm<TIconlessForm> main;
  if (!Application->MainForm()) {
    main = AddOwnedForm<TIconlessForm>();
  }
  TOwnedForm<TForm4> form = AddOwnedForm<TForm4>();
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpPending();
  auto* button = Find<TButton>(*form, "Button1");
  ASSERT_NE(button, nullptr);
  PostClick(button->Handle(), POINT{10, 8});
  PumpPending();
  EXPECT_EQ(form->closes, 1);
  EXPECT_FALSE(form->Visible());
}
