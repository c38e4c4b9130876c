#pragma once

#include <cstddef>
#include <vector>

class TComponent;

// The global loading list of the calling thread: while a scope is open, every resource
// read on this thread collects its components in the scope's list, and FinishLoading runs
// on them only when the whole class chain of a form has been read. Scopes nest (a form
// built while another one loads opens its own). A private list (Kind::Private) collects
// the components of a single read made outside any scope; it is never Current.
//
// A component that goes while it waits in a list is taken out of it (Forget), so no list
// ever holds a freed component.
class TLoadingScope {
public:
  enum class Kind { Global, Private };

  explicit TLoadingScope(Kind kind = Kind::Global);
  ~TLoadingScope();
  TLoadingScope(const TLoadingScope&) = delete;
  TLoadingScope& operator=(const TLoadingScope&) = delete;

  std::vector<TComponent*>& List() { return loaded_; }
  // Calls FinishLoading on every component of this list, in list order.
  void FinishLoading();

  // The innermost open global list of the calling thread, or null.
  static std::vector<TComponent*>* Current();
  // Takes a component that goes away out of every list of the calling thread.
  static void Forget(const TComponent* component);

private:
  Kind kind_;
  std::vector<TComponent*> loaded_;
  // The index FinishLoading is at, kept in step when Forget takes components out.
  std::ptrdiff_t cursor_ = -1;
};
