#include "TStrings.h"
#include "ListTestSupport.h"
#include "TCollection.h"
#include "TReader.h"
#include "TStream.h"
#include "TStringList.h"

#include "Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

// The smallest concrete list: only the primitives, so that every composite operation runs
// the shared implementation, as it does for a list kept by a native control. It logs the
// primitives it is asked for and the update states it is told of.
class PrimitiveStrings : public TStrings {
public:
  String ItemAt(int index) const override { return entries_[Checked(index)].text; }
  int ItemCount() const override { return static_cast<int>(entries_.size()); }
  void* ObjectAt(int index) const override { return entries_[Checked(index)].object; }
  void SetObjectAt(int index, void* object) override { entries_[Checked(index)].object = object; }
  void RemoveAll() override {
    log += "C";
    entries_.clear();
  }
  void RemoveAt(int index) override {
    log += "R";
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(Checked(index)));
  }
  void InsertAt(int index, const String& text) override {
    log += "I";
    if (index < 0 || index > ItemCount()) {
      throw std::out_of_range("index");
    }
    entries_.insert(entries_.begin() + index, Entry{text, nullptr});
  }

  String log;

protected:
  void UpdatingChanged(bool updating) override { log += updating ? "[" : "]"; }

private:
  struct Entry {
    String text;
    void* object;
  };
  std::size_t Checked(int index) const {
    if (index < 0 || index >= ItemCount()) {
      throw std::out_of_range("index");
    }
    return static_cast<std::size_t>(index);
  }
  std::vector<Entry> entries_;
};

// A collection item with lines and a collection of further items, to read a "Strings"
// list as deep as the reader allows.
class TLinesItem : public TCollectionItem {
public:
  SORVANE_CLASS(TLinesItem, TCollectionItem)
  SORVANE_PUBLISHED
  explicit TLinesItem(TCollection& collection)
      : TCollectionItem(collection),
        children_(std::make_unique<TCollection>(TCollection::ItemsOf<TLinesItem>())),
        lines_(std::make_unique<TStringList>()) {}

  TCollection* Children() const { return children_.get(); }
  void SetChildren(TCollection*) {}
  TStringList* Lines() const { return lines_.get(); }

private:
  std::unique_ptr<TCollection> children_;
  std::unique_ptr<TStringList> lines_;
};

TPublishedTables TLinesItem::Published() {
  static const TPropInfo properties[] = {
      PublishedProperty<&TLinesItem::Children, &TLinesItem::SetChildren>("Children"),
      PublishedProperty<&TLinesItem::Lines>("Lines"),
  };
  return {properties};
}

// Items nested `levels` collections deep, the innermost with the lines "a".
void AppendNestedLines(String& bytes, int levels) {
  bytes += '\x01';
  if (levels > 1) {
    bytes += String("\x08"
                    "Children\x0E");
    AppendNestedLines(bytes, levels - 1);
  } else {
    bytes += String("\x0D"
                    "Lines.Strings\x01\x06\x01"
                    "a\0",
                    19);
  }
  bytes += String("\0\0", 2);
}

std::vector<std::uint8_t> AsBytes(std::string_view text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

String AsText(const TMemoryStream& stream) {
  return String(stream.Bytes().begin(), stream.Bytes().end());
}

std::vector<String> Lines(const String& text) {
  TStringList list;
  list.SetAllText(text);
  return Items(list);
}

} // namespace

TEST(TStringsText, AllTextEndsEveryItemWithCrLfAndReadsBack) {
  TStringList list;
  EXPECT_EQ(list.AllText(), "");
  list.SetAllText("a\r\nb\r\n");
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "b"}));
  EXPECT_EQ(list.AllText(), "a\r\nb\r\n");
  EXPECT_STREQ(list.TextCopy().get(), "a\r\nb\r\n");
}

TEST(TStringsText, EachBreakEndsOneLineAndAFinalBreakAddsNone) {
  EXPECT_EQ(Lines("a\r\nb\rc\nd"), (std::vector<String>{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\n\rb"), (std::vector<String>{"a", "", "b"}));
  EXPECT_EQ(Lines("a\r\r\nb"), (std::vector<String>{"a", "", "b"}));
  EXPECT_EQ(Lines(""), std::vector<String>{});
  EXPECT_EQ(Lines("\r\n"), std::vector<String>{""});
  EXPECT_EQ(Lines("a\r\n\r\n"), (std::vector<String>{"a", ""}));
}

TEST(TStringsText, AZeroByteEndsTheText) {
  EXPECT_EQ(Lines(String("a\nb\0c\nd", 7)), (std::vector<String>{"a", "b"}));
  TStringList list;
  list.SetTextFrom("x\r\ny");
  EXPECT_EQ(Items(list), (std::vector<String>{"x", "y"}));
  list.SetTextFrom(nullptr);
  EXPECT_EQ(list.ItemCount(), 0);
}

TEST(TStringsComposite, BuildOnThePrimitivesInsideOneUpdate) {
  PrimitiveStrings list;
  int first = 1;
  int second = 2;
  list.SetAllText("a\nb");
  EXPECT_EQ(list.log, "[CII]");
  list.SetObjectAt(0, &first);
  list.SetObjectAt(1, &second);
  list.log.clear();
  list.Swap(0, 1);
  EXPECT_EQ(list.log, "[RIRI]");
  EXPECT_EQ(Items(list), (std::vector<String>{"b", "a"}));
  EXPECT_EQ(list.ObjectAt(0), &second);
  EXPECT_EQ(list.ObjectAt(1), &first);
  list.ReplaceAt(1, "c");
  EXPECT_EQ(list.ObjectAt(1), &first);
}

TEST(TStringsComposite, MoveItemToABadPlaceLosesNothing) {
  PrimitiveStrings list;
  list.SetAllText("a\nb\nc");
  list.MoveItem(0, 2);
  EXPECT_EQ(Items(list), (std::vector<String>{"b", "c", "a"}));
  EXPECT_THROW(list.MoveItem(0, 3), std::out_of_range);
  EXPECT_EQ(Items(list), (std::vector<String>{"b", "c", "a"}));
}

TEST(TStringsComposite, SearchIgnoresCaseAndSameAsDoesNot) {
  PrimitiveStrings list;
  list.SetAllText("x\nAbc\nabc");
  EXPECT_EQ(list.PositionOf("ABC"), 1);
  EXPECT_EQ(list.PositionOf("ab"), -1);
  TStringList other;
  other.SetAllText("x\nAbc\nabc");
  EXPECT_TRUE(list.SameAs(other));
  other.ReplaceAt(2, "ABC");
  EXPECT_FALSE(list.SameAs(other));
}

TEST(TStringsCopy, AssignCopiesTextsAndObjectsInOneUpdate) {
  TStringList source;
  int object = 0;
  source.AppendWithObject("a", &object);
  source.Append("b");
  PrimitiveStrings target;
  target.SetAllText("old");
  target.log.clear();
  target.Assign(source);
  EXPECT_EQ(target.log, "[CII]");
  EXPECT_TRUE(target.SameAs(source));
  EXPECT_EQ(target.ObjectAt(0), &object);
}

TEST(TStringsCopy, CopyOntoItselfKeepsTheListAndAppendingItselfDoublesIt) {
  TStringList list;
  list.SetAllText("a\nb");
  list.Assign(list);
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "b"}));
  list.AppendAll(list);
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "b", "a", "b"}));
}

TEST(TStringsStreams, SaveAndLoadRoundTripThroughStreamsAndFiles) {
  TStringList list;
  list.SetAllText("一\r\ntwo\r\n");
  TMemoryStream saved;
  list.SaveStream(saved);
  EXPECT_EQ(AsText(saved), "一\r\ntwo\r\n");

  TMemoryStream source(AsBytes("skip|x\ny"));
  source.SetPosition(5);
  TStringList loaded;
  loaded.LoadStream(source);
  EXPECT_EQ(Items(loaded), (std::vector<String>{"x", "y"}));

  const auto path = std::filesystem::temp_directory_path() / "sorvane-lists-test.txt";
  list.SaveFile(path.string());
  loaded.LoadFile(path.string());
  std::filesystem::remove(path);
  EXPECT_TRUE(loaded.SameAs(list));
}

TEST(TStringsStreams, FailuresKeepTheList) {
  // A stream that accepts nothing, as a full medium would.
  class FullStream : public TMemoryStream {
  public:
    std::size_t Write(const void*, std::size_t) override { return 0; }
  };
  TStringList list;
  list.Append("kept");
  FullStream full;
  EXPECT_EQ(FailureOf<EStreamError>([&] { list.SaveStream(full); }),
            "ストリームへの書き込みエラー");
  EXPECT_THROW(list.LoadFile("/no/such/folder/none.txt"), EInOutError);
  EXPECT_EQ(Items(list), std::vector<String>{"kept"});
}

TEST(TStringsResource, StringsPropertyReplacesTheTextsInOneUpdate) {
  // "Strings" = ( 'a' as a short string, 'bc' as a long string )
  TMemoryStream stream(AsBytes(String("\x07Strings\x01\x06\x01"
                                      "a\x0C\x02\0\0\0bc\0",
                                      20)));
  PrimitiveStrings list;
  list.SetAllText("old");
  list.log.clear();
  {
    TReader reader(stream);
    reader.LoadProperty(list);
  }
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "bc"}));
  EXPECT_EQ(list.log, "[CII]");
  EXPECT_EQ(stream.Position(), 20);

  TMemoryStream notAList(AsBytes("\x07Strings\x06\x01x"));
  TReader reader(notAList);
  EXPECT_THROW(reader.LoadProperty(list), EReadError);
  EXPECT_EQ(Items(list), (std::vector<String>{"a", "bc"}));
}

TEST(TStringsResource, TheStringsListIsOneLevelOfNesting) {
  auto read = [](int collections) {
    String bytes;
    AppendNestedLines(bytes, collections);
    TMemoryStream stream(AsBytes(bytes));
    TReader reader(stream);
    TCollection items(TCollection::ItemsOf<TLinesItem>());
    reader.ReadCollection(items);
  };
  EXPECT_NO_THROW(read(TReader::MaxNesting - 1));
  const String failure = FailureOf<EReadError>([&] { read(TReader::MaxNesting); });
  EXPECT_TRUE(failure.ends_with("不正なストリーム フォーマット")) << failure;
}
