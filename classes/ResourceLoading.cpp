#include "ResourceLoading.h"

#include "LoadingScope.h"
#include "NameSpaceLock.h"
#include "TComponent.h"
#include "TReader.h"

#include <optional>

namespace {

// Ancestors first: the resource of each class below stopClass, down to cls.
bool ReadClassChain(const TClassInfo& cls, const TClassInfo& stopClass, TComponent& instance) {
  if (&cls == &TComponent::StaticClassInfo() || &cls == &stopClass || cls.parent == nullptr)
    return false;
  bool found = ReadClassChain(*cls.parent, stopClass, instance);
  return ReadResourceInto(cls.name, nullptr, instance) || found;
}

} // namespace

bool LoadFromClassResources(TComponent& instance, const TClassInfo& stopClass) {
  TNameSpaceWriteGuard nameSpace;
  std::optional<TLoadingScope> scope;
  if (!instance.IsLoading() && !instance.IsInline())
    scope.emplace();
  bool found = ReadClassChain(instance.ClassInfo(), stopClass, instance);
  if (scope)
    scope->FinishLoading();
  return found;
}

bool ReadResourceInto(std::string_view resourceName, TModuleHandle module, TComponent& instance) {
  if (!TResourceStream::Exists(module, resourceName))
    return false;
  TResourceStream stream(module, resourceName);
  TReader reader(stream);
  reader.LoadRoot(&instance);
  return true;
}
