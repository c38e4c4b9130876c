#include "LoaderFixture.h"

#include "Exception.h"
#include "Fixups.h"
#include "TReader.h"

#include <algorithm>

namespace {

TComponent* FindTopLevel(std::string_view name) {
  for (TComponent* component : Loader::TopLevel())
    if (SameName(component->Name(), name))
      return component;
  return nullptr;
}

} // namespace

std::vector<TComponent*>& Loader::TopLevel() {
  static std::vector<TComponent*> components;
  return components;
}

void Loader::SetUp() {
  FinishLog().clear();
  TopLevel().clear();
  previous_ = SetGlobalComponentLookup(&FindTopLevel);
  liveBefore_ = LiveTestObjects();
}

void Loader::TearDown() {
  SetGlobalComponentLookup(previous_);
  TopLevel().clear();
  RemoveGlobalFixups(nullptr);
  ClearTestResources();
}

TFormPtr Loader::LoadForm(const FormBytes& bytes) {
  TFormPtr form(new TTestForm(nullptr));
  TopLevel().push_back(form.get());
  Read(*form, bytes);
  return form;
}

void Loader::FreeForm(TFormPtr& form) {
  std::erase(TopLevel(), form.get());
  form.reset();
}

void Loader::Read(TComponent& root, const FormBytes& bytes) {
  TMemoryStream stream(bytes.Data());
  TReader reader(stream);
  reader.LoadRoot(&root);
}

String Loader::FailureOf(const FormBytes& bytes) {
  TFormPtr form(new TTestForm(nullptr));
  try {
    Read(*form, bytes);
  } catch (const Exception& failure) {
    return failure.Message();
  }
  return "no failure";
}

FormBytes FormWithButton(const std::function<void(FormBytes&)>& buttonProperties) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  bytes.Object("TTestControl", "Button1");
  buttonProperties(bytes);
  bytes.End().End().End();
  return bytes;
}
