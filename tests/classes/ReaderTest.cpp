#include "FormBytes.h"
#include "TReader.h"
#include "TResourceStream.h"

#include "Exception.h"
#include "TestClasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

// A reader over bytes, keeping the stream to look at its position afterwards.
struct ReaderOver {
  explicit ReaderOver(const FormBytes& bytes) : stream(bytes.Data()), reader(stream) {}
  explicit ReaderOver(std::span<const std::uint8_t> bytes) : stream(bytes), reader(stream) {}
  TMemoryStream stream;
  TReader reader;
};

String FailureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EReadError& failure) {
    return failure.Message();
  }
  return "no failure";
}

const String kBadValue = "不正なプロパティの値です";
const String kReadError = "ストリームからの読み込みエラー";
const String kBadFormat = "不正なストリーム フォーマット";

} // namespace

TEST(ReaderIntegers, SignExtendEightAndSixteenBitValues) {
  ReaderOver source(FormBytes().Bytes({2, 0xFF, 3, 0x00, 0x80, 4, 0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(source.reader.ReadInteger(), -1);
  EXPECT_EQ(source.reader.ReadInteger(), -32768);
  EXPECT_EQ(source.reader.ReadInteger(), -2);
}

TEST(ReaderIntegers, WidenToOtherNumberKinds) {
  ReaderOver source(FormBytes().Int(-3).Int(5).Int(7).Int(2).Int(300));
  EXPECT_EQ(source.reader.ReadInt64(), -3);
  EXPECT_EQ(source.reader.ReadFloat(), 5.0L);
  EXPECT_EQ(source.reader.ReadSingle(), 7.0f);
  EXPECT_EQ(source.reader.ReadCurrency(), 20000);
  EXPECT_EQ(source.reader.ReadDate(), 300.0);
}

TEST(ReaderIntegers, RejectOtherTagsAfterConsumingTheTag) {
  ReaderOver source(FormBytes().Str("x"));
  EXPECT_EQ(FailureOf([&] { source.reader.ReadInteger(); }), kBadValue);
  EXPECT_EQ(source.reader.Position(), 1);
}

TEST(ReaderNumbers, DecodeExtendedSingleCurrencyDateAndInt64) {
  // 1.5 as x87 extended: significand 0xC000000000000000, exponent 16383.
  FormBytes bytes;
  bytes.Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F});
  bytes.Bytes({15, 0x00, 0x00, 0x20, 0xC0});       // -2.5f
  bytes.Bytes({16, 0x10, 0x27, 0, 0, 0, 0, 0, 0}); // 10000 = 1.0
  bytes.Bytes({17, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}); // 1.0
  bytes.Bytes({19, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
  ReaderOver source(bytes);
  EXPECT_EQ(source.reader.ReadFloat(), 1.5L);
  EXPECT_EQ(source.reader.ReadSingle(), -2.5f);
  EXPECT_EQ(source.reader.ReadCurrency(), 10000);
  EXPECT_EQ(source.reader.ReadDate(), 1.0);
  EXPECT_EQ(source.reader.ReadInt64(), INT64_MAX);
}

TEST(ReaderNumbers, ExtendedInfinityAndNegativeZero) {
  ReaderOver source(FormBytes()
                        .Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF})
                        .Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}));
  EXPECT_TRUE(std::isinf(source.reader.ReadFloat()));
  long double zero = source.reader.ReadFloat();
  EXPECT_EQ(zero, 0.0L);
  EXPECT_TRUE(std::signbit(zero));
}

TEST(ReaderNumbers, ExtendedDenormalsReadExactly) {
  using Limits = std::numeric_limits<long double>;
  if (Limits::digits != 64)
    GTEST_SKIP() << "long double is not the x87 extended format here";
  FormBytes bytes;
  bytes.Bytes({5, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});    // 1 x 2^-16445
  bytes.Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 0}); // 2^62 x 2^-16445
  bytes.Bytes({5, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}); // -3 x 2^-16445
  bytes.Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0}); // integer bit set: 2^-16382
  bytes.Bytes({5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0});
  ReaderOver source(bytes);
  EXPECT_EQ(source.reader.ReadFloat(), Limits::denorm_min());
  EXPECT_EQ(source.reader.ReadFloat(), Limits::min() / 2);
  EXPECT_EQ(source.reader.ReadFloat(), -3 * Limits::denorm_min());
  EXPECT_EQ(source.reader.ReadFloat(), Limits::min());
  EXPECT_EQ(source.reader.ReadFloat(), Limits::min() - Limits::denorm_min())
      << "the largest denormal";
}

TEST(ReaderBooleans, OnlyTagNineIsTrue) {
  ReaderOver source(FormBytes().Bytes({9, 8, 0, 13, 2}));
  EXPECT_TRUE(source.reader.ReadBoolean());
  EXPECT_FALSE(source.reader.ReadBoolean());
  EXPECT_FALSE(source.reader.ReadBoolean());
  EXPECT_FALSE(source.reader.ReadBoolean());
  EXPECT_FALSE(source.reader.ReadBoolean());
}

TEST(ReaderIdentifiers, NameTheSpecialTagsAndIgnoreTheHighBit) {
  ReaderOver source(FormBytes().Bytes({0, 13, 8, 9, 0x87, 3, 'a', 'b', 'c'}).Ident("clRed"));
  EXPECT_EQ(source.reader.ReadIdentifier(), "Null");
  EXPECT_EQ(source.reader.ReadIdentifier(), "nil");
  EXPECT_EQ(source.reader.ReadIdentifier(), "False");
  EXPECT_EQ(source.reader.ReadIdentifier(), "True");
  EXPECT_EQ(source.reader.ReadIdentifier(), "abc");
  EXPECT_EQ(source.reader.ReadIdentifier(), "clRed");
  ReaderOver other(FormBytes().Int(1));
  EXPECT_EQ(FailureOf([&] { other.reader.ReadIdentifier(); }), kBadValue);
}

TEST(ReaderStrings, ReadShortLongAndWideStrings) {
  ReaderOver source(
      FormBytes().Str("再生").LongStr("long text").Bytes({18, 2, 0, 0, 0, 'h', 0, 0xFF, 0x30}));
  EXPECT_EQ(source.reader.ReadString(), "再生");
  EXPECT_EQ(source.reader.ReadString(), "long text");
  EXPECT_EQ(source.reader.ReadWideString(), u"h\u30FF");
}

TEST(ReaderStrings, LengthBeyondTheStreamFailsWithoutReservingIt) {
  ReaderOver source(FormBytes().Bytes({12, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}));
  EXPECT_EQ(FailureOf([&] { source.reader.ReadString(); }), kReadError);
  ReaderOver wide(FormBytes().Bytes({18, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}));
  EXPECT_EQ(FailureOf([&] { wide.reader.ReadWideString(); }), kReadError);
}

TEST(ReaderChars, AcceptOnlyOneByteStrings) {
  ReaderOver source(FormBytes().Str("A").Str("AB").Int(1).Byte(0x55));
  EXPECT_EQ(source.reader.ReadChar(), 'A');
  EXPECT_EQ(FailureOf([&] { source.reader.ReadChar(); }), kBadValue);
  EXPECT_EQ(source.reader.Position(), 7) << "the two-byte string is consumed";
  EXPECT_EQ(FailureOf([&] { source.reader.ReadChar(); }), kBadValue);
  EXPECT_EQ(source.reader.Position(), 9) << "a wrong tag is skipped with its value";
}

TEST(ReaderLists, CheckedReadsSkipAWrongValue) {
  ReaderOver source(FormBytes().Bytes({1, 0, 3, 0x34, 0x12, 0x55}));
  source.reader.ReadListBegin();
  source.reader.ReadListEnd();
  EXPECT_EQ(FailureOf([&] { source.reader.ReadListBegin(); }), kBadValue);
  EXPECT_EQ(source.reader.Position(), 5);
}

TEST(ReaderPeeking, PeekAndEndOfListDoNotConsume) {
  ReaderOver source(FormBytes().Bytes({0, 7}));
  EXPECT_TRUE(source.reader.EndOfList());
  EXPECT_EQ(source.reader.PeekValueTag(), ValueNull);
  EXPECT_EQ(source.reader.ReadValueTag(), ValueNull);
  EXPECT_FALSE(source.reader.EndOfList());
}

TEST(ReaderSets, ReadMembersOfTheElementEnumeration) {
  ReaderOver source(FormBytes().Set({"fsItalic", "FSSTRIKEOUT"}).Set({}));
  EXPECT_EQ(source.reader.ReadSet(EnumTypeOf(TTestStyle{})), 0b1010u);
  EXPECT_EQ(source.reader.ReadSet(EnumTypeOf(TTestStyle{})), 0u);
}

TEST(ReaderSets, MembersAbove31AreDroppedSilently) {
  ReaderOver source(FormBytes().Set({"w40", "w1"}));
  EXPECT_EQ(source.reader.ReadSet(EnumTypeOf(TTestWide{})), 0b10u);
}

TEST(ReaderSets, AnUnknownMemberFailsAfterSkippingTheRest) {
  ReaderOver source(FormBytes().Set({"fsBold", "fsHuge", "fsItalic"}).Byte(0x42));
  EXPECT_EQ(FailureOf([&] { source.reader.ReadSet(EnumTypeOf(TTestStyle{})); }), kBadValue);
  EXPECT_EQ(source.reader.ReadValueTag(), 0x42);
}

TEST(ReaderSkipping, SkipsEveryValueKind) {
  FormBytes bytes;
  bytes.Bytes({1, 2, 1, 6, 1, 'x', 0});                      // list of an int and a string
  bytes.Bytes({5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});           // extended
  bytes.Bytes({10, 3, 0, 0, 0, 1, 2, 3});                    // binary
  bytes.Set({"a", "b"});                                     // set
  bytes.Bytes({14, 2, 1, 1, 1, 'V', 2, 5, 0, 1, 0, 0});      // collection of two items
  bytes.Bytes({15, 1, 2, 3, 4, 16, 1, 2, 3, 4, 5, 6, 7, 8}); // single, currency
  bytes.Bytes({18, 3, 0, 0, 0, 1, 2, 3, 4, 5, 6});           // wide string of three units
  bytes.Bytes({0x81, 0, 20, 0x42});                          // list by its low bits, tag 20
  ReaderOver source(bytes);
  for (int i = 0; i < 10; ++i)
    source.reader.SkipValue();
  EXPECT_EQ(source.reader.ReadValueTag(), 0x42);
}

TEST(ReaderSkipping, WideStringOfThreeUnitsTakesTenBytes) {
  ReaderOver source(FormBytes().Bytes({18, 3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 0x42}));
  source.reader.SkipValue();
  EXPECT_EQ(source.reader.Position(), 11);
}

TEST(ReaderSkipping, DeepNestingFailsInsteadOfExhaustingTheStack) {
  std::vector<std::uint8_t> bytes(100000, 1);
  ReaderOver source(bytes);
  EXPECT_EQ(FailureOf([&] { source.reader.SkipValue(); }), kBadFormat);
}

TEST(ReaderSignature, AcceptsOnlyTPF0) {
  ReaderOver good(FormBytes().Signature());
  EXPECT_NO_THROW(good.reader.ReadSignature());
  ReaderOver bad(FormBytes().Bytes({'T', 'P', 'F', '1'}));
  EXPECT_EQ(FailureOf([&] { bad.reader.ReadSignature(); }), kBadFormat);
}

TEST(ReaderPrefix, ReadsFlagsAndChildPosition) {
  ReaderOver source(FormBytes().Bytes({0xF3, 2, 5, 0xF4, 0x06}));
  TObjectPrefix first = source.reader.ReadPrefix();
  EXPECT_EQ(first.flags, FlagInherited | FlagChildPos);
  EXPECT_EQ(first.childPosition, 5);
  EXPECT_EQ(source.reader.ReadPrefix().flags, FlagInline);
  EXPECT_EQ(source.reader.ReadPrefix().flags, 0) << "no prefix below 0xF0";
  EXPECT_EQ(source.reader.ReadValueTag(), 0x06);
}

TEST(ReaderVariants, MapTagsToVariantKinds) {
  ReaderOver source(FormBytes().Bytes({2, 0xFF, 9, 0, 13}).Int(1000).Str("s").Bytes({40}));
  TVariant byte = source.reader.ReadVariant();
  EXPECT_EQ(byte.Kind(), TVariantKind::Byte);
  EXPECT_EQ(byte.Integer(), 255);
  TVariant boolean = source.reader.ReadVariant();
  EXPECT_EQ(boolean.Kind(), TVariantKind::Boolean);
  EXPECT_EQ(boolean.Integer(), -1);
  EXPECT_EQ(source.reader.ReadVariant().Kind(), TVariantKind::Null);
  EXPECT_EQ(source.reader.ReadVariant().Kind(), TVariantKind::Empty);
  EXPECT_EQ(source.reader.ReadVariant().Kind(), TVariantKind::SmallInt);
  EXPECT_EQ(source.reader.ReadVariant().Text(), "s");
  EXPECT_EQ(FailureOf([&] { source.reader.ReadVariant(); }), kReadError);
}

TEST(ReaderBuffering, EndOfStreamInsideAValueFails) {
  ReaderOver source(FormBytes().Bytes({4, 1, 2}));
  EXPECT_EQ(FailureOf([&] { source.reader.ReadInteger(); }), kReadError);
}

TEST(ReaderBuffering, ReadsAcrossBufferRefills) {
  String text(5000, 'x');
  FormBytes bytes;
  bytes.LongStr(text).Int(77);
  ReaderOver source(bytes);
  EXPECT_EQ(source.reader.ReadString(), text);
  EXPECT_EQ(source.reader.ReadInteger(), 77);
}

TEST(ReaderBuffering, DestructionSeeksBackToTheLastConsumedByte) {
  FormBytes bytes;
  bytes.Int(1).Int(2).Int(3);
  TMemoryStream stream(bytes.Data());
  {
    TReader reader(stream);
    reader.ReadInteger();
    EXPECT_EQ(stream.Position(), 6) << "the whole stream is buffered";
  }
  EXPECT_EQ(stream.Position(), 2);
}

TEST(ReaderCollections, ReadItemsIntoACollection) {
  TCollection collection(TCollection::ItemsOf<TTestItem>());
  collection.Add();
  FormBytes bytes;
  bytes.Int(0).Byte(1).Prop("Caption").Str("one").End();
  bytes.Byte(1).Prop("Value").Int(2).End().End();
  ReaderOver source(bytes);
  source.reader.ReadCollection(collection);
  ASSERT_EQ(collection.Count(), 2) << "the existing item is replaced";
  EXPECT_EQ(static_cast<TTestItem&>(collection.Items(0)).Caption(), "one");
  EXPECT_EQ(static_cast<TTestItem&>(collection.Items(1)).Value(), 2);
  EXPECT_EQ(collection.UpdateCount(), 0);
}

TEST(ReaderCollections, AFailedItemEndsTheUpdate) {
  TCollection collection(TCollection::ItemsOf<TTestItem>());
  ReaderOver source(FormBytes().Byte(1).Prop("Nothing").Int(2).End().End());
  EXPECT_THROW(source.reader.ReadCollection(collection), EReadError);
  EXPECT_EQ(collection.UpdateCount(), 0);
}

TEST(Streams, ResourceStreamsRefuseWriting) {
  std::vector<std::uint8_t> bytes = {'T', 'P', 'F', '0'};
  SetTestResource("TWRITE", bytes);
#ifdef _WIN32
  GTEST_SKIP() << "test resources are embedded only in host builds";
#else
  TResourceStream stream(nullptr, "twrite");
  EXPECT_EQ(stream.Size(), 4);
  try {
    stream.Write("x", 1);
    FAIL();
  } catch (const EStreamError& failure) {
    EXPECT_EQ(failure.Message(), "読み込み専用リソース ストリームには書き込めません");
  }
#endif
}

TEST(Streams, MissingResourceNamesItself) {
  try {
    TResourceStream stream(nullptr, "TNOSUCHFORM");
    FAIL();
  } catch (const EResNotFound& failure) {
    EXPECT_EQ(failure.Message(), "TNOSUCHFORM リソースが見つかりません");
  }
}
