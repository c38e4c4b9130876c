#include "TStream.h"

#include "Exception.h"
#include "ModelText.h"

#include <algorithm>
#include <cstring>

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count != 0 && Read(buffer, count) != count)
    throw EReadError(ModelText::StreamReadError);
}

std::int64_t SeekWithin(std::int64_t position, std::int64_t size, std::int64_t offset,
                        TSeekOrigin origin) {
  std::int64_t base = origin == TSeekOrigin::Beginning ? 0
                      : origin == TSeekOrigin::Current ? position
                                                       : size;
  if (offset < -base)
    return 0;
  return std::min(base + offset, size);
}

TMemoryStream::TMemoryStream(std::span<const std::uint8_t> bytes)
    : bytes_(bytes.begin(), bytes.end()) {}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  std::size_t available = std::min(count, bytes_.size() - position_);
  if (available != 0)
    std::memcpy(buffer, bytes_.data() + position_, available);
  position_ += available;
  return available;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0)
    return 0;
  if (bytes_.size() - position_ < count)
    bytes_.resize(position_ + count);
  std::memcpy(bytes_.data() + position_, buffer, count);
  position_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  position_ = static_cast<std::size_t>(
      SeekWithin(static_cast<std::int64_t>(position_), Size(), offset, origin));
  return static_cast<std::int64_t>(position_);
}
