#include "DialogFilter.h"
#include "FolderName.h"
#include "ReturnedNames.h"
#include "TStringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// The texts the open dialog exchanges with the system: its filter list, the names it hands
// back, and the folder it starts in. Shift_JIS bytes are written out: "ポ" is 83 7C (its
// second byte is the bar's), "ソ" is 83 5C (its second byte is the backslash's).

using namespace std::string_literals;
using namespace std::string_view_literals;

namespace {

const String po = "\x83\x7C";
const String so = "\x83\x5C";

std::vector<String> Split(std::string_view buffer, TNameList list, char separator,
                          String* first = nullptr) {
  TStringList into;
  String name = AppendReturnedNames(buffer, list, separator, into);
  if (first) {
    *first = name;
  }
  std::vector<String> names;
  for (int index = 0; index < into.ItemCount(); ++index) {
    names.push_back(into.ItemAt(index));
  }
  return names;
}

// A file buffer as the dialog fills it: the names, then NULs to its end.
String Buffer(std::string_view names, std::size_t size = 64) {
  String buffer(names);
  buffer.resize(size, '\0');
  return buffer;
}

} // namespace

TEST(FilterList, BarsBecomeNulsAndTheListEndsWithTwo) {
  EXPECT_EQ(FilterList("ALL|*.WAV;*.MP3"), "ALL\0*.WAV;*.MP3\0\0"s);
}

TEST(FilterList, ASecondByteThatLooksLikeABarIsKept) {
  const String description = po + "\x83\x76"; // ポプ
  EXPECT_EQ(FilterList(description + "|*.MP3|wave|*.WAV"),
            description + "\0*.MP3\0wave\0*.WAV\0\0"s);
}

TEST(FilterList, ThePlayersFilterKeepsEveryByte) {
  const String filter = "ALL|*.WAV;*.MP3;*.CDA;*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V;*.MOV;*.AVI"
                        "|wave|*.WAV|mp3|*.MP3|cda|*.CDA"
                        "|mpeg|*.MPG;*.MPEG;*.MPE;*.MPA;*.M1V;*.M2V|mov|*.MOV|avi|*.AVI";
  String expected = filter;
  std::replace(expected.begin(), expected.end(), '|', '\0');
  expected.append(2, '\0');
  EXPECT_EQ(FilterList(filter), expected);
}

TEST(FilterList, EmptyFilterGivesNoList) { EXPECT_EQ(FilterList(""), ""); }

TEST(FilterList, ALeadByteAtTheEndIsLeftAsItIs) { EXPECT_EQ(FilterList("a|\x83"), "a\0\x83\0\0"s); }

TEST(ReturnedNames, OneChosenFileOfAMultipleChoiceIsItsFullPath) {
  String first;
  EXPECT_EQ(Split(Buffer("C:\\Music\\a.mp3"), TNameList::Multiple, '\0', &first),
            std::vector<String>{"C:\\Music\\a.mp3"});
  EXPECT_EQ(first, "C:\\Music\\a.mp3");
}

TEST(ReturnedNames, SeveralFilesGetTheirFolderInTheDialogsOrder) {
  String first;
  EXPECT_EQ(Split(Buffer("C:\\Music\0b.wav\0a.mp3\0"sv), TNameList::Multiple, '\0', &first),
            (std::vector<String>{"C:\\Music\\b.wav", "C:\\Music\\a.mp3"}));
  EXPECT_EQ(first, "C:\\Music\\b.wav");
}

TEST(ReturnedNames, ADriveRootGetsNoSecondBackslash) {
  EXPECT_EQ(Split(Buffer("C:\\\0a.mp3\0b.wav\0"sv), TNameList::Multiple, '\0'),
            (std::vector<String>{"C:\\a.mp3", "C:\\b.wav"}));
}

TEST(ReturnedNames, AFolderEndingInADoubleByteCharacterGetsItsBackslash) {
  const String folder = "C:\\" + so;
  EXPECT_EQ(Split(Buffer(folder + "\0a.wav\0b.wav\0"s), TNameList::Multiple, '\0'),
            (std::vector<String>{folder + "\\a.wav", folder + "\\b.wav"}));
}

TEST(ReturnedNames, AbsoluteNamesKeepTheirOwnPath) {
  EXPECT_EQ(
      Split(Buffer("C:\\Music\0\\net\\a.wav\0D:\\b.wav\0c.wav\0"sv), TNameList::Multiple, '\0'),
      (std::vector<String>{"\\net\\a.wav", "D:\\b.wav", "C:\\Music\\c.wav"}));
}

TEST(ReturnedNames, AnOldStyleMultipleChoiceIsSplitAtSpaces) {
  EXPECT_EQ(Split(Buffer("C:\\MUSIC A.MP3 B.WAV"), TNameList::Multiple, ' '),
            (std::vector<String>{"C:\\MUSIC\\A.MP3", "C:\\MUSIC\\B.WAV"}));
}

TEST(ReturnedNames, ASingleChoiceIsTheTextUpToItsNul) {
  String first;
  EXPECT_EQ(Split(Buffer("C:\\My Music\\a b.mp3"), TNameList::Single, '\0', &first),
            std::vector<String>{"C:\\My Music\\a b.mp3"});
  EXPECT_EQ(first, "C:\\My Music\\a b.mp3");
}

TEST(ReturnedNames, NothingIsReadPastTheBuffer) {
  // A list whose closing NULs are missing ends with the buffer.
  EXPECT_EQ(Split("C:\\M\0a.wav\0b.wav"sv, TNameList::Multiple, '\0'),
            (std::vector<String>{"C:\\M\\a.wav", "C:\\M\\b.wav"}));
  EXPECT_EQ(Split("C:\\a.wav"sv, TNameList::Single, '\0'), std::vector<String>{"C:\\a.wav"});
}

TEST(FolderName, OneTrailingBackslashGoesUnlessItFollowsAColon) {
  EXPECT_EQ(TrimmedFolderName("C:\\"), "C:\\");
  EXPECT_EQ(TrimmedFolderName("C:\\Music\\"), "C:\\Music");
  EXPECT_EQ(TrimmedFolderName("C:\\Music"), "C:\\Music");
  EXPECT_EQ(TrimmedFolderName("C:\\Music\\\\"), "C:\\Music\\");
  EXPECT_EQ(TrimmedFolderName("\\"), "\\");
  EXPECT_EQ(TrimmedFolderName(""), "");
}

TEST(FolderName, ADoubleByteCharacterEndingInTheBackslashByteStays) {
  EXPECT_EQ(TrimmedFolderName("C:\\" + so), "C:\\" + so);
  EXPECT_EQ(TrimmedFolderName("C:\\" + so + "\\"), "C:\\" + so);
}
