#include "AccessKeys.h"

#include "AsciiCase.h"
#include "ShiftJis.h"

#include <windows.h>

#include <algorithm>
#include <bitset>

namespace {

constexpr std::string_view keyCharacters = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view ellipsis = "...";

// The keys still free, by their place in keyCharacters.
using TFreeKeys = std::bitset<keyCharacters.size()>;

std::size_t KeyIndex(char key) { return keyCharacters.find(AsciiUpper(key)); }

bool IsFree(const TFreeKeys& free, char key) {
  std::size_t index = KeyIndex(key);
  return index != std::string_view::npos && free.test(index);
}

void TakeKey(TFreeKeys& free, char key) { free.reset(KeyIndex(key)); }

// 0-based position of the "&" that marks the key, or npos.
std::size_t MarkPosition(std::string_view caption) {
  std::size_t mark = std::string_view::npos;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(caption[i]))) {
      ++i;
    } else if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        ++i;
      } else {
        mark = i;
      }
    }
  }
  return mark;
}

bool HasDoubleByte(std::string_view caption) {
  return std::any_of(caption.begin(), caption.end(),
                     [](char c) { return IsLeadByte(static_cast<unsigned char>(c)); });
}

// Takes the mark out of caption; in a Far-East locale a whole "(&X)" group.
void RemoveMark(String& caption, bool farEast) {
  std::size_t mark = MarkPosition(caption);
  if (farEast && mark > 0 && mark + 2 < caption.size() && caption[mark - 1] == '(' &&
      caption[mark + 2] == ')') {
    caption.erase(mark - 1, 4);
    return;
  }
  caption.erase(mark, 1);
}

// Marks key in caption: "(&X)" appended (before a trailing "...") for a caption with
// double-byte characters in a Far-East locale, else "&" before the character at position.
void AddMark(String& caption, std::size_t position, char key, bool farEast) {
  if (farEast && HasDoubleByte(caption)) {
    std::size_t at = caption.size();
    if (caption.ends_with(ellipsis)) {
      at -= ellipsis.size();
    }
    caption.insert(at, String("(&") + AsciiUpper(key) + ")");
    return;
  }
  caption.insert(position, 1, '&');
}

// Gives caption the first free character it contains as its key; false when none is free.
bool GiveFirstFreeKey(String& caption, TFreeKeys& free, bool farEast) {
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(caption[i]))) {
      ++i;
    } else if (IsFree(free, caption[i])) {
      char key = caption[i];
      TakeKey(free, key);
      AddMark(caption, i, key, farEast);
      return true;
    }
  }
  return false;
}

// One attempt at giving the captions of needing (by index) keys, taken from the last to
// the first; served tells which got one.
struct TPass {
  std::vector<String> captions;
  std::vector<bool> served;
  TFreeKeys free;
  int count = 0;
};

TPass RunPass(const std::vector<String*>& captions, const std::vector<std::size_t>& needing,
              const TFreeKeys& free, bool farEast) {
  TPass pass;
  pass.free = free;
  pass.served.assign(needing.size(), false);
  for (std::size_t n : needing) {
    pass.captions.push_back(*captions[n]);
  }
  for (std::size_t k = needing.size(); k > 0; --k) {
    if (GiveFirstFreeKey(pass.captions[k - 1], pass.free, farEast)) {
      pass.served[k - 1] = true;
      ++pass.count;
    }
  }
  return pass;
}

// The items a pass left without a key go to the end of the list.
std::vector<std::size_t> UnservedLast(const std::vector<std::size_t>& needing, const TPass& pass) {
  std::vector<std::size_t> order;
  for (std::size_t k = 0; k < needing.size(); ++k) {
    if (pass.served[k]) {
      order.push_back(needing[k]);
    }
  }
  for (std::size_t k = 0; k < needing.size(); ++k) {
    if (!pass.served[k]) {
      order.push_back(needing[k]);
    }
  }
  return order;
}

// In a Far-East locale, each caption with double-byte characters the best pass left
// without a key takes the last free key, while there is one.
void GiveLastFreeKeys(TPass& pass) {
  for (std::size_t k = 0; k < pass.captions.size(); ++k) {
    if (pass.served[k] || !HasDoubleByte(pass.captions[k]) || pass.free.none()) {
      continue;
    }
    std::size_t last = keyCharacters.size();
    while (!pass.free.test(last - 1)) {
      --last;
    }
    pass.free.reset(last - 1);
    AddMark(pass.captions[k], 0, keyCharacters[last - 1], true);
    pass.served[k] = true;
  }
}

// Step one: keeps the first of each key and collects the captions that need one.
std::vector<std::size_t> KeepDistinctKeys(std::vector<String*>& captions, TFreeKeys& free,
                                          bool farEast) {
  std::vector<std::size_t> needing;
  for (std::size_t n = 0; n < captions.size(); ++n) {
    char key = AccessKeyOf(*captions[n]);
    if (key == 0) {
      needing.push_back(n);
    } else if (IsFree(free, key)) {
      TakeKey(free, key);
    } else if (KeyIndex(key) != std::string_view::npos) {
      RemoveMark(*captions[n], farEast);
      needing.push_back(n);
    }
  }
  return needing;
}

} // namespace

char AccessKeyOf(std::string_view caption) {
  std::size_t mark = MarkPosition(caption);
  if (mark == std::string_view::npos || mark + 1 >= caption.size() ||
      IsLeadByte(static_cast<unsigned char>(caption[mark + 1]))) {
    return 0;
  }
  return caption[mark + 1];
}

bool IsFarEastLocale() { return GetSystemMetrics(SM_DBCSENABLED) != 0; }

bool RethinkAccessKeys(std::vector<String*>& captions, bool farEast) {
  TFreeKeys free;
  free.set();
  std::vector<std::size_t> needing = KeepDistinctKeys(captions, free, farEast);
  if (needing.empty()) {
    return false;
  }
  TPass best;
  best.count = -1;
  std::vector<std::size_t> bestOrder;
  for (std::size_t attempt = 0; attempt < needing.size(); ++attempt) {
    TPass pass = RunPass(captions, needing, free, farEast);
    if (pass.count > best.count) {
      best = pass;
      bestOrder = needing;
    }
    if (pass.count == static_cast<int>(needing.size())) {
      break;
    }
    needing = UnservedLast(needing, pass);
  }
  if (farEast) {
    GiveLastFreeKeys(best);
  }
  for (std::size_t k = 0; k < bestOrder.size(); ++k) {
    *captions[bestOrder[k]] = best.captions[k];
  }
  return true;
}
