#pragma once

#include <windows.h>

#include <vector>

// The top-level windows of the calling thread, as the application object treats them while
// a message box is up, when it passes the focus on, and around top-most windows.

// Disables every visible, enabled top-level window of the thread but except; gives them.
std::vector<HWND> DisableThreadWindows(HWND except);
// Enables the windows again (those that still exist).
void EnableWindows(const std::vector<HWND>& windows);

// The first visible, enabled, non-top-most top-level window of the thread other than except
// and the application window, else the first such top-most one; none when there is none.
HWND FindWindowToActivate(HWND except);

// The top-level windows owned by application that are top-most, in z-order, up to the first
// that is not (the main form counts as not top-most unless all is set); firstNormal is that
// window.
void CollectTopMosts(HWND application, HWND mainForm, bool all, std::vector<HWND>& into,
                     HWND& firstNormal);
