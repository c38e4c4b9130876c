#pragma once

#include <windows.h>

// The two window properties that point from a window to its framework control. Their atoms
// are made once per process, named "ControlOfs" + module instance + thread id and "Velkor" +
// process id (hexadecimal, upper case, at least eight digits each; a 64-bit instance handle
// keeps all its digits).
// The control layer stores its control objects here and reads them back as what it stored.
void SetControlTags(HWND window, void* control);
void RemoveControlTags(HWND window);

// What SetControlTags stored for window, or none.
void* ControlTagOf(HWND window);

// Makes the two atoms (framework start-up); DeleteControlTags deletes them at the end.
void CreateControlTags();
void DeleteControlTags();
