#include "TDispatcher.h"

const MessageTable TDispatcher::messageTable_{nullptr, nullptr, 0};

void TDispatcher::Dispatch(TMessage& message) {
  if (message.Msg == 0 || message.Msg >= 0xC000) {
    DefaultHandler(message);
    return;
  }
  if (MessageHandlerFunction handler = Messages().Find(message.Msg)) {
    handler(*this, message);
    return;
  }
  DefaultHandler(message);
}

void TDispatcher::DefaultHandler(TMessage&) {}

const MessageTable& TDispatcher::Messages() const { return messageTable_; }
