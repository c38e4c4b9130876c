#pragma once

// Published enumerations from one list of their members. The list is a macro that applies
// its argument to each member in ordinal order:
//
//   #define SORVANE_TWindowState(X) X(wsNormal) X(wsMinimized) X(wsMaximized)
//   SORVANE_ENUM(TWindowState, SORVANE_TWindowState)        // in the header
//   SORVANE_ENUM_TYPE(TWindowState, SORVANE_TWindowState)   // in the source
//
// The header gets the enumeration, its member count and the declaration of EnumTypeOf; the
// source gets EnumTypeOf with the member names. Both expand the same list; the source checks
// that every name is a member of the enumeration and that the names are as many as its
// members, so a list handed to the wrong enumeration does not compile.

#include "ClassInfo.h"

#include <cstddef>
#include <iterator>

#define SORVANE_ENUM_MEMBER(member) member,
#define SORVANE_ENUM_NAME(member) #member,
#define SORVANE_ENUM_ONE(member) +1

#define SORVANE_ENUM(Type, List)                                                                   \
  enum Type { List(SORVANE_ENUM_MEMBER) };                                                         \
  constexpr std::size_t EnumCount(Type) { return 0 List(SORVANE_ENUM_ONE); }                       \
  const TEnumType& EnumTypeOf(Type);

#define SORVANE_ENUM_TYPE(Type, List)                                                              \
  const TEnumType& EnumTypeOf(Type) {                                                              \
    [[maybe_unused]] static constexpr Type members[] = {List(SORVANE_ENUM_MEMBER)};                \
    static const char* const names[] = {List(SORVANE_ENUM_NAME)};                                  \
    static_assert(std::size(names) == EnumCount(Type{}), "names missing from " #Type);             \
    static const TEnumType type{#Type, names};                                                     \
    return type;                                                                                   \
  }
