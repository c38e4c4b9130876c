#include "Modules.h"

#include "ShiftJis.h"

HMODULE ModuleOfAddress(const void* address) {
  HMODULE module = nullptr;
  if (address) {
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCSTR>(address), &module);
  }
  return module;
}

String ModuleFileName(HMODULE module) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, sizeof path);
  String name(path);
  if (std::size_t slash = LastDelimiter("\\", name)) {
    name.erase(0, slash);
  }
  return name;
}
