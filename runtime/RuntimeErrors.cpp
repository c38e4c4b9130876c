#include "RuntimeErrors.h"

#include "Format.h"
#include "Messages.h"

#include <array>
#include <utility>

namespace {

constexpr std::uint32_t kAccessViolationCode = 0xC0000005;
constexpr int kExternalException = 22;

// The message of a file input/output result code.
String InOutMessage(int ioResult) {
  switch (ioResult) {
  case 2:
    return LoadMessage(Msg::FileNotFound);
  case 3:
    return LoadMessage(Msg::InvalidFilename);
  case 4:
    return LoadMessage(Msg::TooManyOpenFiles);
  case 5:
    return LoadMessage(Msg::AccessDenied);
  case 100:
    return LoadMessage(Msg::EndOfFile);
  case 101:
    return LoadMessage(Msg::DiskFull);
  case 106:
    return LoadMessage(Msg::InvalidInput);
  default:
    return Format(LoadMessage(Msg::InOutError), {ioResult});
  }
}

template <class E> std::unique_ptr<Exception> Make(Msg message) {
  return std::make_unique<E>(LoadMessage(message));
}

String AccessViolationMessage(const AccessViolation& access) {
  const String kind = LoadMessage(access.isWrite ? Msg::WriteAccess : Msg::ReadAccess);
  if (access.moduleName.empty()) {
    return Format(LoadMessage(Msg::AccessViolation),
                  {access.codeAddress, kind, access.accessAddress});
  }
  return Format(LoadMessage(Msg::AccessViolationInModule),
                {access.codeAddress, access.moduleName, kind, access.accessAddress});
}

} // namespace

std::unique_ptr<Exception> RuntimeErrorException(int number, int ioResult) {
  switch (number) {
  case 1:
    return Make<EOutOfMemory>(Msg::OutOfMemory);
  case 2:
    return Make<EInvalidPointer>(Msg::InvalidPointer);
  case 3:
    return Make<EDivByZero>(Msg::DivByZero);
  case 4:
    return Make<ERangeError>(Msg::RangeError);
  case 5:
    return Make<EIntOverflow>(Msg::IntOverflow);
  case 6:
    return Make<EInvalidOp>(Msg::InvalidOp);
  case 7:
    return Make<EZeroDivide>(Msg::ZeroDivide);
  case 8:
    return Make<EOverflow>(Msg::Overflow);
  case 9:
    return Make<EUnderflow>(Msg::Underflow);
  case 10:
    return Make<EInvalidCast>(Msg::InvalidCast);
  case 11:
    return SystemFaultException(kAccessViolationCode);
  case 12:
    return Make<EPrivilege>(Msg::Privilege);
  case 13:
    return Make<EControlC>(Msg::ControlC);
  case 14:
    return Make<EStackOverflow>(Msg::StackOverflow);
  case 15:
  case 16:
  case 17:
  case 18:
  case 19:
  case 20:
    // The variant errors have no text of their own in this program.
    return std::make_unique<EVariantError>(String());
  case 21:
    return Make<EAssertionFailed>(Msg::AssertionFailed);
  case 22:
    return std::make_unique<EExternalException>(Format(LoadMessage(Msg::ExternalException), {0}));
  case 23:
    return Make<EIntfCastError>(Msg::IntfCastError);
  case 24:
    return Make<ESafecallException>(Msg::SafecallException);
  default:
    return std::make_unique<EInOutError>(InOutMessage(ioResult), ioResult);
  }
}

int RuntimeErrorNumber(std::uint32_t systemCode) noexcept {
  static constexpr std::array<std::pair<std::uint32_t, int>, 14> kNumbers = {{
      {0xC0000094, 3},
      {0xC000008C, 4},
      {0xC0000095, 5},
      {0xC0000090, 6},
      {0xC000008F, 6},
      {0xC0000092, 6},
      {0xC000008E, 7},
      {0xC0000091, 8},
      {0xC0000093, 9},
      {0xC000008D, 9},
      {kAccessViolationCode, 11},
      {0xC0000096, 12},
      {0xC000013A, 13},
      {0xC00000FD, 14},
  }};
  for (const auto& [code, number] : kNumbers) {
    if (code == systemCode) {
      return number;
    }
  }
  return kExternalException;
}

std::unique_ptr<Exception> SystemFaultException(std::uint32_t systemCode,
                                                const AccessViolation& access) {
  const int number = RuntimeErrorNumber(systemCode);
  if (number == 11) {
    return std::make_unique<EAccessViolation>(AccessViolationMessage(access));
  }
  if (number == kExternalException) {
    return std::make_unique<EExternalException>(
        Format(LoadMessage(Msg::ExternalException), {systemCode}));
  }
  return RuntimeErrorException(number);
}
