#include "LoadingScope.h"

#include "TComponent.h"

#include <algorithm>

namespace {

thread_local std::vector<TLoadingScope*> openScopes;

} // namespace

TLoadingScope::TLoadingScope(Kind kind) : kind_(kind) { openScopes.push_back(this); }

TLoadingScope::~TLoadingScope() { std::erase(openScopes, this); }

void TLoadingScope::FinishLoading() {
  // FinishLoading may free components, which leave the list through Forget.
  for (cursor_ = 0; cursor_ < std::ssize(loaded_); ++cursor_)
    loaded_[static_cast<std::size_t>(cursor_)]->FinishLoading();
  cursor_ = -1;
}

std::vector<TComponent*>* TLoadingScope::Current() {
  for (auto scope = openScopes.rbegin(); scope != openScopes.rend(); ++scope)
    if ((*scope)->kind_ == Kind::Global)
      return &(*scope)->loaded_;
  return nullptr;
}

void TLoadingScope::Forget(const TComponent* component) {
  for (TLoadingScope* scope : openScopes) {
    auto found = std::find(scope->loaded_.begin(), scope->loaded_.end(), component);
    if (found == scope->loaded_.end())
      continue;
    if (found - scope->loaded_.begin() <= scope->cursor_)
      --scope->cursor_;
    scope->loaded_.erase(found);
  }
}
