#pragma once

#include "Message.h"

#include <cstddef>

class TDispatcher;

// One line of a class's message table: a message number and the handler for it.
using MessageHandlerFunction = void (*)(TDispatcher& target, TMessage& message);

struct MessageHandler {
  UINT Message;
  MessageHandlerFunction Handle;
};

// A class's handler table with the table of its base class; dispatch walks the chain, so the
// entry of the most derived class wins.
struct MessageTable {
  const MessageTable* Base;
  const MessageHandler* Handlers;
  std::size_t Count;

  MessageHandlerFunction Find(UINT message) const;
};

template <class Method> struct MethodClass;
template <class Class> struct MethodClass<void (Class::*)(TMessage&)> { using Type = Class; };

// The table adapter for a member handler `void Class::Handler(TMessage&)`.
template <auto Method> void CallHandler(TDispatcher& target, TMessage& message) {
  using Class = typename MethodClass<decltype(Method)>::Type;
  (static_cast<Class&>(target).*Method)(message);
}
