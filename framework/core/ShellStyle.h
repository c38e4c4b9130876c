#pragma once

// Whether the system has the new-style shell and controls (Windows 95, NT 4 and later): the
// explorer-style dialogs and the extended menu entries (InsertMenuItemA).
bool NewStyleControls();
