#include "ControlTags.h"

#include <cstdio>

namespace {

class TagAtoms {
public:
  TagAtoms() {
    char name[64];
    std::snprintf(name, sizeof name, "Velkor%.8lX", GetCurrentProcessId());
    owner_ = GlobalAddAtomA(name);
    std::snprintf(
        name, sizeof name, "ControlOfs%.8llX%.8lX",
        static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr))),
        GetCurrentThreadId());
    control_ = GlobalAddAtomA(name);
  }
  TagAtoms(const TagAtoms&) = delete;
  TagAtoms& operator=(const TagAtoms&) = delete;

  void Delete() {
    if (control_) {
      GlobalDeleteAtom(control_);
      GlobalDeleteAtom(owner_);
      control_ = owner_ = 0;
    }
  }

  LPCSTR Control() const { return MAKEINTATOM(control_); }
  LPCSTR Owner() const { return MAKEINTATOM(owner_); }

private:
  ATOM control_ = 0;
  ATOM owner_ = 0;
};

TagAtoms& Atoms() {
  static TagAtoms atoms;
  return atoms;
}

} // namespace

void SetControlTags(HWND window, void* control) {
  SetPropA(window, Atoms().Control(), control);
  SetPropA(window, Atoms().Owner(), control);
}

void RemoveControlTags(HWND window) {
  RemovePropA(window, Atoms().Control());
  RemovePropA(window, Atoms().Owner());
}

void* ControlTagOf(HWND window) { return window ? GetPropA(window, Atoms().Control()) : nullptr; }

void CreateControlTags() { Atoms(); }

void DeleteControlTags() { Atoms().Delete(); }
