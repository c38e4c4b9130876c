#include "TDispatcher.h"

namespace {

// Registered messages (RegisterWindowMessageA) start here.
constexpr UINT firstRegisteredMessage = 0xC000;

} // namespace

void TDispatcher::Dispatch(TMessage& message) {
  if (message.Msg == 0 || message.Msg >= firstRegisteredMessage) {
    DefaultHandler(message);
    return;
  }
  if (TMessageHandlerFunction handler = Messages().Find(message.Msg)) {
    handler(*this, message);
    return;
  }
  DefaultHandler(message);
}

void TDispatcher::DefaultHandler(TMessage&) {}

const TMessageTable& TDispatcher::Messages() const {
  static const TMessageTable none{nullptr, {}};
  return none;
}
