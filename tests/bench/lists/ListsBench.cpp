// Times the string list's sorting and searching on 100,000 texts and prints the figures.

#include "BenchClock.h"
#include "TStringList.h"

#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kTexts = 100000;

// File-name-like texts: a mix of upper- and lower-case ASCII words, digits and Shift_JIS
// words, so that the comparison meets every kind of character it orders.
std::vector<String> MakeTexts() {
  static const char* const kJapanese[] = {"音楽", "表示", "再生", "ソース", "録音"};
  std::mt19937 random(12345);
  std::vector<String> texts;
  texts.reserve(kTexts);
  for (int i = 0; i < kTexts; ++i) {
    String text;
    const auto letters = 4 + random() % 12;
    for (unsigned long j = 0; j < letters; ++j) {
      const auto letter = static_cast<char>('a' + random() % 26);
      text += random() % 3 == 0 ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    if (random() % 4 == 0) {
      text += kJapanese[random() % 5];
    }
    text += std::to_string(random() % 1000);
    text += ".wav";
    texts.push_back(std::move(text));
  }
  return texts;
}

template <class Step> double Seconds(Step&& step) {
  const double start = BenchSeconds();
  step();
  return BenchSeconds() - start;
}

void Report(const char* what, double seconds, int operations) {
  std::printf("%-44s %9.2f ms  %8.0f ns/op\n", what, seconds * 1e3, seconds * 1e9 / operations);
}

} // namespace

int main() {
  const std::vector<String> texts = MakeTexts();

  TStringList list;
  Report("Append 100000 texts (unsorted)", Seconds([&] {
           for (const String& text : texts) {
             list.Append(text);
           }
         }),
         kTexts);
  Report("SortItems on 100000 texts", Seconds([&] { list.SortItems(); }), kTexts);
  list.SetSorted(true);

  int found = 0;
  Report("Locate each of 100000 texts (sorted)", Seconds([&] {
           int index = 0;
           for (const String& text : texts) {
             found += list.Locate(text, index) ? 1 : 0;
           }
         }),
         kTexts);

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetDuplicates(dupAccept);
  Report("Append 100000 texts into a sorted list", Seconds([&] {
           for (const String& text : texts) {
             sorted.Append(text);
           }
         }),
         kTexts);

  list.SetSorted(false);
  constexpr int kScans = 1000;
  Report("PositionOf, 1000 texts (unsorted scan)", Seconds([&] {
           for (int i = 0; i < kScans; ++i) {
             found += list.PositionOf(texts[static_cast<std::size_t>(i) * 97]) >= 0 ? 1 : 0;
           }
         }),
         kScans);

  std::printf("found %d of %d searched texts\n", found, kTexts + kScans);
  return found == kTexts + kScans ? 0 : 1;
}
