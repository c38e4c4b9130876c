#pragma once

// Counts the system beeps (MessageBeep) this program asks for while it lives, by pointing
// the program's import of MessageBeep at a counter; the import is restored at its end.
class BeepCounter {
public:
  BeepCounter();
  ~BeepCounter();
  BeepCounter(const BeepCounter&) = delete;
  BeepCounter& operator=(const BeepCounter&) = delete;

  int Count() const;
};
