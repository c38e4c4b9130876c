#pragma once

#include "ControlTypes.h"

#include <windows.h>

// The frame a form resource was laid out with. A resource gives a form's outer size; its
// controls were placed in the client area that outer size left on the classic desktop at 96
// pixels per inch: a sizing border of 4 pixels, a fixed one of 3, a caption of 19 (15 for a
// tool window) and a menu bar of 19. Today's desktops draw other frames (wider borders, a
// taller caption, a menu bar whose entries wrap onto a second line), which would take room
// from the controls; a form keeps the client area of its design instead.

// Width and height of the frame of a window of style with a menu bar of one line or none.
SIZE DesignedFrame(TFormBorderStyle style, bool menuBar);

// Width and height of the frame window has now (its outer size less its client area, not
// counting its own scroll bars).
SIZE CurrentFrame(HWND window);
