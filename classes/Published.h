#pragma once

// Publishing a class: its class record (TClassInfo) with its tables of properties, methods
// and component fields, generated from member pointers.
//
//   class TButton : public TControl {
//   public:
//     SORVANE_CLASS(TButton, TControl)
//     SORVANE_PUBLISHED
//     explicit TButton(TComponent* owner);
//     String Caption() const;
//     void SetCaption(const String& caption);
//     TNotifyEvent OnClick;
//   };
//
//   TPublishedTables TButton::Published() {
//     static const TPropInfo properties[] = {
//         PublishedProperty<&TButton::Caption, &TButton::SetCaption>("Caption"),
//         PublishedProperty<&TButton::OnClick>("OnClick"),
//     };
//     return {properties};
//   }
//
// SORVANE_CLASS gives the record its name and its parent record; a class that publishes
// nothing of its own needs nothing else. SORVANE_PUBLISHED declares Published, which gives
// the class's own tables (properties, then methods, then fields).
//
// A property is a getter (a const member function, or a data member that is read and
// written directly) and an optional setter; without one it is read-only. Its kind follows
// from the getter's type: bool and enumerations with EnumTypeOf (enumeration), char,
// integers (64-bit ones as Int64; types with IntegerTypeOf use that identifier map),
// floating point, String, TSet<E>, pointers to TObject descendants (class), TEvent<...>
// (method) and TVariant. An enumeration is published with SORVANE_ENUM
// (PublishedEnum.h), which declares its EnumTypeOf.
//
// The record is built on first use inside StaticClassInfo, so records never depend on the
// order of static initialisation.

#include "ClassInfo.h"
#include "Exception.h"
#include "ModelText.h"
#include "TEvent.h"
#include "TSet.h"
#include "TVariant.h"

#include <cmath>
#include <limits>
#include <type_traits>

// Names Class and its base for the class record; goes first in the public section. Base
// must be a base class of Class (checked when the record is built).
#define SORVANE_CLASS(Class, Base)                                                                 \
  using ThisClass = Class;                                                                         \
  using Inherited = Base;                                                                          \
  static const TClassInfo& StaticClassInfo() {                                                     \
    static_assert(std::is_base_of_v<Base, Class>, #Base " is not a base class of " #Class);        \
    static const TClassInfo info = DescribeClass<Class>(#Class);                                   \
    return info;                                                                                   \
  }                                                                                                \
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

// Declares Published, the tables of what the class itself publishes; goes in the public
// section after SORVANE_CLASS.
#define SORVANE_PUBLISHED                                                                          \
  using PublishedBy = ThisClass;                                                                   \
  static TPublishedTables Published();

// What a class publishes itself (its ancestors' tables stay in their own records).
struct TPublishedTables {
  std::span<const TPropInfo> properties = {};
  std::span<const TMethodInfo> methods = {};
  std::span<const TFieldInfo> fields = {};
};

// The Boolean enumeration: False, True.
const TEnumType& BooleanType();

namespace Publishing {

template <typename V>
concept IdentInteger = requires(V v) {
  { IntegerTypeOf(v) } -> std::same_as<const TIntegerType&>;
};

template <typename V>
concept PublishedEnum = std::is_enum_v<V> && requires(V v) {
  { EnumTypeOf(v) } -> std::same_as<const TEnumType&>;
};

template <typename V>
concept ObjectPointer =
    std::is_pointer_v<V> && std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<V>>>;

template <typename V> struct TSetTraits : std::false_type {};
template <typename E> struct TSetTraits<TSet<E>> : std::true_type { using Element = E; };

template <typename V> struct TEventTraits : std::false_type {};
template <typename... Args> struct TEventTraits<TEvent<Args...>> : std::true_type {
  static constexpr const void* signature = SignatureOf<Args...>;
};

template <typename V> constexpr TPropKind KindOf() {
  if constexpr (std::is_same_v<V, bool> || PublishedEnum<V>)
    return TPropKind::Enumeration;
  else if constexpr (std::is_same_v<V, char>)
    return TPropKind::Char;
  else if constexpr (IdentInteger<V>)
    return TPropKind::Integer;
  else if constexpr (std::is_integral_v<V>)
    return sizeof(V) > 4 ? TPropKind::Int64 : TPropKind::Integer;
  else if constexpr (std::is_floating_point_v<V>)
    return TPropKind::Float;
  else if constexpr (std::is_same_v<V, String>)
    return TPropKind::Text;
  else if constexpr (TSetTraits<V>::value)
    return TPropKind::Set;
  else if constexpr (ObjectPointer<V>)
    return TPropKind::Class;
  else if constexpr (TEventTraits<V>::value)
    return TPropKind::Method;
  else {
    static_assert(std::is_same_v<V, TVariant>, "this type cannot be published");
    return TPropKind::Variant;
  }
}

// A floating-point value narrowed the IEEE way: out of range gives an infinity.
template <typename F> F NarrowFloat(long double value) {
  if (value > static_cast<long double>(std::numeric_limits<F>::max()))
    return std::numeric_limits<F>::infinity();
  if (value < static_cast<long double>(std::numeric_limits<F>::lowest()))
    return -std::numeric_limits<F>::infinity();
  return static_cast<F>(value);
}

[[noreturn]] inline void InvalidValue() { throw EReadError(ModelText::InvalidPropertyValue); }

template <typename V> TPropValue ToPropValue(const V& value) {
  constexpr TPropKind kind = KindOf<V>();
  if constexpr (kind == TPropKind::Enumeration || kind == TPropKind::Integer)
    return static_cast<std::int32_t>(value);
  else if constexpr (kind == TPropKind::Int64)
    return static_cast<std::int64_t>(value);
  else if constexpr (kind == TPropKind::Float)
    return static_cast<long double>(value);
  else if constexpr (kind == TPropKind::Set)
    return value.Bits();
  else if constexpr (kind == TPropKind::Class)
    return static_cast<TObject*>(const_cast<std::remove_cv_t<std::remove_pointer_t<V>>*>(value));
  else if constexpr (kind == TPropKind::Method)
    return value.Method();
  else
    return value;
}

template <typename V> V FromPropValue(const TPropValue& value) {
  constexpr TPropKind kind = KindOf<V>();
  if constexpr (std::is_same_v<V, bool>)
    return std::get<std::int32_t>(value) != 0;
  else if constexpr (std::is_enum_v<V>)
    return static_cast<V>(static_cast<std::underlying_type_t<V>>(std::get<std::int32_t>(value)));
  else if constexpr (kind == TPropKind::Integer)
    return static_cast<V>(std::get<std::int32_t>(value));
  else if constexpr (kind == TPropKind::Int64)
    return static_cast<V>(std::get<std::int64_t>(value));
  else if constexpr (kind == TPropKind::Float)
    return NarrowFloat<V>(std::get<long double>(value));
  else if constexpr (kind == TPropKind::Set)
    return V::FromBits(std::get<std::uint32_t>(value));
  else if constexpr (kind == TPropKind::Class) {
    TObject* object = std::get<TObject*>(value);
    V result = dynamic_cast<V>(object);
    if (object != nullptr && result == nullptr)
      InvalidValue();
    return result;
  } else if constexpr (kind == TPropKind::Method) {
    const TMethod& method = std::get<TMethod>(value);
    if (method.code != nullptr && method.signature != TEventTraits<V>::signature)
      InvalidValue();
    return V::FromMethod(method);
  } else
    return std::get<V>(value);
}

// What a getter, setter or member pointer belongs to and what it gives or takes.
template <typename M> struct TAccessor;
template <typename T, typename R> struct TAccessor<R (T::*)() const> {
  using Class = T;
  using Value = std::remove_cvref_t<R>;
  static constexpr bool isData = false;
};
template <typename T, typename R> struct TAccessor<R (T::*)() const noexcept> {
  using Class = T;
  using Value = std::remove_cvref_t<R>;
  static constexpr bool isData = false;
};
template <typename T, typename V>
requires(!std::is_function_v<V>) struct TAccessor<V T::*> {
  using Class = T;
  using Value = V;
  static constexpr bool isData = true;
};
template <typename T, typename A> struct TAccessor<void (T::*)(A)> {
  using Class = T;
  using Value = std::remove_cvref_t<A>;
  static constexpr bool isData = false;
};
template <typename T, typename A> struct TAccessor<void (T::*)(A) noexcept> {
  using Class = T;
  using Value = std::remove_cvref_t<A>;
  static constexpr bool isData = false;
};

template <auto Getter> TPropValue ReadThunk(const TObject& object) {
  using Get = TAccessor<decltype(Getter)>;
  const auto& self = static_cast<const typename Get::Class&>(object);
  if constexpr (Get::isData)
    return ToPropValue<typename Get::Value>(self.*Getter);
  else
    return ToPropValue<typename Get::Value>((self.*Getter)());
}

template <auto Getter> void WriteMemberThunk(TObject& object, const TPropValue& value) {
  using Get = TAccessor<decltype(Getter)>;
  static_cast<typename Get::Class&>(object).*Getter = FromPropValue<typename Get::Value>(value);
}

template <auto Setter> void WriteThunk(TObject& object, const TPropValue& value) {
  using Set = TAccessor<decltype(Setter)>;
  (static_cast<typename Set::Class&>(object).*Setter)(FromPropValue<typename Set::Value>(value));
}

template <typename V> const TEnumType* EnumTypeFor() {
  if constexpr (std::is_same_v<V, bool>)
    return &BooleanType();
  else if constexpr (PublishedEnum<V>)
    return &EnumTypeOf(V{});
  else if constexpr (TSetTraits<V>::value)
    return &EnumTypeOf(typename TSetTraits<V>::Element{});
  else
    return nullptr;
}

template <typename V> TClassInfoGetter ClassTypeFor() {
  if constexpr (ObjectPointer<V>)
    return &std::remove_cv_t<std::remove_pointer_t<V>>::StaticClassInfo;
  else
    return nullptr;
}

template <typename V> const TIntegerType* IntegerTypeFor() {
  if constexpr (IdentInteger<V>)
    return &IntegerTypeOf(V{});
  else
    return nullptr;
}

template <typename V> const void* SignatureFor() {
  if constexpr (TEventTraits<V>::value)
    return TEventTraits<V>::signature;
  else
    return nullptr;
}

template <typename M> struct TMethodTraits;
template <typename T, typename... Args> struct TMethodTraits<void (T::*)(Args...)> {
  static constexpr const void* signature = SignatureOf<Args...>;
};

template <auto F> void StoreField(TObject& owner, TComponent* component) {
  using Field = TAccessor<decltype(F)>;
  using C = std::remove_pointer_t<typename Field::Value>;
  static_cast<typename Field::Class&>(owner).*F = dynamic_cast<C*>(component);
}

template <typename T>
concept PublishesItself = requires {
  typename T::PublishedBy;
}
&&std::is_same_v<typename T::PublishedBy, T>;

template <typename T> TComponentFactory FactoryOf() {
  if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                std::is_constructible_v<T, TComponent*>)
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
  else
    return nullptr;
}

} // namespace Publishing

// A published property; see the top of this file.
template <auto Getter, auto Setter = nullptr> TPropInfo PublishedProperty(const char* name) {
  using Value = typename Publishing::TAccessor<decltype(Getter)>::Value;
  TPropInfo info{name,
                 Publishing::KindOf<Value>(),
                 Publishing::EnumTypeFor<Value>(),
                 Publishing::ClassTypeFor<Value>(),
                 Publishing::IntegerTypeFor<Value>(),
                 Publishing::SignatureFor<Value>(),
                 &Publishing::ReadThunk<Getter>,
                 nullptr};
  if constexpr (!std::is_same_v<decltype(Setter), std::nullptr_t>)
    info.write = &Publishing::WriteThunk<Setter>;
  else if constexpr (Publishing::TAccessor<decltype(Getter)>::isData)
    info.write = &Publishing::WriteMemberThunk<Getter>;
  return info;
}

// A published method (an event handler the loader binds by name): a member function
// void (T::*)(Args...) whose parameters match the event it is bound to.
template <auto M> TMethodInfo PublishedMethod(const char* name) {
  return {name, reinterpret_cast<TMethodCode>(&TMethodThunk<M>::Call),
          Publishing::TMethodTraits<decltype(M)>::signature};
}

// A published component field: a data member C* T::* with C a component class.
template <auto F> TFieldInfo PublishedField(const char* name) {
  using C = std::remove_pointer_t<typename Publishing::TAccessor<decltype(F)>::Value>;
  return {name, &C::StaticClassInfo, &Publishing::StoreField<F>};
}

// The class record of T named name, with the record of T::Inherited as its parent and the
// tables T declares with SORVANE_PUBLISHED. Components that can be constructed from an owner
// get the factory `new T(owner)`.
template <typename T> TClassInfo DescribeClass(const char* name) {
  TPublishedTables tables;
  if constexpr (Publishing::PublishesItself<T>)
    tables = T::Published();
  return {name,
          &T::Inherited::StaticClassInfo(),
          Publishing::FactoryOf<T>(),
          tables.properties,
          tables.methods,
          tables.fields};
}
