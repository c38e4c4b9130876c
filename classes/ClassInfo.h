#pragma once

#include "AsciiCase.h"
#include "String.h"
#include "TEvent.h"
#include "TVariant.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

class TComponent;

// The kinds of published property the form reader can set.
enum class TPropKind {
  Integer,
  Char,
  Enumeration,
  Float,
  Text,
  Set,
  Class,
  Method,
  Variant,
  Int64
};

// An enumeration: its name and its member names in ordinal order (also the element type
// of a set property).
struct TEnumType {
  const char* name;
  std::span<const char* const> members;

  // The ordinal of the member of that name (ASCII case-insensitive), or -1.
  int Find(std::string_view member) const;
};

// The identity of an integer type that has an identifier map (colour, charset, cursor).
struct TIntegerType {
  const char* name;
};

// A property value in the form the reader hands it over: integer and enumeration
// ordinals as int32, char, floating point, text, set bits, object, bound method, variant,
// 64-bit integer.
using TPropValue = std::variant<std::int32_t, char, long double, String, std::uint32_t, TObject*,
                                TMethod, TVariant, std::int64_t>;

using TClassInfoGetter = const TClassInfo& (*)();

// One published property. The type details that apply to its kind are set, the others
// null. A property without write is read-only: the reader refuses to set it.
struct TPropInfo {
  const char* name;
  TPropKind kind;
  const TEnumType* enumType;       // Enumeration; the element enumeration of a Set
  TClassInfoGetter classType;      // Class
  const TIntegerType* integerType; // Integer with an identifier map
  const void* signature;           // Method: SignatureOf the event's parameters
  TPropValue (*read)(const TObject& object);
  void (*write)(TObject& object, const TPropValue& value);
};

// One published method: its name and its code, called on the root object.
struct TMethodInfo {
  const char* name;
  TMethodCode code;
  const void* signature;
};

// One published component field: where an owner keeps the component of the same name.
// store keeps only a component of the field's class (anything else stores none).
struct TFieldInfo {
  const char* name;
  TClassInfoGetter classType;
  void (*store)(TObject& owner, TComponent* component);
};

using TComponentFactory = TComponent* (*)(TComponent* owner);

// The class record of a streamable class (one static instance per class, see
// DescribeClass in Published.h). Lookups walk from the class up through its ancestors.
struct TClassInfo {
  const char* name;
  const TClassInfo* parent;
  // Creates an instance with that owner (new T(owner)); null for classes that are not
  // components or cannot be created.
  TComponentFactory create;
  std::span<const TPropInfo> properties;
  std::span<const TMethodInfo> methods;
  std::span<const TFieldInfo> fields;

  bool InheritsFrom(const TClassInfo& ancestor) const;
  // Property by name, ASCII case-insensitive.
  const TPropInfo* FindProperty(std::string_view propertyName) const;
  // Method and field by name: same length, bytes equal but for bit 0x20.
  const TMethodInfo* FindMethod(std::string_view methodName) const;
  const TFieldInfo* FindField(std::string_view fieldName) const;
  // The class of a published field of this class or an ancestor, by class name
  // (case-insensitive), up to but not including TPersistent: the field class table.
  const TClassInfo* FindFieldClass(std::string_view className) const;
};

// The method and field table comparison: equal lengths, bytes equal ignoring bit 0x20.
bool SameMemberName(std::string_view a, std::string_view b) noexcept;
