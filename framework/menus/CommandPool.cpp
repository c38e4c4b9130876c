#include "CommandPool.h"

#include "Exception.h"
#include "Messages.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t identifierCount = 0x10000;

std::vector<bool>& Bits() {
  static std::vector<bool> bits;
  return bits;
}

} // namespace

WORD CommandPool::Take() {
  std::vector<bool>& bits = Bits();
  auto free = std::find(bits.begin(), bits.end(), false);
  auto index = static_cast<std::size_t>(free - bits.begin());
  if (index >= identifierCount) {
    throw EMenuError(LoadMessage(Msg::OutOfSystemResources));
  }
  if (free == bits.end()) {
    bits.push_back(true);
  } else {
    *free = true;
  }
  return static_cast<WORD>(index);
}

void CommandPool::Release(WORD identifier) {
  std::vector<bool>& bits = Bits();
  if (identifier < bits.size()) {
    bits[identifier] = false;
  }
}

bool CommandPool::InUse(WORD identifier) {
  const std::vector<bool>& bits = Bits();
  return identifier < bits.size() && bits[identifier];
}
