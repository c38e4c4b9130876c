#pragma once

// The input of the forms fuzz target: a script of steps that read form resources into one
// program, one after another, and free roots and parts of them in between. Each step is an
// operation byte (its value modulo Count) and its arguments; a resource is a 16-bit
// little-endian length and that many bytes (cut short where the input ends).
//
//   LoadNew   resource            a root of the registered class the resource names
//   LoadInto  resource            a new test form, visible to the global lookup while it is read
//   Reload    root, resource      read into a live root again
//   FreeRoot  root                free a live root
//   FreePart  root, part          free one of a root's components, or (part >= 0x80) clear
//                                 the collection of a test control
//
// Root and component indexes are bytes taken modulo the live count.

#include <cstdint>
#include <span>
#include <vector>

enum class TFormsStep : std::uint8_t { LoadNew, LoadInto, Reload, FreeRoot, FreePart, Count };

inline constexpr std::uint8_t kClearItems = 0x80;

// Writes a script (the seed corpus is made of these).
class FormsScript {
public:
  FormsScript& LoadNew(std::span<const std::uint8_t> resource) {
    return Step(TFormsStep::LoadNew).Resource(resource);
  }
  FormsScript& LoadInto(std::span<const std::uint8_t> resource) {
    return Step(TFormsStep::LoadInto).Resource(resource);
  }
  FormsScript& Reload(std::uint8_t root, std::span<const std::uint8_t> resource) {
    return Step(TFormsStep::Reload).Byte(root).Resource(resource);
  }
  FormsScript& FreeRoot(std::uint8_t root) { return Step(TFormsStep::FreeRoot).Byte(root); }
  FormsScript& FreePart(std::uint8_t root, std::uint8_t part) {
    return Step(TFormsStep::FreePart).Byte(root).Byte(part);
  }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
  FormsScript& Step(TFormsStep step) { return Byte(static_cast<std::uint8_t>(step)); }
  FormsScript& Byte(std::uint8_t byte) {
    bytes_.push_back(byte);
    return *this;
  }
  FormsScript& Resource(std::span<const std::uint8_t> resource) {
    Byte(static_cast<std::uint8_t>(resource.size()))
        .Byte(static_cast<std::uint8_t>(resource.size() >> 8));
    bytes_.insert(bytes_.end(), resource.begin(), resource.end());
    return *this;
  }

  std::vector<std::uint8_t> bytes_;
};
