#pragma once

// A fault that no code handles and that happened outside every fault scope
// (FaultTranslation.h) is reported at the top: the runtime's exception class and message for
// it (an access violation with its addresses and kind) in the fallback box, after which the
// process ends with the fault's code instead of crashing. Installs the fault translation too.
void InstallFaultReport();
