#include "ClassRegistry.h"

#include "Exception.h"
#include "Format.h"
#include "ModelText.h"
#include "TPersistent.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct TAlias {
  String name;
  const TClassInfo* info;
};

struct TRegistry {
  std::mutex mutex;
  std::vector<const TClassInfo*> classes;
  std::vector<TAlias> aliases;

  const TClassInfo* FindClass(std::string_view name) const {
    for (const TClassInfo* info : classes)
      if (SameName(info->name, name))
        return info;
    return nullptr;
  }
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

} // namespace

void RegisterPersistentClass(const TClassInfo& info) {
  TRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  const TClassInfo& stop = TPersistent::StaticClassInfo();
  std::vector<const TClassInfo*> added;
  for (const TClassInfo* c = &info; c != nullptr && c != &stop; c = c->parent) {
    const TClassInfo* known = registry.FindClass(c->name);
    if (known == c)
      break;
    if (known != nullptr)
      throw EFilerError(Format(ModelText::DuplicateClassName, {c->name}));
    added.push_back(c);
  }
  registry.classes.insert(registry.classes.end(), added.begin(), added.end());
}

void RegisterClassAlias(const TClassInfo& info, std::string_view alias) {
  TRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  registry.aliases.push_back({String(alias), &info});
}

void UnregisterPersistentClass(const TClassInfo& info) {
  TRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  std::erase(registry.classes, &info);
  std::erase_if(registry.aliases, [&](const TAlias& alias) { return alias.info == &info; });
}

const TClassInfo* FindRegisteredClass(std::string_view name) {
  TRegistry& registry = Registry();
  std::lock_guard lock(registry.mutex);
  if (const TClassInfo* info = registry.FindClass(name))
    return info;
  for (const TAlias& alias : registry.aliases)
    if (SameName(alias.name, name))
      return alias.info;
  return nullptr;
}
