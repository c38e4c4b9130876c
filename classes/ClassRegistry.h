#pragma once

#include "ClassInfo.h"

// The registered class list: classes found by name when a resource names a class that is
// not the class of a published field (and the class of a root read without an instance).
// Registering a class registers its ancestors up to, not including, TPersistent.
// Registering a name already registered for a different class fails with EFilerError
// "クラス名 %s はすでに使われています"; registering the same class again does nothing.
// Names compare ASCII case-insensitively; the list has its own lock.
void RegisterPersistentClass(const TClassInfo& info);
void RegisterClassAlias(const TClassInfo& info, std::string_view alias);
void UnregisterPersistentClass(const TClassInfo& info);
// The registered class of that name, then the class of that alias; null when neither.
const TClassInfo* FindRegisteredClass(std::string_view name);
