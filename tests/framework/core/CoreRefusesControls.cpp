// Must not compile: the core layer cannot see the control layer's headers.
#include "TControl.h"
