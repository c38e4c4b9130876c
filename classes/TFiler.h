#pragma once

#include "TStream.h"

#include <functional>
#include <string_view>

class TComponent;
class TReader;

// How a class reads a property it stores by its own means: from the reader, or, for a
// binary block, from a memory stream holding just that block.
using TReadRoutine = std::function<void(TReader& reader)>;
using TBinaryReadRoutine = std::function<void(TStream& stream)>;

// The common part of the form reader: the source stream with its 4096-byte buffer, and the
// component being built.
class TFiler {
public:
  static constexpr std::size_t BufferSize = 4096;

  explicit TFiler(TStream& stream);
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;
  virtual ~TFiler() = default;

  // Called from DeclareExtraProperties: when name is the property being read, the routine
  // reads its value.
  virtual void OfferProperty(std::string_view name, const TReadRoutine& read) = 0;
  virtual void OfferBinaryProperty(std::string_view name, const TBinaryReadRoutine& read) = 0;

  TComponent* Root() const { return root_; }
  TComponent* LookupRoot() const { return lookupRoot_; }

protected:
  TStream& stream_;
  std::vector<std::uint8_t> buffer_;
  std::size_t bufferPosition_ = 0;
  std::size_t bufferEnd_ = 0;
  TComponent* root_ = nullptr;
  TComponent* lookupRoot_ = nullptr;
};
