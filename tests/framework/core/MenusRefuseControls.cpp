// Must not compile: the menu layer cannot see the control layer's headers.
#include "TControl.h"
