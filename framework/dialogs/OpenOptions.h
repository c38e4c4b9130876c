#pragma once

#include "PublishedEnum.h"
#include "ShellStyle.h"
#include "TSet.h"

#include <windows.h>

#include <commdlg.h>

// The options of the open dialog, in the order of their set bits; each adds one flag to the
// OPENFILENAME record (OpenOptionFlags), except ofOldStyleDialog, which takes the explorer
// style away.
#define SORVANE_TOpenOption(X)                                                                     \
  X(ofReadOnly)                                                                                    \
  X(ofOverwritePrompt)                                                                             \
  X(ofHideReadOnly)                                                                                \
  X(ofNoChangeDir)                                                                                 \
  X(ofShowHelp)                                                                                    \
  X(ofNoValidate)                                                                                  \
  X(ofAllowMultiSelect)                                                                            \
  X(ofExtensionDifferent)                                                                          \
  X(ofPathMustExist)                                                                               \
  X(ofFileMustExist)                                                                               \
  X(ofCreatePrompt)                                                                                \
  X(ofShareAware)                                                                                  \
  X(ofNoReadOnlyReturn)                                                                            \
  X(ofNoTestFileCreate)                                                                            \
  X(ofNoNetworkButton)                                                                             \
  X(ofNoLongNames)                                                                                 \
  X(ofOldStyleDialog)                                                                              \
  X(ofNoDereferenceLinks)                                                                          \
  X(ofEnableIncludeNotify)                                                                         \
  X(ofEnableSizing)
SORVANE_ENUM(TOpenOption, SORVANE_TOpenOption)
using TOpenOptions = TSet<TOpenOption>;

// The OPENFILENAME flags of a dialog with these options: OFN_ENABLEHOOK, the flag of every
// option, and OFN_EXPLORER unless the dialog is old-style (ofOldStyleDialog, or a system
// without new-style controls).
DWORD OpenOptionFlags(TOpenOptions options, bool newStyleControls = NewStyleControls());

// The options after the dialog returned flags: ofReadOnly from the read-only check box,
// ofExtensionDifferent from whether the chosen name has another extension than the default.
TOpenOptions WithReturnedFlags(TOpenOptions options, DWORD returned);
