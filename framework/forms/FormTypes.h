#pragma once

#include "ClassInfo.h"
#include "Events.h"
#include "MessageRecords.h"
#include "TSet.h"

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

const TEnumType& EnumTypeOf(TBorderIcon);
const TEnumType& EnumTypeOf(TFormBorderStyle);
const TEnumType& EnumTypeOf(TFormStyle);
const TEnumType& EnumTypeOf(TPosition);
const TEnumType& EnumTypeOf(TWindowState);
const TEnumType& EnumTypeOf(TDefaultMonitor);

// Sender, what to do with the form (may be changed).
using TCloseEvent = TEvent<TObject*, TCloseAction&>;
// Sender, whether the form may close (may be changed).
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// The key message, whether it was used as a shortcut.
using TShortCutEvent = TEvent<TWMKey&, bool&>;
