#pragma once

#include <windows.h>

// The record every message travels in through the framework: the window system's three
// words and the result a handler writes. The words keep the pointer width of the build, so
// handles and pointers in them survive on 64-bit systems.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};
