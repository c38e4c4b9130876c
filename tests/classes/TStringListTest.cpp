#include "TStringList.h"
#include "ListTestSupport.h"
#include "LocaleCompare.h"

#include "Exception.h"
#include "Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

// Logs a list's notices: "<" for changing and ">" for changed, each with the count the
// list had when it arrived.
struct Notices {
  explicit Notices(TStringList& list) {
    list.SetOnChanging([this](TStringList& sender) { Add('<', sender); });
    list.SetOnChange([this](TStringList& sender) { Add('>', sender); });
  }
  void Add(char kind, TStringList& sender) {
    log += kind;
    log += std::to_string(sender.ItemCount());
  }
  String log;
};

String IndexError(int index) {
  return Format("リストのインデックスが範囲を超えています (%d)", {index});
}

const String kSortedError = "ソートされる文字列リストに対しては許されない動作です";

// Sorts the texts and checks that they end in order, none lost, each with its object.
void ExpectSorts(const std::vector<String>& texts) {
  TStringList list;
  for (const String& text : texts) {
    list.AppendWithObject(text, const_cast<String*>(&text));
  }
  Notices notices(list);
  list.SortItems();
  EXPECT_EQ(notices.log, Format("<%d>%d", {texts.size(), texts.size()}));
  ASSERT_EQ(list.ItemCount(), static_cast<int>(texts.size()));
  for (int i = 0; i < list.ItemCount(); ++i) {
    EXPECT_EQ(list.ItemAt(i), *static_cast<String*>(list.ObjectAt(i)));
    if (i > 0) {
      EXPECT_LE(LocaleCompareText(list.ItemAt(i - 1), list.ItemAt(i)), 0) << i;
    }
  }
}

} // namespace

TEST(TStringListNotices, RemoveAllSendsNoneWhenEmptyAndOnePairOtherwise) {
  TStringList list;
  Notices notices(list);
  list.RemoveAll();
  EXPECT_EQ(notices.log, "");
  list.SetAllText("a\nb");
  notices.log.clear();
  list.RemoveAll();
  EXPECT_EQ(notices.log, "<2>0");
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(TStringListNotices, ChangingComesBeforeAndChangedAfterEachChange) {
  TStringList list;
  Notices notices(list);
  list.Append("a");
  list.InsertAt(0, "b");
  list.ReplaceAt(1, "c");
  list.SetObjectAt(0, &list);
  list.RemoveAt(0);
  list.Swap(0, 0);
  EXPECT_EQ(notices.log, "<0>1<1>2<2>2<2>2<2>1<1>1");
  EXPECT_EQ(Items(list), std::vector<String>{"c"});
}

TEST(TStringListNotices, AnUpdateSendsOnePairForAllItsChanges) {
  TStringList list;
  Notices notices(list);
  list.ResumeUpdates(); // unmatched: ignored, the list keeps talking
  list.SuspendUpdates();
  list.SuspendUpdates();
  list.Append("a");
  list.Append("b");
  list.ResumeUpdates();
  EXPECT_EQ(notices.log, "<0");
  list.ResumeUpdates();
  EXPECT_EQ(notices.log, "<0>2");
}

TEST(TStringListNotices, AFailedUpdateStillEndsAndReportsItsFirstFailure) {
  TStringList list;
  Notices notices(list);
  EXPECT_THROW(
      {
        TStrings::UpdateScope update(list);
        list.Append("a");
        list.RemoveAt(5);
      },
      EStringListError);
  EXPECT_EQ(notices.log, "<0>1");

  list.SetOnChange([](TStringList&) { throw EListError("handler"); });
  EXPECT_THROW(
      {
        TStrings::UpdateScope update(list);
        list.RemoveAt(5);
      },
      EStringListError);
  EXPECT_EQ(FailureOf<EListError>([&] { TStrings::UpdateScope update(list); }), "handler");
}

TEST(TStringListGrowth, CapacityFollowsTheGrowthRule) {
  TStringList list;
  std::vector<int> grownAt;
  std::vector<int> capacities;
  for (int i = 1; i <= 100; ++i) {
    const int before = list.Capacity();
    list.Append("x");
    if (list.Capacity() != before) {
      grownAt.push_back(i);
      capacities.push_back(list.Capacity());
    }
  }
  EXPECT_EQ(grownAt, (std::vector<int>{1, 5, 9, 13, 29, 45, 61, 77, 96}));
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
}

TEST(TStringListGrowth, ReserveKeepsEntriesAndRefusesToDropThem) {
  TStringList list;
  list.AppendWithObject("a", &list);
  list.Reserve(50);
  EXPECT_EQ(list.Capacity(), 50);
  EXPECT_EQ(list.ObjectAt(0), &list);
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.Reserve(0); }), "リストの容量が超えました (0)");
  EXPECT_EQ(Items(list), std::vector<String>{"a"});
}

TEST(TStringListIndexes, EveryCheckedOperationNamesTheBadIndexAndChangesNothing) {
  TStringList list;
  list.SetAllText("a\nb");
  Notices notices(list);
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.ItemAt(2); }), IndexError(2));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.ObjectAt(-1); }), IndexError(-1));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.ReplaceAt(2, "x"); }), IndexError(2));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.SetObjectAt(3, nullptr); }), IndexError(3));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.RemoveAt(2); }), IndexError(2));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.Swap(7, 9); }), IndexError(7));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.Swap(0, 9); }), IndexError(9));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.InsertAt(3, "c"); }), IndexError(3));
  EXPECT_EQ(notices.log, "");
  list.InsertAt(2, "c");
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "b", "c"}));
}

TEST(TStringListSorted, EqualTextsFollowTheDuplicatesRule) {
  TStringList list;
  list.SetSorted(true);
  list.Append("xyz");
  list.Append("abc");
  EXPECT_EQ(list.Append("ABC"), 0);
  EXPECT_EQ(list.ItemCount(), 2);
  list.SetDuplicates(dupError);
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.Append("Abc"); }),
            "文字列リストは重複を許しません");
  list.SetDuplicates(dupAccept);
  EXPECT_EQ(list.Append("Abc"), 0);
  EXPECT_EQ(Items(list), (std::vector<String>{"Abc", "abc", "xyz"}));
}

TEST(TStringListSorted, LocateUnderAcceptFindsTheFirstOfEqualTexts) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  list.SetAllText("b\na\nB\nc\nb\na\nb");
  int index = -1;
  EXPECT_TRUE(list.Locate("B", index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(list.PositionOf("b"), 2);
  EXPECT_FALSE(list.Locate("bb", index));
  EXPECT_EQ(index, 6);
  EXPECT_FALSE(list.Locate("z", index));
  EXPECT_EQ(index, 7);
  EXPECT_EQ(list.PositionOf("z"), -1);
}

TEST(TStringListSorted, PlacesBelongToTheOrderUntilSortingIsOff) {
  TStringList list;
  list.SetAllText("b\na");
  list.SetSorted(true);
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "b"}));
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.InsertAt(0, "c"); }), kSortedError);
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.ReplaceAt(0, "c"); }), kSortedError);
  EXPECT_EQ(FailureOf<EStringListError>([&] { list.MoveItem(0, 1); }), kSortedError);
  list.Swap(0, 1);
  list.SetSorted(false);
  list.InsertAt(0, "A");
  EXPECT_EQ(Items(list), (std::vector<String>{"A", "b", "a"}));
  EXPECT_EQ(list.PositionOf("a"), 0);
}

TEST(TStringListSort, RandomTextsAndManyEqualKeysEndInOrder) {
  std::mt19937 random(20261208);
  std::vector<String> numbers;
  std::vector<String> fewKeys;
  const char* keys[] = {"a", "A", "b", "B", "c"};
  for (int i = 0; i < 2000; ++i) {
    numbers.push_back(Format("t%d", {random() % 100000}));
    fewKeys.push_back(keys[random() % 5]);
  }
  ExpectSorts(numbers);
  ExpectSorts(fewKeys);
  ExpectSorts({"b", "a"});
}

TEST(TStringListSort, SortWithUsesTheGivenOrderUnlessSortedOrShort) {
  const auto longestFirst = [](const TStringList& list, int first, int second) {
    return static_cast<int>(list.ItemAt(second).size()) -
           static_cast<int>(list.ItemAt(first).size());
  };
  TStringList list;
  list.SetAllText("bb\na\nccc\ndddd");
  list.SortWith(longestFirst);
  EXPECT_EQ(Items(list), (std::vector<String>{"dddd", "ccc", "bb", "a"}));
  list.SetSorted(true);
  Notices notices(list);
  list.SortWith(longestFirst);
  EXPECT_EQ(notices.log, "");
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "bb", "ccc", "dddd"}));
  // An order that contradicts itself still leaves every entry inside the list.
  list.SetSorted(false);
  list.SortWith([](const TStringList&, int, int) { return -1; });
  EXPECT_EQ(list.ItemCount(), 4);
}
