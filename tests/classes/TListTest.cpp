#include "TList.h"
#include "ListTestSupport.h"

#include "Exception.h"
#include "Format.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int values[8];

void* At(int i) { return &values[i]; }

std::vector<void*> Items(const TList& list) {
  std::vector<void*> items;
  for (int i = 0; i < list.ItemCount(); ++i) {
    items.push_back(list.ItemAt(i));
  }
  return items;
}

String IndexError(int index) {
  return Format("リストのインデックスが範囲を超えています (%d)", {index});
}

void Fill(TList& list, int count) {
  for (int i = 0; i < count; ++i) {
    list.Append(At(i));
  }
}

} // namespace

TEST(TList, GrowsLikeTheStringLists) {
  TList list;
  std::vector<int> capacities;
  for (int i = 0; i < 30; ++i) {
    list.Append(nullptr);
    if (capacities.empty() || capacities.back() != list.Capacity()) {
      capacities.push_back(list.Capacity());
    }
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44}));
}

TEST(TList, EditsKeepTheOrder) {
  TList list;
  Fill(list, 4);
  list.InsertAt(4, At(4));
  list.RemoveAt(0);
  list.MoveItem(0, 3);
  list.Swap(0, 1);
  EXPECT_EQ(Items(list), (std::vector<void*>{At(3), At(2), At(4), At(1)}));
  EXPECT_EQ(list.Remove(At(2)), 1);
  EXPECT_EQ(list.Remove(At(2)), -1);
  list.SetItemCount(2);
  list.SetItemCount(3);
  EXPECT_EQ(Items(list), (std::vector<void*>{At(3), At(4), nullptr}));
  list.RemoveAll();
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(TList, FailuresNameTheValueAndChangeNothing) {
  TList list;
  Fill(list, 3);
  list.Reserve(10);
  const auto before = Items(list);
  EXPECT_EQ(FailureOf<EListError>([&] { list.ItemAt(3); }), IndexError(3));
  EXPECT_EQ(FailureOf<EListError>([&] { list.SetItemAt(-1, nullptr); }), IndexError(-1));
  EXPECT_EQ(FailureOf<EListError>([&] { list.InsertAt(4, nullptr); }), IndexError(4));
  EXPECT_EQ(FailureOf<EListError>([&] { list.RemoveAt(3); }), IndexError(3));
  EXPECT_EQ(FailureOf<EListError>([&] { list.MoveItem(0, 3); }), IndexError(3));
  EXPECT_EQ(FailureOf<EListError>([&] { list.Reserve(2); }), "リストの容量が超えました (2)");
  EXPECT_EQ(FailureOf<EListError>([&] { list.Reserve(0x8000000); }),
            "リストの容量が超えました (134217728)");
  EXPECT_EQ(FailureOf<EListError>([&] { list.SetItemCount(-1); }), "リストの個数を超えました (-1)");
  EXPECT_EQ(FailureOf<EListError>([&] { list.SetItemCount(0x8000000); }),
            "リストの個数を超えました (134217728)");
  EXPECT_EQ(Items(list), before);
  EXPECT_EQ(list.Capacity(), 10);
}
