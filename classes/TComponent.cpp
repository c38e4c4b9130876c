#include "TComponent.h"

#include "Fixups.h"
#include "Format.h"
#include "LoadingScope.h"
#include "TReader.h"

#include <algorithm>

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

bool IsValidIdent(const String& name) {
  return !name.empty() && IsIdentStart(name.front()) &&
         std::all_of(name.begin() + 1, name.end(), IsIdentChar);
}

void Erase(std::vector<TComponent*>& list, TComponent* component) {
  auto found = std::find(list.begin(), list.end(), component);
  if (found != list.end())
    list.erase(found);
}

} // namespace

TPublishedTables TComponent::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TComponent::Name, &TComponent::AssignName>("Name"),
      PublishedProperty<&TComponent::Tag, &TComponent::SetTag>("Tag"),
  };
  return {properties};
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr)
    owner->InsertComponent(this);
}

TComponent::~TComponent() {
  if (!destructionDone_)
    RunDestructionSteps();
}

void TComponent::Free() {
  BeforeDestruction();
  RunDestructionSteps();
  delete this;
}

void TComponent::BeforeDestruction() {}

void TComponent::RunDestructionSteps() {
  destructionDone_ = true;
  MarkDestroying();
  NotifyFreeNotifies();
  DestroyComponents();
  if (owner_ != nullptr)
    owner_->RemoveComponent(this);
  TLoadingScope::Forget(this);
  ForgetFixupsOf(*this);
}

void TComponent::MarkDestroying() {
  IncludeState(csDestroying);
  for (TComponent* component : components_)
    component->MarkDestroying();
}

void TComponent::NotifyFreeNotifies() {
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    Unlink(other);
    other->ComponentNotice(this, opRemove);
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* component = components_.back();
    RemoveComponent(component);
    component->Free();
  }
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError(Format(ModelText::ListIndexError, {index}));
  return components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty())
    return nullptr;
  for (TComponent* component : components_)
    if (SameName(component->name_, name))
      return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  CheckRename(component, String(), component->name_);
  if (component->owner_ != nullptr)
    component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  component->StoreInOwnerField(true);
  if (IsDesigning())
    component->SetDesigning(true);
  ComponentNotice(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->owner_ != this)
    return;
  ComponentNotice(component, opRemove);
  component->StoreInOwnerField(false);
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::StoreInOwnerField(bool present) {
  if (owner_ == nullptr || name_.empty())
    return;
  if (const TFieldInfo* field = owner_->ClassInfo().FindField(name_))
    field->store(*owner_, present ? this : nullptr);
}

void TComponent::AssignName(const String& name) {
  if (name == name_)
    return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError(Format(ModelText::InvalidComponentName, {name}));
  if (owner_ != nullptr)
    owner_->CheckRename(this, name_, name);
  else
    CheckRename(nullptr, name_, name);
  StoreInOwnerField(false);
  name_ = name;
  StoreInOwnerField(true);
}

void TComponent::CheckRename(TComponent* component, const String& oldName, const String& newName) {
  if (component != nullptr && !SameName(oldName, newName) && FindComponent(newName) != nullptr)
    throw EComponentError(Format(ModelText::DuplicateComponentName, {newName}));
}

void TComponent::SetDesigning(bool designing) {
  if (designing)
    IncludeState(csDesigning);
  else
    ExcludeState(csDesigning);
  for (TComponent* component : components_)
    component->SetDesigning(designing);
}

void TComponent::SetDesignPosition(std::int16_t left, std::int16_t top) {
  designLeft_ = left;
  designTop_ = top;
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this)
    return;
  if (owner_ == nullptr || component->owner_ != owner_) {
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
      freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
      component->freeNotifies_.push_back(this);
  }
  IncludeState(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component != nullptr)
    Unlink(component);
}

void TComponent::Unlink(TComponent* component) {
  Erase(freeNotifies_, component);
  Erase(component->freeNotifies_, this);
}

void TComponent::FinishLoading() { ExcludeState(csLoading); }

void TComponent::ComponentNotice(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr)
    RemoveFreeNotification(component);
  // A receiver may free or insert components, so the index is checked on every step.
  for (std::size_t i = components_.size(); i > 0; --i)
    if (i <= components_.size())
      components_[i - 1]->ComponentNotice(component, operation);
}

void TComponent::ReadOwnData(TReader& reader) { reader.ReadComponentData(*this); }

void TComponent::AttachParent(TComponent*) {}

TComponent* TComponent::ParentForChildren() { return this; }

TComponent* TComponent::OwnerForChildren() { return nullptr; }

TComponent* TComponent::StreamParent() { return nullptr; }

void TComponent::PlaceChild(TComponent*, int) {}

void TComponent::DeclareExtraProperties(TFiler& filer) {
  TPersistent::DeclareExtraProperties(filer);
  filer.OfferProperty("Left", [this](TReader& reader) {
    designLeft_ = static_cast<std::int16_t>(reader.ReadInteger());
  });
  filer.OfferProperty("Top", [this](TReader& reader) {
    designTop_ = static_cast<std::int16_t>(reader.ReadInteger());
  });
}
