#pragma once

#include "Exception.h"

#include <windows.h>

#include <memory>

// Processor faults as exceptions. While a fault scope is open on a thread, a fault of the
// processor there (an access violation, an integer division by zero, ...) is raised as the
// runtime's exception for it (EAccessViolation, EDivByZero, ...) from the faulting
// instruction, so the destructors of the frames in between run and the catch that opened the
// scope reports it like any other exception. Outside a scope a fault stays a fault, for the
// top-level report (FaultReport.h). A stack overflow and a control-C interrupt are never
// raised: there is no stack left to throw on, and no instruction faulted.
//
// A fault in the program's own code is raised at once (a vectored handler); a fault in a
// system module first goes to that module's own structured handlers, which some system
// functions use to answer a bad pointer, and is raised only when none takes it (the top-level
// filter asks TranslateFault). The 32-bit build raises faults in the program's own code only:
// its unwinding cannot pass through a system module, so a fault there is shown at the top
// level and ends the process.

// Opened by every place that calls handlers and catches what escapes them: window
// procedures, the loop's idle step, dialog hooks. Scopes nest.
class TFaultScope {
public:
  TFaultScope();
  ~TFaultScope();
  TFaultScope(const TFaultScope&) = delete;
  TFaultScope& operator=(const TFaultScope&) = delete;
};

// Adds the vectored handler for faults in the program's own code (once per process).
void InstallFaultTranslation();

// When a fault scope is open on this thread and the exception is a fault that can be raised,
// prepares its exception and changes the context so that the thread, resumed, throws it from
// the faulting instruction; true then, and the caller continues execution.
bool TranslateFault(EXCEPTION_POINTERS& pointers);

// The runtime's exception for an operating-system exception record: its class and message by
// the code, for an access violation with the code address, the accessed address, the kind of
// access and the module that holds the code.
std::unique_ptr<Exception> FaultException(const EXCEPTION_RECORD& record);
