// Must not compile: the form layer cannot see the dialog layer's headers.
#include "TOpenDialog.h"
