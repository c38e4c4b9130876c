// Must not compile: the control layer cannot see the form layer's headers.
#include "TCustomForm.h"
