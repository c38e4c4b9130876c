#pragma once

#include "ExtensionTable.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>

// Takes the files of a drop on the player or play list window, in the drop's order: each one
// whose extension is among the first count of table is appended to the play list, and the
// player's current entry is loaded again after it (which stops a playing file). Other files
// are passed over silently. The drop is finished in every case.
//
// Nothing of a drop is lost to a failure on the way: files that find the list full are
// counted and reported once at the end, and a current entry that does not load is reported
// once, after the rest of the drop has been appended.
void TakeDrop(HDROP drop, const TExtensionTable& table, std::int32_t count);
