#include "Fixups.h"

#include "ComponentLookup.h"
#include "Exception.h"
#include "Format.h"
#include "ModelText.h"
#include "NameSpaceLock.h"
#include "TComponent.h"

#include <algorithm>
#include <atomic>
#include <mutex>

namespace {

struct TGlobalFixups {
  // Recursive: storing a reference runs a setter, which may free a component and so
  // come back here to drop its fix-ups.
  std::recursive_mutex mutex;
  std::vector<TPropFixup> list;
  // The list's size, readable without the lock: most objects go while nothing is pending.
  std::atomic<std::size_t> size{0};

  void Counted() { size.store(list.size(), std::memory_order_release); }
};

// Never destroyed: objects that outlive the program's static data still come here when
// they go.
TGlobalFixups& Global() {
  static auto* fixups = new TGlobalFixups;
  return *fixups;
}

// The innermost read in progress on this thread (the others hang from it). A plain pointer,
// so it lasts as long as the thread.
thread_local TPendingFixups* innermostPending = nullptr;

// The failure named after the property records the reference was read in, innermost first.
String PlacedMessage(const std::vector<TReadPlace>& places, String message) {
  for (auto place = places.rbegin(); place != places.rend(); ++place)
    message = Format(ModelText::PropertyInProperty,
                     {place->instance, ".", place->property, std::move(message)});
  return message;
}

void Store(const TPropFixup& fixup, TComponent* component) {
  try {
    fixup.property->write(*fixup.instance, TPropValue(static_cast<TObject*>(component)));
  } catch (const Exception& failure) {
    throw EReadError(PlacedMessage(fixup.places, failure.Message()));
  }
}

bool HoldsNone(const TPropFixup& fixup) {
  const TPropValue value = fixup.property->read(*fixup.instance);
  const auto* object = std::get_if<TObject*>(&value);
  return object == nullptr || *object == nullptr;
}

bool Concerns(const TPropFixup& fixup, const TPersistent* object) {
  return fixup.instance == object || fixup.holder == object || fixup.root == object;
}

void RemoveGlobalFixup(const TPropFixup& fixup) {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  std::erase_if(global.list, [&](const TPropFixup& other) {
    return other.instance == fixup.instance && other.property == fixup.property;
  });
  global.Counted();
}

void AddGlobalFixup(TPropFixup fixup) {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  global.list.push_back(std::move(fixup));
  global.Counted();
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

TPendingFixups::TPendingFixups(std::vector<TPropFixup>& list)
    : list_(list), outer_(innermostPending) {
  innermostPending = this;
}

TPendingFixups::~TPendingFixups() { innermostPending = outer_; }

void ResolveFixups(const std::vector<TPropFixup>& fixups) {
  // By index: a setter may free objects, which empties their entries but keeps the list.
  for (std::size_t i = 0; i < fixups.size(); ++i) {
    const TPropFixup& fixup = fixups[i];
    if (fixup.instance == nullptr)
      continue;
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
    global.Counted();
    if (root != nullptr)
      Store(fixup, FindNestedComponent(root, fixup.name));
  }
}

void RemoveGlobalFixups(const TComponent* root) {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  std::erase_if(global.list,
                [&](const TPropFixup& fixup) { return root == nullptr || fixup.root == root; });
  global.Counted();
}

void ForgetFixupsOf(const TPersistent& object) {
  for (TPendingFixups* pending = innermostPending; pending != nullptr; pending = pending->outer_)
    for (TPropFixup& fixup : pending->list_)
      if (Concerns(fixup, &object))
        fixup = TPropFixup{};
  TGlobalFixups& global = Global();
  if (global.size.load(std::memory_order_acquire) == 0)
    return;
  std::lock_guard lock(global.mutex);
  std::erase_if(global.list, [&](const TPropFixup& fixup) { return Concerns(fixup, &object); });
  global.Counted();
}

std::size_t GlobalFixupCount() {
  TGlobalFixups& global = Global();
  std::lock_guard lock(global.mutex);
  return global.list.size();
}
