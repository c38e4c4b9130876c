#pragma once

#include "TApplication.h"
#include "TForm.h"

#include <memory>

// A form a test made, freed (Free) when the test is done with it.
struct FormRelease {
  void operator()(TCustomForm* form) const { form->Free(); }
};
template <class T> using TOwnedForm = std::unique_ptr<T, FormRelease>;

// Makes a form of class T the way the program does (AddForm) and owns it.
template <class T> TOwnedForm<T> AddOwnedForm() {
  T* form = nullptr;
  Application->AddForm(form);
  return TOwnedForm<T>(form);
}
