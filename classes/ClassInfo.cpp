#include "ClassInfo.h"

#include "Published.h"
#include "TPersistent.h"

namespace {

// SameName and SameMemberName for a table's zero-terminated name, without measuring it
// first (the tables are searched for every property record read).
template <typename Equal> bool TableNameIs(const char* name, std::string_view wanted, Equal equal) {
  for (char c : wanted) {
    if (*name == '\0' || !equal(*name, c))
      return false;
    ++name;
  }
  return *name == '\0';
}

bool NameIs(const char* name, std::string_view wanted) {
  return TableNameIs(name, wanted, [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

bool MemberNameIs(const char* name, std::string_view wanted) {
  return TableNameIs(name, wanted, [](char a, char b) {
    return ((static_cast<unsigned char>(a) ^ static_cast<unsigned char>(b)) & ~0x20u) == 0;
  });
}

} // namespace

bool SameMemberName(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size())
    return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (((static_cast<unsigned char>(a[i]) ^ static_cast<unsigned char>(b[i])) & ~0x20u) != 0)
      return false;
  return true;
}

int TEnumType::Find(std::string_view member) const {
  for (std::size_t i = 0; i < members.size(); ++i)
    if (NameIs(members[i], member))
      return static_cast<int>(i);
  return -1;
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent)
    if (c == &ancestor)
      return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view propertyName) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent)
    for (const TPropInfo& property : c->properties)
      if (NameIs(property.name, propertyName))
        return &property;
  return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view methodName) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent)
    for (const TMethodInfo& method : c->methods)
      if (MemberNameIs(method.name, methodName))
        return &method;
  return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view fieldName) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->parent)
    for (const TFieldInfo& field : c->fields)
      if (MemberNameIs(field.name, fieldName))
        return &field;
  return nullptr;
}

const TClassInfo* TClassInfo::FindFieldClass(std::string_view className) const {
  const TClassInfo& stop = TPersistent::StaticClassInfo();
  for (const TClassInfo* c = this; c != nullptr && c != &stop; c = c->parent)
    for (const TFieldInfo& field : c->fields) {
      const TClassInfo& fieldClass = field.classType();
      if (NameIs(fieldClass.name, className))
        return &fieldClass;
    }
  return nullptr;
}

const TEnumType& BooleanType() {
  static constexpr const char* members[] = {"False", "True"};
  static const TEnumType type{"Boolean", members};
  return type;
}
