#include "FaultReport.h"

#include "ExceptionReport.h"
#include "Modules.h"
#include "RuntimeErrors.h"

#include <windows.h>

namespace {

AccessViolation DescribeAccess(const EXCEPTION_RECORD& record) {
  AccessViolation access;
  access.codeAddress = record.ExceptionAddress;
  if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
    access.isWrite = record.ExceptionInformation[0] == 1;
    access.accessAddress = reinterpret_cast<const void*>(record.ExceptionInformation[1]);
  }
  if (HMODULE module = ModuleOfAddress(record.ExceptionAddress)) {
    access.moduleName = ModuleFileName(module);
  }
  return access;
}

LONG WINAPI ReportFault(EXCEPTION_POINTERS* pointers) {
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  AccessViolation access = DescribeAccess(record);
  std::unique_ptr<Exception> error = SystemFaultException(record.ExceptionCode, access);
  ShowFallbackBox(error->ClassName(), error->Message(), record.ExceptionAddress);
  ExitProcess(record.ExceptionCode);
}

} // namespace

void InstallFaultReport() { SetUnhandledExceptionFilter(ReportFault); }
