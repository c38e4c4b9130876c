#pragma once

#include "String.h"

#include <windows.h>

// The module that holds address (GetModuleHandleExA by address); none for none.
HMODULE ModuleOfAddress(const void* address);

// The file name of a module without its path (GetModuleFileNameA); none is the program.
String ModuleFileName(HMODULE module);
