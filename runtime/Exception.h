#pragma once

#include "String.h"

#include <exception>

// The base of every failure the program raises: a message text in the ANSI code page.
// ClassName names the most derived class, for reports that show it.
class Exception : public std::exception {
public:
  explicit Exception(String message) : message_(std::move(message)) {}

  const String& Message() const noexcept { return message_; }
  void SetMessage(String message) { message_ = std::move(message); }
  const char* what() const noexcept override { return message_.c_str(); }
  virtual const char* ClassName() const noexcept { return "Exception"; }
  // Throws a copy of this exception as its own class (for code that holds it by its base).
  [[noreturn]] virtual void Raise() const { throw *this; }

private:
  String message_;
};

// Declares an exception class that adds nothing but its identity.
#define SORVANE_EXCEPTION(Class, Base)                                                             \
  class Class : public Base {                                                                      \
  public:                                                                                          \
    using Base::Base;                                                                              \
    const char* ClassName() const noexcept override { return #Class; }                             \
    [[noreturn]] void Raise() const override { throw *this; }                                      \
  }

// Silent failure: ends an operation without any report.
SORVANE_EXCEPTION(EAbort, Exception);

// Failures of the framework and the object model.
SORVANE_EXCEPTION(EStreamError, Exception);
SORVANE_EXCEPTION(EFilerError, EStreamError);
SORVANE_EXCEPTION(EReadError, EFilerError);
SORVANE_EXCEPTION(EClassNotFound, EFilerError);
SORVANE_EXCEPTION(EResNotFound, Exception);
SORVANE_EXCEPTION(EComponentError, Exception);
SORVANE_EXCEPTION(EStringListError, Exception);
SORVANE_EXCEPTION(EListError, Exception);
SORVANE_EXCEPTION(EMenuError, Exception);
SORVANE_EXCEPTION(EInvalidOperation, Exception);
SORVANE_EXCEPTION(EMCIDeviceError, Exception);

// Faults of the processor and the runtime, translated into exceptions.
SORVANE_EXCEPTION(EHeapException, Exception);
SORVANE_EXCEPTION(EOutOfMemory, EHeapException);
SORVANE_EXCEPTION(EInvalidPointer, EHeapException);
SORVANE_EXCEPTION(EOutOfResources, EOutOfMemory);
SORVANE_EXCEPTION(EExternal, Exception);
SORVANE_EXCEPTION(EIntError, EExternal);
SORVANE_EXCEPTION(EDivByZero, EIntError);
SORVANE_EXCEPTION(ERangeError, EIntError);
SORVANE_EXCEPTION(EIntOverflow, EIntError);
SORVANE_EXCEPTION(EMathError, EExternal);
SORVANE_EXCEPTION(EInvalidOp, EMathError);
SORVANE_EXCEPTION(EZeroDivide, EMathError);
SORVANE_EXCEPTION(EOverflow, EMathError);
SORVANE_EXCEPTION(EUnderflow, EMathError);
SORVANE_EXCEPTION(EInvalidCast, Exception);
SORVANE_EXCEPTION(EAccessViolation, EExternal);
SORVANE_EXCEPTION(EPrivilege, EExternal);
SORVANE_EXCEPTION(EControlC, EExternal);
SORVANE_EXCEPTION(EStackOverflow, EExternal);
SORVANE_EXCEPTION(EVariantError, Exception);
SORVANE_EXCEPTION(EAssertionFailed, Exception);
SORVANE_EXCEPTION(EExternalException, EExternal);
SORVANE_EXCEPTION(EIntfCastError, Exception);
SORVANE_EXCEPTION(ESafecallException, Exception);

// A failed file operation; keeps the input/output result code.
class EInOutError : public Exception {
public:
  EInOutError(String message, int errorCode)
      : Exception(std::move(message)), errorCode_(errorCode) {}
  int ErrorCode() const noexcept { return errorCode_; }
  const char* ClassName() const noexcept override { return "EInOutError"; }
  [[noreturn]] void Raise() const override { throw *this; }

private:
  int errorCode_;
};

// A failed operating-system call; keeps the code of GetLastError.
class EWin32Error : public Exception {
public:
  EWin32Error(String message, unsigned long errorCode)
      : Exception(std::move(message)), errorCode_(errorCode) {}
  unsigned long ErrorCode() const noexcept { return errorCode_; }
  const char* ClassName() const noexcept override { return "EWin32Error"; }
  [[noreturn]] void Raise() const override { throw *this; }

private:
  unsigned long errorCode_;
};
