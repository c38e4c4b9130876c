#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

enum class TSeekOrigin { Beginning, Current, End };

// A source or sink of bytes with a position.
class TStream {
public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // Reads up to count bytes; gives how many were read (0 at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes count bytes; gives how many were written.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  // Moves the position (clamped to 0..Size) and gives the new one.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
  virtual std::int64_t Size() const = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::Current); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::Beginning); }
  // Reads exactly count bytes or fails with EReadError "ストリームからの読み込みエラー".
  void ReadBuffer(void* buffer, std::size_t count);
};

// Bytes in memory that it owns; it grows on writing.
class TMemoryStream : public TStream {
public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::span<const std::uint8_t> bytes);

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }

  std::span<const std::uint8_t> Bytes() const { return bytes_; }

private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Shared position arithmetic of the memory-based streams.
std::int64_t SeekWithin(std::int64_t position, std::int64_t size, std::int64_t offset,
                        TSeekOrigin origin);
