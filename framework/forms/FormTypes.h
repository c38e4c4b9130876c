#pragma once

#include "ClassInfo.h"
#include "ControlTypes.h"
#include "Events.h"
#include "MessageRecords.h"
#include "PublishedEnum.h"
#include "TSet.h"

#define SORVANE_TBorderIcon(X) X(biSystemMenu) X(biMinimize) X(biMaximize) X(biHelp)
SORVANE_ENUM(TBorderIcon, SORVANE_TBorderIcon)
using TBorderIcons = TSet<TBorderIcon>;

#define SORVANE_TFormStyle(X) X(fsNormal) X(fsMDIChild) X(fsMDIForm) X(fsStayOnTop)
SORVANE_ENUM(TFormStyle, SORVANE_TFormStyle)

#define SORVANE_TPosition(X)                                                                       \
  X(poDesigned)                                                                                    \
  X(poDefault)                                                                                     \
  X(poDefaultPosOnly)                                                                              \
  X(poDefaultSizeOnly)                                                                             \
  X(poScreenCenter)                                                                                \
  X(poDesktopCenter)                                                                               \
  X(poMainFormCenter)                                                                              \
  X(poOwnerFormCenter)
SORVANE_ENUM(TPosition, SORVANE_TPosition)

#define SORVANE_TWindowState(X) X(wsNormal) X(wsMinimized) X(wsMaximized)
SORVANE_ENUM(TWindowState, SORVANE_TWindowState)

#define SORVANE_TDefaultMonitor(X) X(dmDesktop) X(dmPrimary) X(dmMainForm) X(dmActiveForm)
SORVANE_ENUM(TDefaultMonitor, SORVANE_TDefaultMonitor)

enum TCloseAction { caNone, caHide, caFree, caMinimize };

// The resolution a form is taken to be designed at until its resource or the screen says.
inline constexpr int defaultPixelsPerInch = 96;

// Sender, what to do with the form (may be changed).
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
// Sender, whether the form may close (may be changed).
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// The key message, whether it was used as a shortcut.
using TShortCutEvent = TEvent<TWMKey&, bool&>;
