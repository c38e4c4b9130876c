#pragma once

#include <cstdint>
#include <initializer_list>

// A set of members of an enumeration with ordinals 0..31, as 32 bits (the stored form of
// set properties). Members above 31 cannot be held.
template <typename E> class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E member : members)
      Include(member);
  }
  static constexpr TSet FromBits(std::uint32_t bits) {
    TSet set;
    set.bits_ = bits;
    return set;
  }

  constexpr std::uint32_t Bits() const { return bits_; }
  constexpr bool Contains(E member) const { return (bits_ & Bit(member)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(E member) { bits_ |= Bit(member); }
  constexpr void Exclude(E member) { bits_ &= ~Bit(member); }
  constexpr bool operator==(const TSet&) const = default;

private:
  static constexpr std::uint32_t Bit(E member) {
    auto ordinal = static_cast<unsigned>(member);
    return ordinal < 32 ? std::uint32_t{1} << ordinal : 0;
  }

  std::uint32_t bits_ = 0;
};
