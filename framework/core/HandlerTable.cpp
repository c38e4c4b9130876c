#include "HandlerTable.h"

TMessageHandlerFunction TMessageTable::Find(UINT message) const {
  for (const TMessageTable* table = this; table; table = table->Base) {
    for (const TMessageHandler& handler : table->Handlers) {
      if (handler.Message == message) {
        return handler.Handle;
      }
    }
  }
  return nullptr;
}
