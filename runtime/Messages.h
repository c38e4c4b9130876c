#pragma once

#include "String.h"

// Numbers of the string table entries (the names of MessageTable.inc).
enum class Msg : unsigned {
#define MESSAGE(id, name, text) name = id,
#include "MessageTable.inc"
#undef MESSAGE
};

// The text of a message table entry, in the ANSI code page; empty when there is none.
// The Windows builds read the string table resource through LoadStringA; the host build
// reads its built-in copy of the same table.
String LoadMessage(Msg id);
String LoadMessage(unsigned id);

// Every entry of the built-in table, in number order, for tests that compare the two.
struct MessageEntry {
  unsigned id;
  const char* text;
};
const MessageEntry* BuiltInMessages(std::size_t& count) noexcept;
