#pragma once

#include "Exception.h"

#include <cstdint>
#include <memory>

// Faults of the processor and errors of the runtime, as the exceptions that report them.
// The runtime numbers its errors 1 to 24 (1 out of memory ... 24 safecall); any other number
// is a file input/output error whose result code selects the message.

// The exception for runtime error number; ioResult is the input/output result code used
// when number is not one of 1 to 24.
std::unique_ptr<Exception> RuntimeErrorException(int number, int ioResult = 0);

// The runtime error number of an operating-system exception code; 22 (external exception)
// for a code the runtime has no number of.
int RuntimeErrorNumber(std::uint32_t systemCode) noexcept;

// Where and how an access violation happened.
struct AccessViolation {
  const void* codeAddress = nullptr;
  const void* accessAddress = nullptr;
  bool isWrite = false;
  String moduleName; // file name of the module holding codeAddress; empty outside any module
};

// The exception for an operating-system exception code; access describes an access
// violation (code 0xC0000005) and is ignored for other codes.
std::unique_ptr<Exception> SystemFaultException(std::uint32_t systemCode,
                                                const AccessViolation& access = {});
