#include "OpenOptions.h"

#include <array>

SORVANE_ENUM_TYPE(TOpenOption, SORVANE_TOpenOption)

namespace {

// The flag each option adds, in the options' order; ofOldStyleDialog names OFN_EXPLORER,
// which it toggles.
constexpr std::array<DWORD, EnumCount(TOpenOption{})> optionFlags = {
    OFN_READONLY,         OFN_OVERWRITEPROMPT,    OFN_HIDEREADONLY,        OFN_NOCHANGEDIR,
    OFN_SHOWHELP,         OFN_NOVALIDATE,         OFN_ALLOWMULTISELECT,    OFN_EXTENSIONDIFFERENT,
    OFN_PATHMUSTEXIST,    OFN_FILEMUSTEXIST,      OFN_CREATEPROMPT,        OFN_SHAREAWARE,
    OFN_NOREADONLYRETURN, OFN_NOTESTFILECREATE,   OFN_NONETWORKBUTTON,     OFN_NOLONGNAMES,
    OFN_EXPLORER,         OFN_NODEREFERENCELINKS, OFN_ENABLEINCLUDENOTIFY, OFN_ENABLESIZING,
};

} // namespace

DWORD OpenOptionFlags(TOpenOptions options, bool newStyleControls) {
  DWORD flags = OFN_ENABLEHOOK;
  for (std::size_t member = 0; member < optionFlags.size(); ++member) {
    if (options.Contains(static_cast<TOpenOption>(member))) {
      flags |= optionFlags[member];
    }
  }
  if (newStyleControls) {
    flags ^= OFN_EXPLORER;
  } else {
    flags &= ~static_cast<DWORD>(OFN_EXPLORER);
  }
  return flags;
}

TOpenOptions WithReturnedFlags(TOpenOptions options, DWORD returned) {
  options.Exclude(ofReadOnly);
  options.Exclude(ofExtensionDifferent);
  if ((returned & OFN_READONLY) != 0) {
    options.Include(ofReadOnly);
  }
  if ((returned & OFN_EXTENSIONDIFFERENT) != 0) {
    options.Include(ofExtensionDifferent);
  }
  return options;
}
