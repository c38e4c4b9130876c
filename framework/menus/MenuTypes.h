#pragma once

#include "PublishedEnum.h"
#include "TEvent.h"

#include <cstdint>

class TMenuItem;

// Whether an item gives its entries access keys (and drops needless separator lines) by
// itself: always, never, or as its parent item does.
#define SORVANE_TMenuItemAutoFlag(X) X(maAutomatic) X(maManual) X(maParent)
SORVANE_ENUM(TMenuItemAutoFlag, SORVANE_TMenuItemAutoFlag)

// The same choice for a whole menu, which has no parent to follow. Its members are named
// like the item's, so the enumeration is scoped; the resources spell them the same way.
enum class TMenuAutoFlag : std::uint8_t { maAutomatic, maManual };
const TEnumType& EnumTypeOf(TMenuAutoFlag);

// Where an item starts a new column of its menu.
#define SORVANE_TMenuBreak(X) X(mbNone) X(mbBreak) X(mbBarBreak)
SORVANE_ENUM(TMenuBreak, SORVANE_TMenuBreak)

// A key with its modifiers: the virtual key in the low byte, plus scShift, scCtrl, scAlt;
// 0 is no shortcut.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

// Sender (the menu), Source (the item that changed, none when the whole menu did), Rebuild
// (whether native menus were rebuilt).
using TMenuChangeEvent = TEvent<TObject*, TMenuItem*, bool>;
