#pragma once

// The loader tests' fixture: test form resources read into test forms, with a global
// component lookup over the forms a test made top-level (as the screen's forms are).

#include "FormBytes.h"
#include "TestClasses.h"

#include "ComponentLookup.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using TFormPtr = std::unique_ptr<TTestForm, TFreeComponent>;

class Loader : public ::testing::Test {
public:
  // The top-level components the global lookup finds.
  static std::vector<TComponent*>& TopLevel();

protected:
  void SetUp() override;
  void TearDown() override;

  // A new form, known to the global lookup, filled from bytes.
  TFormPtr LoadForm(const FormBytes& bytes);
  // Takes a form out of the global lookup's sight and frees it.
  static void FreeForm(TFormPtr& form);
  static void Read(TComponent& root, const FormBytes& bytes);
  // The message of the failure reading bytes into a new form that the lookup does not see.
  String FailureOf(const FormBytes& bytes);

  int liveBefore_ = 0;

private:
  TGlobalComponentLookup previous_ = nullptr;
};

// A form resource whose one button carries the given property records.
FormBytes FormWithButton(const std::function<void(FormBytes&)>& buttonProperties);
