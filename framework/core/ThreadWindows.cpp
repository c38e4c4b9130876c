#include "ThreadWindows.h"

#include "ApplicationWindow.h"

namespace {

struct ThreadWindows {
  HWND except = nullptr;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM data) {
  auto& list = *reinterpret_cast<ThreadWindows*>(data);
  if (window != list.except && IsWindowVisible(window) && IsWindowEnabled(window)) {
    list.windows.push_back(window);
  }
  return TRUE;
}

struct TopWindowSearch {
  HWND except = nullptr;
  HWND application = nullptr;
  HWND normal = nullptr;
  HWND topMost = nullptr;
};

BOOL CALLBACK FindTopWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopWindowSearch*>(data);
  if (window == search.except || window == search.application || !IsWindowVisible(window) ||
      !IsWindowEnabled(window)) {
    return TRUE;
  }
  if (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) {
    if (!search.topMost) {
      search.topMost = window;
    }
    return TRUE;
  }
  search.normal = window;
  return FALSE;
}

struct TopMostSearch {
  HWND application = nullptr;
  HWND mainForm = nullptr;
  bool all = false;
  std::vector<HWND> found;
  HWND firstNormal = nullptr;
};

BOOL CALLBACK CollectTopMost(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopMostSearch*>(data);
  if (GetWindow(window, GW_OWNER) != search.application) {
    return TRUE;
  }
  bool topMost = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (!topMost || (!search.all && window == search.mainForm)) {
    search.firstNormal = window;
    return FALSE;
  }
  search.found.push_back(window);
  return TRUE;
}

} // namespace

std::vector<HWND> DisableThreadWindows(HWND except) {
  ThreadWindows list{except, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow, reinterpret_cast<LPARAM>(&list));
  for (HWND window : list.windows) {
    EnableWindow(window, FALSE);
  }
  return list.windows;
}

void EnableWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    if (IsWindow(window)) {
      EnableWindow(window, TRUE);
    }
  }
}

HWND FindWindowToActivate(HWND except) {
  TopWindowSearch search{except, ApplicationWindow(), nullptr, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.normal ? search.normal : search.topMost;
}

void CollectTopMosts(HWND application, HWND mainForm, bool all, std::vector<HWND>& into,
                     HWND& firstNormal) {
  TopMostSearch search{application, mainForm, all, {}, nullptr};
  EnumWindows(CollectTopMost, reinterpret_cast<LPARAM>(&search));
  into = search.found;
  firstNormal = search.firstNormal;
}
