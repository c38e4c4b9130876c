#include "ShortCuts.h"

#include "AsciiCase.h"
#include "Messages.h"

namespace {

constexpr WORD firstKeyOfParse = 8;
constexpr WORD lastKeyOfParse = 597;
constexpr WORD firstFunctionKey = VK_F1;
constexpr WORD lastFunctionKey = VK_F24;

// The names of the keys from Space (32) to Down (40), in key order.
constexpr Msg navigationKeys[] = {Msg::KeySpace, Msg::KeyPgUp,  Msg::KeyPgDn,
                                  Msg::KeyEnd,   Msg::KeyHome,  Msg::KeyLeft,
                                  Msg::KeyUp,    Msg::KeyRight, Msg::KeyDown};

String SystemKeyName(WORD key) {
  LONG scanCode = static_cast<LONG>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  char name[64] = {};
  int length = GetKeyNameTextA(scanCode, name, sizeof name);
  return length > 0 ? String(name, static_cast<std::size_t>(length)) : String();
}

String KeyName(WORD key) {
  switch (key) {
  case VK_BACK:
    return LoadMessage(Msg::KeyBkSp);
  case VK_TAB:
    return LoadMessage(Msg::KeyTab);
  case VK_RETURN:
    return LoadMessage(Msg::KeyEnter);
  case VK_ESCAPE:
    return LoadMessage(Msg::KeyEsc);
  case VK_INSERT:
    return LoadMessage(Msg::KeyIns);
  case VK_DELETE:
    return LoadMessage(Msg::KeyDel);
  default:
    break;
  }
  if (key >= VK_SPACE && key <= VK_DOWN) {
    return LoadMessage(navigationKeys[key - VK_SPACE]);
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    return String(1, static_cast<char>(key));
  }
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
    return String(1, static_cast<char>('0' + key - VK_NUMPAD0));
  }
  if (key >= firstFunctionKey && key <= lastFunctionKey) {
    return "F" + std::to_string(key - firstFunctionKey + 1);
  }
  return SystemKeyName(key);
}

// Takes prefix off the front of text when it is there (ASCII case-insensitive).
bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (prefix.empty() || text.size() < prefix.size() ||
      !SameName(text.substr(0, prefix.size()), prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

} // namespace

String ShortCutToText(TShortCut shortCut) {
  String name = KeyName(static_cast<WORD>(shortCut & 0xFF));
  if (name.empty()) {
    return String();
  }
  String text;
  if (shortCut & scShift) {
    text += LoadMessage(Msg::KeyShift);
  }
  if (shortCut & scCtrl) {
    text += LoadMessage(Msg::KeyCtrl);
  }
  if (shortCut & scAlt) {
    text += LoadMessage(Msg::KeyAlt);
  }
  return text + name;
}

TShortCut TextToShortCut(const String& text) {
  const String shift = LoadMessage(Msg::KeyShift);
  const String ctrl = LoadMessage(Msg::KeyCtrl);
  const String alt = LoadMessage(Msg::KeyAlt);
  std::string_view rest = text;
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = true;
    if (TakePrefix(rest, shift)) {
      modifiers |= scShift;
    } else if (TakePrefix(rest, ctrl) || TakePrefix(rest, "^")) {
      modifiers |= scCtrl;
    } else if (TakePrefix(rest, alt)) {
      modifiers |= scAlt;
    } else {
      found = false;
    }
  }
  if (rest.empty()) {
    return scNone;
  }
  for (WORD key = firstKeyOfParse; key <= lastKeyOfParse; ++key) {
    String name = KeyName(static_cast<WORD>(key & 0xFF));
    if (!name.empty() && SameName(name, rest)) {
      return static_cast<TShortCut>((key & 0xFF) | modifiers);
    }
  }
  return scNone;
}

TShortCut ShortCutOfKey(WORD key, bool altDown) {
  return MakeShortCut(key, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, altDown);
}
