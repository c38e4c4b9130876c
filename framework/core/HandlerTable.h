#pragma once

// Message handler tables: one row per message number a class handles, and the table of the
// nearest base class that has one. Dispatch walks the chain, so the row of the most derived
// class wins.
//
//   class TButton : public TWinControl {
//   public:
//     SORVANE_CLASS(TButton, TWinControl)
//     SORVANE_MESSAGES
//     ...
//   private:
//     void XNCommand(TWMCommand& message);
//     void XMEnabledChanged(TMessage& message);
//   };
//
//   SORVANE_MESSAGE_ROWS(TButton){
//       SORVANE_ON(XN_COMMAND, XNCommand),
//       SORVANE_ON(XM_ENABLEDCHANGED, XMEnabledChanged),
//   };
//   SORVANE_MESSAGE_TABLE(TButton)
//
// A handler takes the typed record of its message (MessageRecords.h), cracked from the
// message once by the table. Only the framework's own notices (XM_, XN_, from 0xB000 on)
// may take the plain TMessage&; a window message always gets a record. The base table is
// found from the class's SORVANE_CLASS base, so no class names it by hand.

#include "Message.h"

#include <concepts>
#include <span>
#include <type_traits>

class TDispatcher;

using TMessageHandlerFunction = void (*)(TDispatcher& target, TMessage& message);

// One row: a message number and the adapter that calls the class's handler for it.
struct TMessageHandler {
  UINT Message;
  TMessageHandlerFunction Handle;
};

// A class's rows and the table of its nearest base class with one (none at the root).
struct TMessageTable {
  const TMessageTable* Base;
  std::span<const TMessageHandler> Handlers;

  // The most derived handler for message, or none.
  TMessageHandlerFunction Find(UINT message) const;
};

// The first number of the framework's own notices; handlers below it take typed records.
inline constexpr UINT firstFrameworkNotice = 0xB000;

namespace Dispatching {

template <class Method> struct HandlerTraits;
template <class Class, class Record> struct HandlerTraits<void (Class::*)(Record&)> {
  using Owner = Class;
  using Argument = Record;
};

// The adapter of a row: cracks the record from the message and calls the handler.
template <UINT Message, auto Method> void CallHandler(TDispatcher& target, TMessage& message) {
  using Traits = HandlerTraits<decltype(Method)>;
  using Record = typename Traits::Argument;
  static_assert(std::is_same_v<Record, TMessage> || std::constructible_from<Record, TMessage&>,
                "a handler takes a message record");
  static_assert(Message >= firstFrameworkNotice || !std::is_same_v<Record, TMessage>,
                "a handler of a window message takes its typed record");
  auto& object = static_cast<typename Traits::Owner&>(target);
  if constexpr (std::is_same_v<Record, TMessage>) {
    (object.*Method)(message);
  } else {
    Record record(message);
    (object.*Method)(record);
  }
}

// The table of the nearest ancestor of Class that has one, or none.
template <class Class> const TMessageTable* BaseTable() {
  using Base = typename Class::Inherited;
  if constexpr (requires { Base::StaticMessages(); }) {
    return &Base::StaticMessages();
  } else {
    return nullptr;
  }
}

} // namespace Dispatching

// Declares the class's handler table; goes in the public section after SORVANE_CLASS.
#define SORVANE_MESSAGES                                                                           \
  static const TMessageHandler messageRows_[];                                                     \
  static const TMessageTable& StaticMessages();                                                    \
  const TMessageTable& Messages() const override { return StaticMessages(); }

// Defines the rows of the handler table of Class; a braced list of SORVANE_ON follows. The
// rows are constants, made before any code runs.
#define SORVANE_MESSAGE_ROWS(Class) const TMessageHandler Class::messageRows_[]

// One row: message is handled by the class's member handler.
#define SORVANE_ON(message, handler)                                                               \
  TMessageHandler { message, &Dispatching::CallHandler<message, &ThisClass::handler> }

// Defines the handler table of Class from its rows; goes after them. The class must name
// itself with SORVANE_CLASS, whose base leads to the base table.
#define SORVANE_MESSAGE_TABLE(Class)                                                               \
  const TMessageTable& Class::StaticMessages() {                                                   \
    static_assert(std::is_same_v<Class::ThisClass, Class>, #Class " lacks SORVANE_CLASS");         \
    static const TMessageTable table{Dispatching::BaseTable<Class>(), messageRows_};               \
    return table;                                                                                  \
  }
