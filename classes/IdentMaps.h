#pragma once

#include "ClassInfo.h"

#include <optional>
#include <span>

// One row of an identifier map.
struct TIdentMapEntry {
  std::int32_t value;
  const char* name;
};

// The registered identifier maps: per integer type, the identifiers its published
// properties may be stored as. The colour, charset and cursor maps are always present.
// Lookups are ASCII case-insensitive and the first matching row wins. The registry has its
// own lock; a registered table must outlive the process's use of it.
void RegisterIdentMap(const TIntegerType& type, std::span<const TIdentMapEntry> map);
bool HasIdentMap(const TIntegerType& type);
std::optional<std::int32_t> IdentToInt(const TIntegerType& type, std::string_view ident);
std::optional<String> IntToIdent(const TIntegerType& type, std::int32_t value);

std::span<const TIdentMapEntry> ColorIdents();
std::span<const TIdentMapEntry> CharsetIdents();
std::span<const TIdentMapEntry> CursorIdents();
