#pragma once

#include <windows.h>

class TWinControl;

// The two window properties that point from a window to its framework control. Their atoms
// are made once per process, named "ControlOfs" + module instance + thread id and "Velkor" +
// process id (hexadecimal, upper case, at least eight digits each; a 64-bit instance handle
// keeps all its digits).
void SetControlTags(HWND window, TWinControl* control);
void RemoveControlTags(HWND window);

// The framework control that owns window, or none.
TWinControl* FindControl(HWND window);

// Makes the two atoms (framework start-up); DeleteControlTags deletes them at the end.
void CreateControlTags();
void DeleteControlTags();
