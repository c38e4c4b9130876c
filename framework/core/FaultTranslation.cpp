#include "FaultTranslation.h"

#include "Modules.h"
#include "RuntimeErrors.h"

#include <array>
#include <cstdint>

// How a fault becomes a throw: the handler makes the exception, keeps it for the thread, and
// changes the faulting thread's context as if the faulting instruction had called a function
// that throws it: the return address pushed is the instruction's address plus one, so the
// unwinder finds the faulting function at that instruction (the code is compiled with
// -fnon-call-exceptions, whose tables cover every instruction that can fault) and unwinds
// from there.

namespace {

thread_local int openScopes = 0;
thread_local std::unique_ptr<Exception> pendingFault;

// The faults raised as exceptions: those of the processor. Not a stack overflow (no stack to
// throw on) and not a control-C (nothing faulted).
bool IsRaisedFault(DWORD code) {
  static constexpr std::array<DWORD, 13> kRaised = {
      EXCEPTION_ACCESS_VIOLATION,      EXCEPTION_INT_DIVIDE_BY_ZERO,
      EXCEPTION_INT_OVERFLOW,          EXCEPTION_ARRAY_BOUNDS_EXCEEDED,
      EXCEPTION_FLT_INVALID_OPERATION, EXCEPTION_FLT_INEXACT_RESULT,
      EXCEPTION_FLT_STACK_CHECK,       EXCEPTION_FLT_DIVIDE_BY_ZERO,
      EXCEPTION_FLT_OVERFLOW,          EXCEPTION_FLT_UNDERFLOW,
      EXCEPTION_FLT_DENORMAL_OPERAND,  EXCEPTION_PRIV_INSTRUCTION,
      EXCEPTION_ILLEGAL_INSTRUCTION,
  };
  for (DWORD raised : kRaised) {
    if (raised == code) {
      return true;
    }
  }
  return false;
}

bool IsInProgram(const void* address) {
  return address && ModuleOfAddress(address) == GetModuleHandleA(nullptr);
}

} // namespace

extern "C" void SorvaneRaisePendingFault() {
  std::unique_ptr<Exception> fault = std::move(pendingFault);
  fault->Raise();
}

#if defined(__x86_64__)

// Every module of the system carries the unwind data of x86-64 code, so a fault inside a
// library function called from a handler unwinds through that function to the handler.
constexpr bool kUnwindsThroughOtherModules = true;

// Where the resumed thread goes. x86-64 code expects the stack 8 bytes off a 16-byte
// boundary on entry to a function; a fault in a function that keeps no frame of its own
// leaves it at the boundary itself. The two entries differ only in the room they take, so
// SorvaneRaisePendingFault is entered with the stack as it expects either way; each states
// that room in its unwind data, so the unwinder gets from it to the faulting frame.
extern "C" void SorvaneFaultEntryOffBoundary();
extern "C" void SorvaneFaultEntryOnBoundary();

asm(R"(
  .text
  .globl SorvaneFaultEntryOffBoundary
  .def SorvaneFaultEntryOffBoundary; .scl 2; .type 32; .endef
  .seh_proc SorvaneFaultEntryOffBoundary
SorvaneFaultEntryOffBoundary:
  subq $40, %rsp
  .seh_stackalloc 40
  .seh_endprologue
  call SorvaneRaisePendingFault
  int3
  .seh_endproc

  .globl SorvaneFaultEntryOnBoundary
  .def SorvaneFaultEntryOnBoundary; .scl 2; .type 32; .endef
  .seh_proc SorvaneFaultEntryOnBoundary
SorvaneFaultEntryOnBoundary:
  subq $32, %rsp
  .seh_stackalloc 32
  .seh_endprologue
  call SorvaneRaisePendingFault
  int3
  .seh_endproc
)");

namespace {

void ResumeInThrow(CONTEXT& context) {
  context.Rsp -= sizeof(DWORD64);
  *reinterpret_cast<DWORD64*>(context.Rsp) = context.Rip + 1;
  constexpr DWORD64 functionEntryOffset = 8;
  const bool offBoundary = context.Rsp % 16 == functionEntryOffset;
  context.Rip = reinterpret_cast<DWORD64>(offBoundary ? &SorvaneFaultEntryOffBoundary
                                                      : &SorvaneFaultEntryOnBoundary);
}

} // namespace

#elif defined(__i386__)

// 32-bit code unwinds by the tables the compiler writes; the system's libraries have none
// (a fault inside msvcrt.dll, thrown there, ends in std::terminate). Such a fault is
// therefore not raised: it is reported by the last-stop filter, which ends the process.
constexpr bool kUnwindsThroughOtherModules = false;

namespace {

// 32-bit code expects no more than 4-byte alignment on entry, so the thread can enter the
// throwing function directly.
void ResumeInThrow(CONTEXT& context) {
  context.Esp -= sizeof(DWORD);
  *reinterpret_cast<DWORD*>(context.Esp) = context.Eip + 1;
  context.Eip = reinterpret_cast<DWORD>(&SorvaneRaisePendingFault);
}

} // namespace

#else
#error "Processor faults are raised as exceptions on x86 and x86-64 only."
#endif

namespace {

LONG CALLBACK RaiseFaultInProgram(EXCEPTION_POINTERS* pointers) {
  if (IsInProgram(pointers->ExceptionRecord->ExceptionAddress) && TranslateFault(*pointers)) {
    return EXCEPTION_CONTINUE_EXECUTION;
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

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

} // namespace

TFaultScope::TFaultScope() { ++openScopes; }

TFaultScope::~TFaultScope() { --openScopes; }

void InstallFaultTranslation() {
  static const PVOID handler = AddVectoredExceptionHandler(1, RaiseFaultInProgram);
  (void)handler;
}

bool TranslateFault(EXCEPTION_POINTERS& pointers) {
  const EXCEPTION_RECORD& record = *pointers.ExceptionRecord;
  if (openScopes == 0 || !IsRaisedFault(record.ExceptionCode) ||
      (record.ExceptionFlags & EXCEPTION_NONCONTINUABLE) ||
      (!kUnwindsThroughOtherModules && !IsInProgram(record.ExceptionAddress))) {
    return false;
  }
  try {
    pendingFault = FaultException(record);
  } catch (...) {
    return false;
  }
  ResumeInThrow(*pointers.ContextRecord);
  return true;
}

std::unique_ptr<Exception> FaultException(const EXCEPTION_RECORD& record) {
  return SystemFaultException(record.ExceptionCode, DescribeAccess(record));
}
