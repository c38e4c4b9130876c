// The loading half of TReader: objects, properties and references.

#include "ClassRegistry.h"
#include "ComponentLookup.h"
#include "Exception.h"
#include "Format.h"
#include "IdentMaps.h"
#include "LoadingScope.h"
#include "ModelText.h"
#include "NameSpaceLock.h"
#include "TCollection.h"
#include "TComponent.h"
#include "TReader.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

using TCreated = std::unique_ptr<TComponent, TFreeComponent>;

// Restores a reader field when it goes, also on failure.
template <typename T> class TRestore {
public:
  explicit TRestore(T& field) : field_(field), saved_(field) {}
  ~TRestore() { field_ = saved_; }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

private:
  T& field_;
  T saved_;
};

void AppendOnce(std::vector<TComponent*>& list, TComponent* component) {
  if (std::find(list.begin(), list.end(), component) == list.end())
    list.push_back(component);
}

String InstanceName(const TPersistent& instance) {
  const auto* component = dynamic_cast<const TComponent*>(&instance);
  if (component != nullptr && !component->Name().empty())
    return component->Name();
  return instance.ClassName();
}

[[noreturn]] void ThrowClassNotFound(std::string_view className) {
  throw EClassNotFound(Format(ModelText::ClassNotFound, {className}));
}

// A class by name: the field class table of from's class chain, then the registered
// classes and their aliases.
const TClassInfo* FindClassFrom(const TComponent* from, std::string_view className) {
  const TClassInfo* found = from != nullptr ? from->ClassInfo().FindFieldClass(className) : nullptr;
  return found != nullptr ? found : FindRegisteredClass(className);
}

} // namespace

TComponent* TReader::LoadRoot(TComponent* root) {
  ReadSignature();
  TNameSpaceWriteGuard nameSpace;
  TComponent* given = root;
  TCreated created;
  try {
    TNesting nesting(*this);
    ReadPrefix();
    root = ReadRootHeader(root, created);
    root_ = root;
    lookupRoot_ = root;
    TLoadingScope privateScope(TLoadingScope::Kind::Private);
    std::vector<TComponent*>* scopeList = TLoadingScope::Current();
    loaded_ = scopeList != nullptr ? scopeList : &privateScope.List();
    AppendOnce(*loaded_, root);
    owner_ = root;
    root->IncludeState(csLoading);
    root->IncludeState(csReading);
    root->ReadOwnData(*this);
    root->ExcludeState(csReading);
    if (scopeList == nullptr)
      privateScope.FinishLoading();
    loaded_ = nullptr;
    ResolveGlobalFixups();
  } catch (...) {
    loaded_ = nullptr;
    if (given != nullptr)
      RemoveGlobalFixups(given);
    throw;
  }
  created.release();
  return root;
}

TComponent* TReader::ReadRootHeader(TComponent* root, TCreated& created) {
  if (root != nullptr) {
    ReadShortString();
    if (root->IsDesigning()) {
      ReadShortString();
    } else {
      root->IncludeState(csLoading);
      root->IncludeState(csReading);
      root->AssignName(UniqueRootName(ReadShortString(), root));
    }
    return root;
  }
  String className = ReadShortString();
  const TClassInfo* info = FindRegisteredClass(className);
  if (info == nullptr || info->create == nullptr)
    ThrowClassNotFound(className);
  created.reset(info->create(nullptr));
  created->AssignName(ReadShortString());
  return created.get();
}

const TClassInfo& TReader::FindChildClass(std::string_view className) const {
  const TClassInfo* found = FindClassFrom(root_, className);
  if (found == nullptr && lookupRoot_ != root_)
    found = FindClassFrom(lookupRoot_, className);
  if (found == nullptr || found->create == nullptr ||
      !found->InheritsFrom(TComponent::StaticClassInfo()))
    ThrowClassNotFound(className);
  return *found;
}

TComponent* TReader::LoadChild(TComponent* existing) {
  TNesting nesting(*this);
  TObjectPrefix prefix = ReadPrefix();
  String className = ReadShortString();
  String objectName = ReadShortString();
  TRestore<TComponent*> keepParent(parent_);
  TRestore<TComponent*> keepLookupRoot(lookupRoot_);
  const bool inherited = (prefix.flags & FlagInherited) != 0;

  TCreated created;
  TComponent* result = existing;
  if (result == nullptr && inherited) {
    FindChildClass(className);
    result = lookupRoot_ != nullptr ? lookupRoot_->FindComponent(objectName) : nullptr;
    if (result == nullptr)
      throw EReadError(Format(ModelText::AncestorNotFound, {objectName}));
    TComponent* streamParent = result->StreamParent();
    parent_ = streamParent != nullptr ? streamParent : root_;
  } else if (result == nullptr) {
    const TClassInfo& info = FindChildClass(className);
    created.reset(info.create(owner_));
    result = created.get();
    if ((prefix.flags & FlagInline) != 0)
      result->IncludeState(csInline);
  }
  result->IncludeState(csLoading);
  if (!inherited) {
    result->AttachParent(parent_);
    result->AssignName(objectName);
    if (FindGlobalComponent(objectName) == result)
      result->IncludeState(csInline);
  }

  if (result->IsInline())
    lookupRoot_ = result;
  result->IncludeState(csReading);
  result->ReadOwnData(*this);
  result->ExcludeState(csReading);
  if ((prefix.flags & FlagChildPos) != 0 && parent_ != nullptr)
    parent_->PlaceChild(result, prefix.childPosition);
  if (loaded_ != nullptr && (inherited || result->IsInline()))
    AppendOnce(*loaded_, result);
  else if (loaded_ != nullptr)
    loaded_->push_back(result);
  created.release();
  return result;
}

void TReader::ReadComponentData(TComponent& component) {
  std::vector<TPropFixup> fixups;
  const bool outermost = fixups_ == nullptr;
  TRestore<std::vector<TPropFixup>*> keepFixups(fixups_);
  std::optional<TPendingFixups> pending;
  if (outermost) {
    fixups_ = &fixups;
    pending.emplace(fixups);
  }

  while (!EndOfList())
    LoadProperty(component);
  ReadValueTag();
  {
    TRestore<TComponent*> keepParent(parent_);
    TRestore<TComponent*> keepOwner(owner_);
    parent_ = component.ParentForChildren();
    TComponent* owner = component.OwnerForChildren();
    owner_ = owner != nullptr ? owner : root_;
    while (!EndOfList())
      LoadChild(nullptr);
    ReadValueTag();
  }
  if (outermost)
    ResolveFixups(fixups);
}

void TReader::LoadProperty(TPersistent& instance) {
  String path = ReadShortString();
  TRestore<TComponent*> keepHolder(holder_);
  if (auto* component = dynamic_cast<TComponent*>(&instance))
    holder_ = component;
  TRestore<const TPropertyRecord*> keepRecord(record_);
  const TPropertyRecord record{&instance, &path, record_};
  record_ = &record;
  try {
    LoadPropertyPath(instance, path, holder_);
  } catch (const Exception& failure) {
    throw EReadError(Format(ModelText::PropertyInProperty,
                            {InstanceName(instance), ".", path, failure.Message()}));
  }
}

std::vector<TReadPlace> TReader::ReadPlaces() const {
  std::vector<TReadPlace> places;
  for (const TPropertyRecord* record = record_; record != nullptr; record = record->outer)
    places.push_back({InstanceName(*record->instance), *record->path});
  std::reverse(places.begin(), places.end());
  return places;
}

void TReader::LoadPropertyPath(TPersistent& instance, const String& path, TComponent* holder) {
  TPersistent* target = &instance;
  std::string_view rest = path;
  for (std::size_t dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.')) {
    const TPropInfo* property = target->ClassInfo().FindProperty(rest.substr(0, dot));
    if (property == nullptr) {
      SkipValue();
      throw EReadError(ModelText::UnknownProperty);
    }
    TPersistent* next = nullptr;
    if (property->kind == TPropKind::Class)
      next = dynamic_cast<TPersistent*>(std::get<TObject*>(property->read(*target)));
    if (next == nullptr) {
      SkipValue();
      throw EReadError(ModelText::InvalidPropertyPath);
    }
    target = next;
    rest.remove_prefix(dot + 1);
  }
  if (const TPropInfo* property = target->ClassInfo().FindProperty(rest)) {
    ReadPropertyValue(*target, *property, holder);
    return;
  }
  pendingName_ = String(rest);
  pending_ = true;
  try {
    target->DeclareExtraProperties(*this);
  } catch (...) {
    pending_ = false;
    throw;
  }
  if (std::exchange(pending_, false)) {
    SkipValue();
    throw EReadError(ModelText::UnknownProperty);
  }
}

void TReader::OfferProperty(std::string_view name, const TReadRoutine& read) {
  if (pending_ && read && SameName(pendingName_, name)) {
    pending_ = false;
    read(*this);
  }
}

void TReader::OfferBinaryProperty(std::string_view name, const TBinaryReadRoutine& read) {
  if (!pending_ || !read || !SameName(pendingName_, name))
    return;
  pending_ = false;
  CheckValue(ValueBinary);
  std::uint32_t length = ReadLength();
  TMemoryStream block;
  std::uint8_t part[256];
  for (std::uint32_t left = length; left > 0;) {
    std::uint32_t size = std::min<std::uint32_t>(left, sizeof part);
    ReadBytes(part, size);
    block.Write(part, size);
    left -= size;
  }
  block.SetPosition(0);
  read(block);
}

void TReader::ReadPropertyValue(TPersistent& instance, const TPropInfo& property,
                                TComponent* holder) {
  if (property.write == nullptr)
    throw EReadError(ModelText::ReadOnlyProperty);
  switch (property.kind) {
  case TPropKind::Integer:
    ReadIntegerProperty(instance, property);
    break;
  case TPropKind::Char:
    property.write(instance, ReadChar());
    break;
  case TPropKind::Enumeration:
    ReadEnumProperty(instance, property);
    break;
  case TPropKind::Float:
    property.write(instance, ReadFloat());
    break;
  case TPropKind::Text:
    property.write(instance, ReadString());
    break;
  case TPropKind::Set:
    property.write(instance, ReadSet(*property.enumType));
    break;
  case TPropKind::Class:
    ReadClassProperty(instance, property, holder);
    break;
  case TPropKind::Method:
    ReadMethodProperty(instance, property);
    break;
  case TPropKind::Variant:
    property.write(instance, ReadVariant());
    break;
  case TPropKind::Int64:
    property.write(instance, ReadInt64());
    break;
  }
}

void TReader::ReadIntegerProperty(TPersistent& instance, const TPropInfo& property) {
  if (PeekValueTag() != ValueIdent) {
    property.write(instance, ReadInteger());
    return;
  }
  String ident = ReadIdentifier();
  std::optional<std::int32_t> value;
  if (property.integerType != nullptr)
    value = IdentToInt(*property.integerType, ident);
  if (!value)
    InvalidValue();
  property.write(instance, *value);
}

void TReader::ReadEnumProperty(TPersistent& instance, const TPropInfo& property) {
  int ordinal = property.enumType->Find(ReadIdentifier());
  if (ordinal < 0)
    InvalidValue();
  property.write(instance, std::int32_t{ordinal});
}

void TReader::ReadClassProperty(TPersistent& instance, const TPropInfo& property,
                                TComponent* holder) {
  switch (PeekValueTag()) {
  case ValueNil:
    ReadValueTag();
    property.write(instance, static_cast<TObject*>(nullptr));
    return;
  case ValueCollection: {
    ReadValueTag();
    auto* collection = dynamic_cast<TCollection*>(std::get<TObject*>(property.read(instance)));
    if (collection == nullptr)
      InvalidValue();
    ReadCollection(*collection);
    return;
  }
  default:
    break;
  }
  String name = ReadIdentifier();
  if (fixups_ == nullptr)
    InvalidValue();
  fixups_->push_back(
      {&instance, holder, root_, &property, std::move(name), String(), ReadPlaces()});
}

void TReader::ReadMethodProperty(TPersistent& instance, const TPropInfo& property) {
  if (PeekValueTag() == ValueNil) {
    ReadValueTag();
    property.write(instance, TMethod{});
    return;
  }
  String name = ReadIdentifier();
  const TMethodInfo* method = root_ != nullptr ? root_->ClassInfo().FindMethod(name) : nullptr;
  if (method == nullptr || method->signature != property.signature)
    InvalidValue();
  property.write(instance, TMethod{method->code, root_, method->signature});
}
