#pragma once

#include "HandlerTable.h"

// The part of every message-handling object that finds a handler for a message: the class's
// handler table, then its base classes' tables, then default handling.
class TDispatcher {
public:
  TDispatcher() = default;
  TDispatcher(const TDispatcher&) = delete;
  TDispatcher& operator=(const TDispatcher&) = delete;
  virtual ~TDispatcher() = default;

  // Finds the most derived handler for the message; messages 0 and 0xC000 and above
  // (registered messages) go straight to default handling.
  virtual void Dispatch(TMessage& message);
  // What happens to a message no handler took; the base does nothing.
  virtual void DefaultHandler(TMessage& message);

  // The handler table of the object's class (SORVANE_MESSAGES); the base has no rows.
  virtual const TMessageTable& Messages() const;
};
