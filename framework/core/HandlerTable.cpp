#include "HandlerTable.h"

MessageHandlerFunction MessageTable::Find(UINT message) const {
  for (const MessageTable* table = this; table; table = table->Base) {
    for (std::size_t i = 0; i < table->Count; ++i) {
      if (table->Handlers[i].Message == message) {
        return table->Handlers[i].Handle;
      }
    }
  }
  return nullptr;
}
