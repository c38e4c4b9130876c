// Must not compile: the graphics layer cannot see the form layer's headers.
#include "TCustomForm.h"
