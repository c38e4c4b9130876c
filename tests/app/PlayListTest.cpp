#include "PlayList.h"

#include <gtest/gtest.h>

namespace {

TPlayList ListOf(std::initializer_list<const char*> paths) {
  TPlayList list;
  for (const char* path : paths) {
    list.Append(path);
  }
  return list;
}

void Fill(TPlayList& list) {
  while (list.Room() > 0) {
    list.Append("C:\\m\\" + std::to_string(list.EntryCount) + ".wav");
  }
}

} // namespace

TEST(PlayList, AppendsInOrderAndKeepsDuplicates) {
  const TPlayList list = ListOf({"a.wav", "b.mp3", "a.wav"});
  EXPECT_EQ(list.EntryCount, 3);
  EXPECT_EQ(list.Entries[0], "a.wav");
  EXPECT_EQ(list.Entries[1], "b.mp3");
  EXPECT_EQ(list.Entries[2], "a.wav");
  EXPECT_EQ(list.Room(), 997);
}

TEST(PlayList, RefusesThe1001stPathAndLosesNothing) {
  TPlayList list;
  Fill(list);
  ASSERT_EQ(list.EntryCount, 1000);
  try {
    list.Append("C:\\m\\extra.wav");
    FAIL() << "the 1001st path was taken";
  } catch (const EPlayListFull& error) {
    EXPECT_EQ(error.Message(),
              "再生リストに入るファイルは 1000 個までです。1 個のファイルを追加できませんでした");
  }
  EXPECT_EQ(list.EntryCount, 1000);
  EXPECT_EQ(list.Entries[0], "C:\\m\\0.wav");
  EXPECT_EQ(list.Entries[999], "C:\\m\\999.wav");
}

TEST(PlayList, RefusalCountsTheFilesLeftOut) {
  EXPECT_EQ(PlayListFull(7).Message(),
            "再生リストに入るファイルは 1000 個までです。7 個のファイルを追加できませんでした");
}

TEST(PlayList, RemoveMovesTheLaterEntriesDown) {
  TPlayList list = ListOf({"a", "b", "c"});
  EXPECT_TRUE(list.Remove(1));
  EXPECT_EQ(list.EntryCount, 2);
  EXPECT_EQ(list.Entries[0], "a");
  EXPECT_EQ(list.Entries[1], "c");
  EXPECT_TRUE(list.Remove(1));
  EXPECT_TRUE(list.Remove(0));
  EXPECT_EQ(list.EntryCount, 0);
}

TEST(PlayList, RemoveOutsideTheListChangesNothing) {
  TPlayList list = ListOf({"a", "b"});
  for (std::int32_t index : {-1, 2, 999, 1000, 5000}) {
    EXPECT_FALSE(list.Remove(index)) << index;
  }
  EXPECT_EQ(list.EntryCount, 2);
  EXPECT_EQ(list.Entries[1], "b");
  TPlayList empty;
  EXPECT_FALSE(empty.Remove(0));
  EXPECT_EQ(empty.EntryCount, 0);
}

TEST(PlayList, RemovingFromAFullListMakesRoomForOne) {
  TPlayList list;
  Fill(list);
  EXPECT_TRUE(list.Remove(999));
  list.Append("last.wav");
  EXPECT_EQ(list.Entries[999], "last.wav");
  EXPECT_THROW(list.Append("more.wav"), EPlayListFull);
}

TEST(PlayList, NamesOnlyIndexesOfEntries) {
  const TPlayList list = ListOf({"a", "b"});
  EXPECT_TRUE(list.Names(0));
  EXPECT_TRUE(list.Names(1));
  EXPECT_FALSE(list.Names(-1));
  EXPECT_FALSE(list.Names(2));
  EXPECT_FALSE(TPlayList{}.Names(0));
}
