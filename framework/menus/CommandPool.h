#pragma once

#include <windows.h>

// The command identifiers of the process's menu items: a growable bit set from 0 on. An
// item takes the lowest free identifier when it is made and gives it back when it goes, so
// identifiers are reused lowest first.
namespace CommandPool {

// Takes and gives the lowest free identifier; EMenuError when all 65536 are in use.
WORD Take();
// Gives identifier back to the pool.
void Release(WORD identifier);
// Whether identifier is in use.
bool InUse(WORD identifier);

} // namespace CommandPool
