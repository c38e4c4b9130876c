// Every kind of nesting ends at one limit: the root object stands on level 1, and each
// child object, collection value and list value adds a level. Level 64 is read; level 65
// fails with "不正なストリーム フォーマット", whatever mixture leads there.

#include "LoaderFixture.h"

#include "Exception.h"
#include "TReader.h"

namespace {

constexpr int kLimit = TReader::MaxNesting;
const String kBadFormat = "不正なストリーム フォーマット";

// A form resource whose objects stand `levels` deep, the root included (at least two); the
// deepest object is a TTestControl with the given property records.
FormBytes NestedObjects(int levels, const std::function<void(FormBytes&)>& deepest) {
  FormBytes bytes;
  bytes.Signature().Object("TTestForm", "Form1").End();
  for (int level = 2; level <= levels; ++level) {
    bytes.Object("TTestControl", "");
    if (level == levels)
      deepest(bytes);
    bytes.End();
  }
  for (int level = 1; level <= levels; ++level)
    bytes.End();
  return bytes;
}

// The items of a collection whose only item holds a collection in Children, `levels`
// collections deep; the innermost item holds the given property records.
void CollectionItems(FormBytes& bytes, int levels, const std::function<void(FormBytes&)>& inner) {
  bytes.Byte(1);
  if (levels > 1) {
    bytes.Prop("Children").Byte(14);
    CollectionItems(bytes, levels - 1, inner);
  } else {
    inner(bytes);
  }
  bytes.End().End();
}

// A list value holding a list value... `levels` deep.
void NestedLists(FormBytes& bytes, int levels) {
  for (int level = 0; level < levels; ++level)
    bytes.Byte(1);
  for (int level = 0; level < levels; ++level)
    bytes.End();
}

void Nothing(FormBytes&) {}

bool EndsWith(const String& text, const String& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

String CollectionFailure(int levels) {
  FormBytes bytes;
  CollectionItems(bytes, levels, Nothing);
  TMemoryStream stream(bytes.Data());
  TReader reader(stream);
  TCollection collection(TCollection::ItemsOf<TTestItem>());
  try {
    reader.ReadCollection(collection);
  } catch (const EReadError& failure) {
    return failure.Message();
  }
  return "no failure";
}

String SkipFailure(const FormBytes& bytes, bool object) {
  TMemoryStream stream(bytes.Data());
  TReader reader(stream);
  try {
    if (object) {
      reader.ReadSignature();
      reader.SkipObject(true);
    } else {
      reader.SkipValue();
    }
  } catch (const EReadError& failure) {
    return failure.Message();
  }
  return "no failure";
}

} // namespace

TEST_F(Loader, ObjectsNestUpToTheLimit) {
  TFormPtr form = LoadForm(NestedObjects(kLimit, Nothing));
  EXPECT_EQ(form->ComponentCount(), kLimit - 1);
  EXPECT_EQ(FailureOf(NestedObjects(kLimit + 1, Nothing)), kBadFormat);
}

TEST_F(Loader, CollectionsInsideObjectsShareTheLimit) {
  auto items = [](int levels) {
    return [levels](FormBytes& b) {
      b.Prop("Items").Byte(14);
      CollectionItems(b, levels, [](FormBytes& item) { item.Prop("Value").Int(7); });
    };
  };
  EXPECT_EQ(FailureOf(NestedObjects(kLimit - 1, items(1))), "no failure");
  EXPECT_EQ(FailureOf(NestedObjects(kLimit - 3, items(3))), "no failure");
  String failure = FailureOf(NestedObjects(kLimit - 2, items(3)));
  EXPECT_TRUE(EndsWith(failure, " の読み込み中のエラー : " + kBadFormat)) << failure;
  EXPECT_EQ(LiveTestObjects(), liveBefore_) << "what the failed reads created is gone";
}

TEST_F(Loader, ListsInsideObjectsShareTheLimit) {
  // An unknown property's list value is skipped before the property fails: at the limit
  // the failure is the unknown property, past it the nesting.
  auto list = [](int levels) {
    return [levels](FormBytes& b) {
      b.Prop("Unknown");
      NestedLists(b, levels);
    };
  };
  EXPECT_EQ(FailureOf(NestedObjects(kLimit - 2, list(2))),
            "TTestControl.Unknown の読み込み中のエラー : プロパティが存在しません");
  EXPECT_EQ(FailureOf(NestedObjects(kLimit - 1, list(2))),
            "TTestControl.Unknown の読み込み中のエラー : " + kBadFormat);
}

TEST(Nesting, CollectionsNestUpToTheLimit) {
  EXPECT_EQ(CollectionFailure(kLimit), "no failure");
  String failure = CollectionFailure(kLimit + 1);
  EXPECT_TRUE(EndsWith(failure, " の読み込み中のエラー : " + kBadFormat)) << failure;
}

TEST(Nesting, ListsNestUpToTheLimit) {
  FormBytes atLimit;
  NestedLists(atLimit, kLimit);
  EXPECT_EQ(SkipFailure(atLimit, false), "no failure");
  FormBytes pastLimit;
  NestedLists(pastLimit, kLimit + 1);
  EXPECT_EQ(SkipFailure(pastLimit, false), kBadFormat);
}

TEST(Nesting, SkippedObjectsCollectionsAndListsShareTheLimit) {
  auto mixture = [](int objects) {
    return NestedObjects(objects, [](FormBytes& b) {
      b.Prop("Items").Byte(14);
      CollectionItems(b, 1, [](FormBytes& item) {
        item.Prop("Data");
        NestedLists(item, 2);
      });
    });
  };
  EXPECT_EQ(SkipFailure(mixture(kLimit - 3), true), "no failure");
  EXPECT_EQ(SkipFailure(mixture(kLimit - 2), true), kBadFormat);
}
