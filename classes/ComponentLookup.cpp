#include "ComponentLookup.h"

#include "Format.h"

#include <atomic>

namespace {

std::atomic<TGlobalComponentLookup>& Lookup() {
  static std::atomic<TGlobalComponentLookup> lookup{nullptr};
  return lookup;
}

} // namespace

TGlobalComponentLookup SetGlobalComponentLookup(TGlobalComponentLookup lookup) {
  return Lookup().exchange(lookup);
}

TGlobalComponentLookup GlobalComponentLookup() { return Lookup().load(); }

TComponent* FindGlobalComponent(std::string_view name) {
  TGlobalComponentLookup lookup = GlobalComponentLookup();
  return lookup != nullptr ? lookup(name) : nullptr;
}

String UniqueRootName(const String& storedName, const TComponent* root) {
  if (GlobalComponentLookup() == nullptr)
    return String();
  auto taken = [root](const String& name) {
    TComponent* found = FindGlobalComponent(name);
    return found != nullptr && found != root;
  };
  String name = storedName;
  for (int counter = 1; taken(name); ++counter)
    name = Format("%s_%d", {storedName, counter});
  return name;
}
