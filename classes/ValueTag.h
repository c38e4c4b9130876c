#pragma once

#include <cstdint>

// The tag byte in front of every value of a form resource.
enum TValueType : std::uint8_t {
  ValueNull = 0,
  ValueList = 1,
  ValueInt8 = 2,
  ValueInt16 = 3,
  ValueInt32 = 4,
  ValueExtended = 5,
  ValueString = 6,
  ValueIdent = 7,
  ValueFalse = 8,
  ValueTrue = 9,
  ValueBinary = 10,
  ValueSet = 11,
  ValueLongString = 12,
  ValueNil = 13,
  ValueCollection = 14,
  ValueSingle = 15,
  ValueCurrency = 16,
  ValueDate = 17,
  ValueWideString = 18,
  ValueInt64 = 19,
};

// The flags of an object record's prefix byte (0xF0 plus these bits).
enum TFilerFlag : std::uint8_t {
  FlagInherited = 1,
  FlagChildPos = 2,
  FlagInline = 4,
};

inline constexpr std::uint8_t PrefixMark = 0xF0;
