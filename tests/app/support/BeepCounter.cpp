#include "BeepCounter.h"

#include <windows.h>

#include <atomic>
#include <cstring>

namespace {

std::atomic<int> beeps{0};

BOOL WINAPI CountBeep(UINT) {
  ++beeps;
  return TRUE;
}

template <class T> T* At(BYTE* base, DWORD offset) { return reinterpret_cast<T*>(base + offset); }

// The program's import address slot of user32's MessageBeep, or none.
ULONG_PTR* MessageBeepSlot() {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  const auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  const auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* module = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress); module->Name;
       ++module) {
    if (lstrcmpiA(At<char>(base, module->Name), "user32.dll") != 0) {
      continue;
    }
    auto* names = At<IMAGE_THUNK_DATA>(base, module->OriginalFirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA>(base, module->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) {
        continue;
      }
      const auto* byName =
          At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData));
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), "MessageBeep") == 0) {
        return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

ULONG_PTR original = 0;

void Redirect(ULONG_PTR target) {
  ULONG_PTR* slot = MessageBeepSlot();
  if (slot == nullptr) {
    return;
  }
  DWORD protection = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  original = original ? original : *slot;
  *slot = target;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

} // namespace

BeepCounter::BeepCounter() {
  beeps = 0;
  Redirect(reinterpret_cast<ULONG_PTR>(&CountBeep));
}

BeepCounter::~BeepCounter() { Redirect(original); }

int BeepCounter::Count() const { return beeps; }
