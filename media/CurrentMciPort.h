#pragma once

#include "TMciPort.h"

// The port the product's MCI calls go through: the winmm port unless a scope has put
// another in its place. Read and swapped on the GUI thread only.
TMciPort& CurrentMciPort();

// Puts a port in place of the current one for the life of the scope and restores the
// previous one at its end. Scopes nest; they must end in the reverse order of their start.
class TMciPortScope {
public:
  explicit TMciPortScope(TMciPort& port);
  ~TMciPortScope();
  TMciPortScope(const TMciPortScope&) = delete;
  TMciPortScope& operator=(const TMciPortScope&) = delete;

private:
  TMciPort* previous_;
};
