#pragma once

// Processor faults cannot become C++ exceptions with this toolchain (its unwinder does not
// run through a fault), so a fault that no code handles is reported at the top: the runtime's
// exception class and message for it (an access violation with its addresses and kind) in
// the fallback box, after which the process ends with the fault's code instead of crashing.
void InstallFaultReport();
