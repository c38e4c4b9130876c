#include "TResourceStream.h"

#include "Exception.h"
#include "Format.h"
#include "Messages.h"
#include "ModelText.h"

#include <algorithm>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
// The bytes of the program's RCDATA resource of that name (case-insensitive), empty when
// there is none: the form resources the build embeds (resources/EmbeddedResources.h).
std::span<const std::uint8_t> FindEmbeddedResource(std::string_view name);
#endif

namespace {

#ifdef _WIN32

LPCSTR RcDataType() { return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(10)); }

HMODULE ModuleOf(TModuleHandle module) { return static_cast<HMODULE>(module); }

// FindResourceA
HRSRC FindRcData(TModuleHandle module, std::string_view name) {
  return FindResourceA(ModuleOf(module), std::string(name).c_str(), RcDataType());
}

#endif

[[noreturn]] void ThrowNotFound(std::string_view name) {
  throw EResNotFound(Format(LoadMessage(Msg::ResourceNotFound), {name}));
}

} // namespace

#ifdef _WIN32

bool TResourceStream::Exists(TModuleHandle module, std::string_view name) {
  return FindRcData(module, name) != nullptr;
}

TResourceStream::TResourceStream(TModuleHandle module, std::string_view name) {
  HRSRC info = FindRcData(module, name);
  if (info == nullptr)
    ThrowNotFound(name);
  HGLOBAL handle = LoadResource(ModuleOf(module), info);
  auto* data = static_cast<const std::uint8_t*>(LockResource(handle));
  if (data == nullptr)
    ThrowNotFound(name);
  handle_ = handle;
  bytes_ = {data, SizeofResource(ModuleOf(module), info)};
}

TResourceStream::~TResourceStream() {
  if (handle_ != nullptr)
    FreeResource(static_cast<HGLOBAL>(handle_));
}

#else

bool TResourceStream::Exists(TModuleHandle module, std::string_view name) {
  return module == nullptr && !FindEmbeddedResource(name).empty();
}

TResourceStream::TResourceStream(TModuleHandle module, std::string_view name) {
  if (module != nullptr)
    ThrowNotFound(name);
  bytes_ = FindEmbeddedResource(name);
  if (bytes_.empty())
    ThrowNotFound(name);
}

TResourceStream::~TResourceStream() = default;

#endif

std::size_t TResourceStream::Read(void* buffer, std::size_t count) {
  std::size_t available = std::min(count, bytes_.size() - position_);
  if (available != 0)
    std::memcpy(buffer, bytes_.data() + position_, available);
  position_ += available;
  return available;
}

std::size_t TResourceStream::Write(const void*, std::size_t) {
  throw EStreamError(ModelText::ResourceStreamReadOnly);
}

std::int64_t TResourceStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  position_ = static_cast<std::size_t>(
      SeekWithin(static_cast<std::int64_t>(position_), Size(), offset, origin));
  return static_cast<std::int64_t>(position_);
}
