#include "FaultReport.h"

#include "ExceptionReport.h"
#include "FaultTranslation.h"

#include <windows.h>

namespace {

// The last stop of an exception no handler took: a fault inside a fault scope is raised
// there as an exception after all; anything else is reported and ends the process.
LONG WINAPI ReportFault(EXCEPTION_POINTERS* pointers) {
  if (TranslateFault(*pointers)) {
    return EXCEPTION_CONTINUE_EXECUTION;
  }
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  std::unique_ptr<Exception> error = FaultException(record);
  ShowFallbackBox(error->ClassName(), error->Message(), record.ExceptionAddress);
  ExitProcess(record.ExceptionCode);
}

} // namespace

void InstallFaultReport() {
  InstallFaultTranslation();
  SetUnhandledExceptionFilter(ReportFault);
}
