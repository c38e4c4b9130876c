#include "TReader.h"

#include "Exception.h"
#include "ModelText.h"
#include "TCollection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

template <typename T> T FromLittleEndian(const std::uint8_t* bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = sizeof(T); i > 0; --i)
    value = (value << 8) | bytes[i - 1];
  if constexpr (std::is_signed_v<T>)
    return static_cast<T>(static_cast<std::make_unsigned_t<T>>(value));
  else
    return static_cast<T>(value);
}

// The x87 extended format: 64-bit significand with its integer bit, 15-bit biased exponent.
// The exponent 0 marks denormals, which scale like the smallest normal exponent (1): the
// value is significand x 2^-16445.
long double DecodeExtended(const std::uint8_t* bytes) {
  auto significand = FromLittleEndian<std::uint64_t>(bytes);
  auto signAndExponent = FromLittleEndian<std::uint16_t>(bytes + 8);
  int exponent = signAndExponent & 0x7FFF;
  bool negative = (signAndExponent & 0x8000) != 0;
  long double magnitude;
  if (exponent == 0x7FFF)
    magnitude = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                        : std::numeric_limits<long double>::quiet_NaN();
  else
    magnitude =
        std::ldexp(static_cast<long double>(significand), std::max(exponent, 1) - 16383 - 63);
  return negative ? -magnitude : magnitude;
}

bool IsIntegerTag(TValueType tag) {
  return tag == ValueInt8 || tag == ValueInt16 || tag == ValueInt32;
}

} // namespace

TReader::TReader(TStream& stream) : TFiler(stream) {}

TReader::~TReader() {
  try {
    if (bufferEnd_ > bufferPosition_)
      stream_.Seek(-static_cast<std::int64_t>(bufferEnd_ - bufferPosition_), TSeekOrigin::Current);
  } catch (...) {
    // A stream that cannot seek back leaves its position after the buffered bytes.
  }
}

std::int64_t TReader::Position() const {
  return stream_.Seek(0, TSeekOrigin::Current) -
         static_cast<std::int64_t>(bufferEnd_ - bufferPosition_);
}

void TReader::FillBuffer() {
  bufferEnd_ = stream_.Read(buffer_.data(), BufferSize);
  bufferPosition_ = 0;
  if (bufferEnd_ == 0)
    throw EReadError(ModelText::StreamReadError);
}

void TReader::ReadBytes(void* buffer, std::size_t count) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (count > 0) {
    if (bufferPosition_ == bufferEnd_)
      FillBuffer();
    std::size_t part = std::min(count, bufferEnd_ - bufferPosition_);
    std::memcpy(out, buffer_.data() + bufferPosition_, part);
    bufferPosition_ += part;
    out += part;
    count -= part;
  }
}

void TReader::SkipBytes(std::uint64_t count) {
  std::array<std::uint8_t, 256> scratch;
  while (count > 0) {
    std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(count, scratch.size()));
    ReadBytes(scratch.data(), part);
    count -= part;
  }
}

TValueType TReader::ReadValueTag() {
  std::uint8_t tag;
  ReadBytes(&tag, 1);
  return static_cast<TValueType>(tag);
}

TValueType TReader::PeekValueTag() {
  TValueType tag = ReadValueTag();
  --bufferPosition_;
  return tag;
}

bool TReader::EndOfList() { return PeekValueTag() == ValueNull; }

void TReader::InvalidValue() { throw EReadError(ModelText::InvalidPropertyValue); }

void TReader::CheckValue(TValueType expected) {
  if (ReadValueTag() == expected)
    return;
  --bufferPosition_;
  SkipValue();
  InvalidValue();
}

void TReader::ReadListBegin() { CheckValue(ValueList); }

void TReader::ReadListEnd() { CheckValue(ValueNull); }

std::int32_t TReader::ReadInteger() {
  std::uint8_t bytes[4];
  switch (ReadValueTag()) {
  case ValueInt8:
    ReadBytes(bytes, 1);
    return FromLittleEndian<std::int8_t>(bytes);
  case ValueInt16:
    ReadBytes(bytes, 2);
    return FromLittleEndian<std::int16_t>(bytes);
  case ValueInt32:
    ReadBytes(bytes, 4);
    return FromLittleEndian<std::int32_t>(bytes);
  default:
    InvalidValue();
  }
}

std::int64_t TReader::ReadInt64() {
  if (IsIntegerTag(PeekValueTag()))
    return ReadInteger();
  if (ReadValueTag() != ValueInt64)
    InvalidValue();
  std::uint8_t bytes[8];
  ReadBytes(bytes, 8);
  return FromLittleEndian<std::int64_t>(bytes);
}

long double TReader::ReadFloat() {
  if (IsIntegerTag(PeekValueTag()))
    return ReadInteger();
  if (ReadValueTag() != ValueExtended)
    InvalidValue();
  std::uint8_t bytes[10];
  ReadBytes(bytes, 10);
  return DecodeExtended(bytes);
}

float TReader::ReadSingle() {
  if (IsIntegerTag(PeekValueTag()))
    return static_cast<float>(ReadInteger());
  if (ReadValueTag() != ValueSingle)
    InvalidValue();
  std::uint8_t bytes[4];
  ReadBytes(bytes, 4);
  auto bits = FromLittleEndian<std::uint32_t>(bytes);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::int64_t TReader::ReadCurrency() {
  if (IsIntegerTag(PeekValueTag()))
    return std::int64_t{ReadInteger()} * 10000;
  if (ReadValueTag() != ValueCurrency)
    InvalidValue();
  std::uint8_t bytes[8];
  ReadBytes(bytes, 8);
  return FromLittleEndian<std::int64_t>(bytes);
}

double TReader::ReadDate() {
  if (IsIntegerTag(PeekValueTag()))
    return ReadInteger();
  if (ReadValueTag() != ValueDate)
    InvalidValue();
  std::uint8_t bytes[8];
  ReadBytes(bytes, 8);
  auto bits = FromLittleEndian<std::uint64_t>(bytes);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::uint32_t TReader::ReadLength() {
  std::uint8_t bytes[4];
  ReadBytes(bytes, 4);
  return FromLittleEndian<std::uint32_t>(bytes);
}

String TReader::ReadBytesAsString(std::uint64_t count) {
  // Grows with what the stream really holds, never by the stored length alone.
  String text;
  char part[256];
  while (count > 0) {
    std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(count, sizeof part));
    ReadBytes(part, size);
    text.append(part, size);
    count -= size;
  }
  return text;
}

String TReader::ReadString() {
  switch (ReadValueTag()) {
  case ValueString:
    return ReadShortString();
  case ValueLongString:
    return ReadBytesAsString(ReadLength());
  default:
    InvalidValue();
  }
}

std::u16string TReader::ReadWideString() {
  if (ReadValueTag() != ValueWideString)
    InvalidValue();
  String bytes = ReadBytesAsString(std::uint64_t{ReadLength()} * 2);
  std::u16string text(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  return text;
}

char TReader::ReadChar() {
  CheckValue(ValueString);
  String text = ReadShortString();
  if (text.size() != 1)
    InvalidValue();
  return text.front();
}

bool TReader::ReadBoolean() { return ReadValueTag() == ValueTrue; }

String TReader::ReadIdentifier() {
  switch (ReadValueTag() & 0x7F) {
  case ValueIdent:
    return ReadShortString();
  case ValueNull:
    return "Null";
  case ValueFalse:
    return "False";
  case ValueTrue:
    return "True";
  case ValueNil:
    return "nil";
  default:
    InvalidValue();
  }
}

String TReader::ReadShortString() {
  std::uint8_t length;
  ReadBytes(&length, 1);
  if (bufferEnd_ - bufferPosition_ >= length) {
    // The usual case: the whole name is in the buffer.
    const auto* start = reinterpret_cast<const char*>(buffer_.data() + bufferPosition_);
    bufferPosition_ += length;
    return String(start, length);
  }
  String text(length, '\0');
  ReadBytes(text.data(), length);
  return text;
}

std::uint32_t TReader::ReadSet(const TEnumType& elements) {
  if (ReadValueTag() != ValueSet)
    InvalidValue();
  std::uint32_t bits = 0;
  for (String member = ReadShortString(); !member.empty(); member = ReadShortString()) {
    int ordinal = elements.Find(member);
    if (ordinal < 0) {
      SkipSetMembers();
      InvalidValue();
    }
    if (ordinal < 32)
      bits |= std::uint32_t{1} << ordinal;
  }
  return bits;
}

void TReader::SkipSetMembers() {
  while (!ReadShortString().empty()) {
  }
}

TObjectPrefix TReader::ReadPrefix() {
  TObjectPrefix prefix;
  if (PeekValueTag() < PrefixMark)
    return prefix;
  prefix.flags = ReadValueTag() & 0x0F;
  if ((prefix.flags & FlagChildPos) != 0)
    prefix.childPosition = ReadInteger();
  return prefix;
}

void TReader::ReadSignature() {
  static constexpr std::uint8_t signature[4] = {'T', 'P', 'F', '0'};
  std::uint8_t bytes[4];
  ReadBytes(bytes, 4);
  if (std::memcmp(bytes, signature, 4) != 0)
    throw EReadError(ModelText::InvalidStreamFormat);
}

TVariant TReader::ReadVariant() {
  std::uint8_t bytes[2];
  switch (PeekValueTag()) {
  case ValueNull:
    ReadValueTag();
    return TVariant::Null();
  case ValueNil:
    ReadValueTag();
    return TVariant();
  case ValueInt8:
    ReadValueTag();
    ReadBytes(bytes, 1);
    return TVariant::FromInteger(TVariantKind::Byte, bytes[0]);
  case ValueInt16:
    return TVariant::FromInteger(TVariantKind::SmallInt, ReadInteger());
  case ValueInt32:
    return TVariant::FromInteger(TVariantKind::Integer, ReadInteger());
  case ValueExtended:
    return TVariant::FromReal(TVariantKind::Double, Publishing::NarrowFloat<double>(ReadFloat()));
  case ValueString:
  case ValueLongString:
    return TVariant::FromString(ReadString());
  case ValueFalse:
  case ValueTrue:
    return TVariant::FromInteger(TVariantKind::Boolean, ReadBoolean() ? -1 : 0);
  case ValueSingle:
    return TVariant::FromReal(TVariantKind::Single, ReadSingle());
  case ValueCurrency:
    return TVariant::FromInteger(TVariantKind::Currency, ReadCurrency());
  case ValueDate:
    return TVariant::FromReal(TVariantKind::Date, ReadDate());
  case ValueWideString:
    return TVariant::FromWideString(ReadWideString());
  default:
    ReadValueTag();
    throw EReadError(ModelText::StreamReadError);
  }
}

void TReader::ReadCollection(TCollection& collection) {
  TNesting nesting(*this);
  collection.BeginUpdate();
  try {
    if (!EndOfList())
      collection.Clear();
    while (!EndOfList()) {
      if (IsIntegerTag(PeekValueTag()))
        ReadInteger();
      TCollectionItem& item = collection.Add();
      ReadListBegin();
      while (!EndOfList())
        LoadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
}

void TReader::SkipValue() {
  switch (ReadValueTag() & 0x7F) {
  case ValueList: {
    TNesting nesting(*this);
    while (!EndOfList())
      SkipValue();
    ReadValueTag();
    break;
  }
  case ValueInt8:
    SkipBytes(1);
    break;
  case ValueInt16:
    SkipBytes(2);
    break;
  case ValueInt32:
  case ValueSingle:
    SkipBytes(4);
    break;
  case ValueExtended:
    SkipBytes(10);
    break;
  case ValueString:
  case ValueIdent:
    ReadShortString();
    break;
  case ValueBinary:
  case ValueLongString:
    SkipBytes(ReadLength());
    break;
  case ValueSet:
    SkipSetMembers();
    break;
  case ValueCollection:
    SkipCollection();
    break;
  case ValueCurrency:
  case ValueDate:
  case ValueInt64:
    SkipBytes(8);
    break;
  case ValueWideString:
    SkipBytes(std::uint64_t{ReadLength()} * 2);
    break;
  default:
    break;
  }
}

void TReader::SkipCollection() {
  TNesting nesting(*this);
  while (!EndOfList()) {
    if (IsIntegerTag(PeekValueTag()))
      SkipValue();
    ReadValueTag();
    while (!EndOfList())
      SkipProperty();
    ReadValueTag();
  }
  ReadValueTag();
}

void TReader::SkipProperty() {
  ReadShortString();
  SkipValue();
}

void TReader::SkipObject(bool withHeader) {
  TNesting nesting(*this);
  if (withHeader) {
    ReadPrefix();
    ReadShortString();
    ReadShortString();
  }
  while (!EndOfList())
    SkipProperty();
  ReadValueTag();
  while (!EndOfList())
    SkipObject(true);
  ReadValueTag();
}
