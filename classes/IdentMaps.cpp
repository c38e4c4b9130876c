#include "IdentMaps.h"

#include "IntegerTypes.h"

#include <mutex>
#include <vector>

namespace {

constexpr std::int32_t kSystemColor = static_cast<std::int32_t>(0x80000000u);

constexpr TIdentMapEntry kColors[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {kSystemColor | 0, "clScrollBar"},
    {kSystemColor | 1, "clBackground"},
    {kSystemColor | 2, "clActiveCaption"},
    {kSystemColor | 3, "clInactiveCaption"},
    {kSystemColor | 4, "clMenu"},
    {kSystemColor | 5, "clWindow"},
    {kSystemColor | 6, "clWindowFrame"},
    {kSystemColor | 7, "clMenuText"},
    {kSystemColor | 8, "clWindowText"},
    {kSystemColor | 9, "clCaptionText"},
    {kSystemColor | 10, "clActiveBorder"},
    {kSystemColor | 11, "clInactiveBorder"},
    {kSystemColor | 12, "clAppWorkSpace"},
    {kSystemColor | 13, "clHighlight"},
    {kSystemColor | 14, "clHighlightText"},
    {kSystemColor | 15, "clBtnFace"},
    {kSystemColor | 16, "clBtnShadow"},
    {kSystemColor | 17, "clGrayText"},
    {kSystemColor | 18, "clBtnText"},
    {kSystemColor | 19, "clInactiveCaptionText"},
    {kSystemColor | 20, "clBtnHighlight"},
    {kSystemColor | 21, "cl3DDkShadow"},
    {kSystemColor | 22, "cl3DLight"},
    {kSystemColor | 23, "clInfoText"},
    {kSystemColor | 24, "clInfoBk"},
    {0x1FFFFFFF, "clNone"},
};

constexpr TIdentMapEntry kCharsets[] = {
    {0, "ANSI_CHARSET"},     {1, "DEFAULT_CHARSET"},      {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},     {128, "SHIFTJIS_CHARSET"},   {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},  {134, "GB2312_CHARSET"},     {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},  {162, "TURKISH_CHARSET"},    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"}, {186, "BALTIC_CHARSET"},     {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},   {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

constexpr TIdentMapEntry kCursors[] = {
    {0, "crDefault"},   {-2, "crArrow"},      {-3, "crCross"},      {-4, "crIBeam"},
    {-6, "crSizeNESW"}, {-7, "crSizeNS"},     {-8, "crSizeNWSE"},   {-9, "crSizeWE"},
    {-10, "crUpArrow"}, {-11, "crHourGlass"}, {-12, "crDrag"},      {-13, "crNoDrop"},
    {-14, "crHSplit"},  {-15, "crVSplit"},    {-16, "crMultiDrag"}, {-17, "crSQLWait"},
    {-18, "crNo"},      {-19, "crAppStart"},  {-20, "crHelp"},      {-21, "crHandPoint"},
    {-22, "crSizeAll"}, {-22, "crSize"},
};

struct TRegisteredMap {
  const TIntegerType* type;
  std::span<const TIdentMapEntry> map;
};

class TIdentMapRegistry {
public:
  TIdentMapRegistry() {
    maps_.push_back({&ColorType(), kColors});
    maps_.push_back({&CharsetType(), kCharsets});
    maps_.push_back({&CursorType(), kCursors});
  }

  void Add(const TIntegerType& type, std::span<const TIdentMapEntry> map) {
    std::lock_guard lock(mutex_);
    maps_.push_back({&type, map});
  }

  std::span<const TIdentMapEntry> Find(const TIntegerType& type) {
    std::lock_guard lock(mutex_);
    for (const TRegisteredMap& entry : maps_)
      if (entry.type == &type)
        return entry.map;
    return {};
  }

private:
  std::mutex mutex_;
  std::vector<TRegisteredMap> maps_;
};

TIdentMapRegistry& Registry() {
  static TIdentMapRegistry registry;
  return registry;
}

} // namespace

const TIntegerType& ColorType() {
  static const TIntegerType type{"TColor"};
  return type;
}

const TIntegerType& CharsetType() {
  static const TIntegerType type{"TFontCharset"};
  return type;
}

const TIntegerType& CursorType() {
  static const TIntegerType type{"TCursor"};
  return type;
}

std::span<const TIdentMapEntry> ColorIdents() { return kColors; }
std::span<const TIdentMapEntry> CharsetIdents() { return kCharsets; }
std::span<const TIdentMapEntry> CursorIdents() { return kCursors; }

void RegisterIdentMap(const TIntegerType& type, std::span<const TIdentMapEntry> map) {
  Registry().Add(type, map);
}

bool HasIdentMap(const TIntegerType& type) { return !Registry().Find(type).empty(); }

std::optional<std::int32_t> IdentToInt(const TIntegerType& type, std::string_view ident) {
  for (const TIdentMapEntry& entry : Registry().Find(type))
    if (SameName(entry.name, ident))
      return entry.value;
  return std::nullopt;
}

std::optional<String> IntToIdent(const TIntegerType& type, std::int32_t value) {
  for (const TIdentMapEntry& entry : Registry().Find(type))
    if (entry.value == value)
      return String(entry.name);
  return std::nullopt;
}
