#include "FormLink.h"

#include "TWinControl.h"

void TFormLink::ForgetFocused(const TControl& control) {
  for (const TControl* inside = focused_; inside; inside = inside->Parent()) {
    if (inside == &control) {
      focused_ = nullptr;
      return;
    }
  }
}
