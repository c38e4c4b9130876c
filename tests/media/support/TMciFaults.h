#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <iterator>
#include <vector>

// The fault-injection switch of the stand-in: commands a test wants refused, by message
// and, for status and capability requests, by item. A refused command does nothing at
// all: the device answers the code, changes no state and posts no notice.
class TMciFaults {
public:
  // Matches every item of the message.
  static constexpr DWORD kAnyItem = 0xFFFFFFFF;

  // The next matching command fails with error; later ones run normally.
  void FailNext(UINT message, MCIERROR error) { Add(message, kAnyItem, error, false); }
  void FailNext(UINT message, DWORD item, MCIERROR error) { Add(message, item, error, false); }
  // Every matching command fails with error until Clear.
  void FailAlways(UINT message, MCIERROR error) { Add(message, kAnyItem, error, true); }
  void FailAlways(UINT message, DWORD item, MCIERROR error) { Add(message, item, error, true); }
  void Clear() { faults_.clear(); }

  // The error for this command (0: none); a one-shot fault is used up. The fault added
  // last wins.
  MCIERROR Take(UINT message, DWORD item);

private:
  struct Fault {
    UINT message;
    DWORD item;
    MCIERROR error;
    bool persistent;
  };

  void Add(UINT message, DWORD item, MCIERROR error, bool persistent) {
    faults_.push_back({message, item, error, persistent});
  }

  std::vector<Fault> faults_;
};
