#pragma once

#include "String.h"
#include "TStrings.h"

#include <vector>

// The message of the failure of kind E that action raises; a marker text when it raises
// none, so that a missing failure reads plainly in a test's output.
template <class E, class Action> String FailureOf(Action&& action) {
  try {
    action();
  } catch (const E& failure) {
    return failure.Message();
  }
  return "(no failure)";
}

// The texts of a list, in order.
inline std::vector<String> Items(const TStrings& list) {
  std::vector<String> items;
  for (int i = 0; i < list.ItemCount(); ++i) {
    items.push_back(list.ItemAt(i));
  }
  return items;
}
