#include "LocaleCompare.h"

#include "ShiftJis.h"

#include <array>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Weights of the portable order. The zero byte weighs nothing at all; characters that only
// break ties (other control characters, apostrophe, hyphen) carry kSpecial plus their rank
// among themselves.
constexpr int kIgnored = 0;
constexpr int kSpecial = 0x1000000;
constexpr int kApostrophe = kSpecial + 0x80;
constexpr int kHyphen = kSpecial + 0x81;
constexpr int kPunctuationBase = 10;
constexpr int kDigitBase = 100;
constexpr int kLetterBase = 200;
constexpr int kOtherByteBase = 300;
constexpr int kDoubleByteBase = 0x10000;

// ASCII white space and punctuation in the order Windows sorts them.
constexpr std::string_view kPunctuationOrder = " \t\n\v\f\r!\"#$%&()*,./:;?@[]^_`{|}~\\+<=>";

constexpr std::array<int, 256> MakeSingleByteWeights() {
  std::array<int, 256> weights{};
  for (int byte = 1; byte < 0x20; ++byte) {
    weights[static_cast<std::size_t>(byte)] = kSpecial + byte;
  }
  weights[0x7F] = kSpecial + 0x7F;
  for (int byte = 0x80; byte < 0x100; ++byte) {
    weights[static_cast<std::size_t>(byte)] = kOtherByteBase + byte;
  }
  for (std::size_t rank = 0; rank < kPunctuationOrder.size(); ++rank) {
    const auto byte = static_cast<unsigned char>(kPunctuationOrder[rank]);
    weights[byte] = kPunctuationBase + static_cast<int>(rank);
  }
  for (int digit = 0; digit < 10; ++digit) {
    weights[static_cast<std::size_t>('0' + digit)] = kDigitBase + digit;
  }
  for (int letter = 0; letter < 26; ++letter) {
    weights[static_cast<std::size_t>('a' + letter)] = kLetterBase + letter;
    weights[static_cast<std::size_t>('A' + letter)] = kLetterBase + letter;
  }
  weights['\''] = kApostrophe;
  weights['-'] = kHyphen;
  return weights;
}

constexpr std::array<int, 256> kSingleByteWeights = MakeSingleByteWeights();

// Full-width Latin letters in code page 932: lower case a..z and upper case A..Z.
constexpr int kFullWidthLowerA = 0x8281;
constexpr int kFullWidthLowerZ = 0x829A;
constexpr int kFullWidthCaseDistance = 0x8281 - 0x8260;

int DoubleByteWeight(int code) {
  if (code >= kFullWidthLowerA && code <= kFullWidthLowerZ) {
    code -= kFullWidthCaseDistance;
  }
  return kDoubleByteBase + code;
}

// Walks a text character by character and hands out either its ordinary weights or its
// tie-breaking ones, each with the character's position.
class WeightReader {
public:
  WeightReader(std::string_view text, bool special) : text_(text), special_(special) {}

  // The next weight of the chosen kind, or -1 at the end of the text.
  int Next() {
    while (pos_ < text_.size()) {
      const int weight = ReadCharacter();
      if (weight == kIgnored) {
        continue;
      }
      ++characters_;
      if ((weight >= kSpecial) == special_) {
        return weight;
      }
    }
    return -1;
  }
  // The position, in characters that weigh something, of the character Next gave last.
  int Position() const { return characters_ - 1; }

private:
  int ReadCharacter() {
    const auto byte = static_cast<unsigned char>(text_[pos_++]);
    if (IsLeadByte(byte) && pos_ < text_.size()) {
      const auto trail = static_cast<unsigned char>(text_[pos_++]);
      return DoubleByteWeight((byte << 8) | trail);
    }
    return kSingleByteWeights[byte];
  }

  std::string_view text_;
  bool special_;
  std::size_t pos_ = 0;
  int characters_ = 0;
};

int CompareOrdinary(std::string_view a, std::string_view b) {
  WeightReader left(a, false);
  WeightReader right(b, false);
  for (;;) {
    const int x = left.Next();
    const int y = right.Next();
    if (x != y || x < 0) {
      return x - y;
    }
  }
}

// Among texts that are equal but for their tie-breaking characters, the one with fewer of
// them sorts first; then the one whose such character stands later; then by the characters.
int CompareSpecial(std::string_view a, std::string_view b) {
  WeightReader left(a, true);
  WeightReader right(b, true);
  for (;;) {
    const int x = left.Next();
    const int y = right.Next();
    if (x < 0 || y < 0) {
      return x - y;
    }
    if (left.Position() != right.Position()) {
      return right.Position() - left.Position();
    }
    if (x != y) {
      return x - y;
    }
  }
}

} // namespace

int PortableCompareText(std::string_view a, std::string_view b) {
  const int ordinary = CompareOrdinary(a, b);
  return ordinary != 0 ? ordinary : CompareSpecial(a, b);
}

#ifdef _WIN32

int LocaleCompareText(std::string_view a, std::string_view b) {
  const int result =
      CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                     b.data(), static_cast<int>(b.size()));
  return result == 0 ? PortableCompareText(a, b) : result - CSTR_EQUAL;
}

#else

int LocaleCompareText(std::string_view a, std::string_view b) { return PortableCompareText(a, b); }

#endif
