#pragma once

#include "TStream.h"

#include <string_view>

// The module whose resources are read: null for the program itself (the only module the
// player uses); under Windows any other value is a module handle (HMODULE).
using TModuleHandle = void*;

// A read-only stream over an RCDATA resource, found by name (case-insensitive).
// Under Windows it stands on FindResourceA, LoadResource, SizeofResource and LockResource
// and frees the resource when it goes; on other hosts the program's resources are the
// byte arrays that FindEmbeddedResource gives (the build embeds the form resources).
class TResourceStream : public TStream {
public:
  // Fails with EResNotFound "%s リソースが見つかりません" when there is no such resource.
  TResourceStream(TModuleHandle module, std::string_view name);
  ~TResourceStream() override;

  // Whether the module holds an RCDATA resource of that name.
  static bool Exists(TModuleHandle module, std::string_view name);

  std::size_t Read(void* buffer, std::size_t count) override;
  // Fails with EStreamError: the resource is read-only.
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }

private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
#ifdef _WIN32
  void* handle_ = nullptr;
#endif
};
