#include "Fixups.h"

#include "ComponentLookup.h"
#include "NameSpaceLock.h"
#include "TComponent.h"

#include <mutex>

namespace {

struct TGlobalFixups {
  // Recursive: storing a reference runs a setter, which may free a component and so
  // come back here to drop its fix-ups.
  std::recursive_mutex mutex;
  std::vector<TPropFixup> list;
};

TGlobalFixups& Global() {
  static TGlobalFixups fixups;
  return fixups;
}

void Store(const TPropFixup& fixup, TComponent* component) {
  fixup.property->write(*fixup.instance, TPropValue(static_cast<TObject*>(component)));
}

bool HoldsNone(const TPropFixup& fixup) {
  const TPropValue value = fixup.property->read(*fixup.instance);
  const auto* object = std::get_if<TObject*>(&value);
  return object == nullptr || *object == nullptr;
}

void RemoveGlobalFixup(const TPropFixup& fixup) {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  std::erase_if(global.list, [&](const TPropFixup& other) {
    return other.instance == fixup.instance && other.property == fixup.property;
  });
}

void AddGlobalFixup(TPropFixup fixup) {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  global.list.push_back(std::move(fixup));
}

// The next segment of a name path and the rest after its separator.
std::string_view NextSegment(std::string_view& path) {
  std::size_t end = 0;
  while (end < path.size() && path[end] != '.' && path.substr(end, 2) != "->")
    ++end;
  std::string_view segment = path.substr(0, end);
  if (end == path.size())
    path = {};
  else
    path.remove_prefix(end + (path[end] == '.' ? 1 : 2));
  return segment;
}

} // namespace

TComponent* FindNestedComponent(TComponent* root, std::string_view path) {
  if (path.empty())
    return nullptr;
  TComponent* current = root;
  while (current != nullptr && !path.empty()) {
    std::string_view segment = NextSegment(path);
    TComponent* found = current->FindComponent(segment);
    if (found == nullptr && SameName(segment, "Owner"))
      found = current;
    current = found;
  }
  return current;
}

void ResolveFixups(const std::vector<TPropFixup>& fixups) {
  for (const TPropFixup& fixup : fixups) {
    TComponent* component = FindNestedComponent(fixup.root, fixup.name);
    RemoveGlobalFixup(fixup);
    std::size_t dot = fixup.name.find('.');
    if (component != nullptr || dot == String::npos) {
      Store(fixup, component);
      continue;
    }
    TPropFixup global = fixup;
    global.rootName = fixup.name.substr(0, dot);
    global.name = fixup.name.substr(dot + 1);
    AddGlobalFixup(std::move(global));
  }
}

void ResolveGlobalFixups() {
  if (GlobalComponentLookup() == nullptr)
    return;
  TNameSpaceWriteGuard nameSpace;
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  for (std::size_t i = 0; i < global.list.size();) {
    TPropFixup fixup = global.list[i];
    TComponent* root = FindGlobalComponent(fixup.rootName);
    if (root == nullptr && HoldsNone(fixup)) {
      ++i;
      continue;
    }
    global.list.erase(global.list.begin() + static_cast<std::ptrdiff_t>(i));
    if (root != nullptr)
      Store(fixup, FindNestedComponent(root, fixup.name));
  }
}

void RemoveGlobalFixups(const TComponent* root) {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  std::erase_if(global.list,
                [&](const TPropFixup& fixup) { return root == nullptr || fixup.root == root; });
}

void RemoveFixupsOf(const TComponent* component) {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  std::erase_if(global.list, [&](const TPropFixup& fixup) {
    return fixup.holder == component || fixup.root == component;
  });
}

std::size_t GlobalFixupCount() {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  return global.list.size();
}
