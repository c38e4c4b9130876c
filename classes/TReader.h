#pragma once

#include "ClassInfo.h"
#include "Exception.h"
#include "Fixups.h"
#include "ModelText.h"
#include "TFiler.h"
#include "ValueTag.h"

#include <memory>
#include <string>

class TCollection;
class TPersistent;
struct TFreeComponent;

// The prefix of an object record: its flags (TFilerFlag) and, with FlagChildPos, the
// child position.
struct TObjectPrefix {
  std::uint8_t flags = 0;
  std::int32_t childPosition = 0;
};

// Reads a form resource ("TPF0" and one object record) and builds components from it.
//
// The reading primitives check their value tags and fail with EReadError and the
// format's messages. Lengths in the stream never make the reader reserve memory ahead:
// long strings and blocks are read piece by piece, so a length beyond the stream's end
// fails with "ストリームからの読み込みエラー" after reading what is there. Nesting is limited
// to MaxNesting levels: the root object (or the first value or object read) stands on
// level 1, and each child object, collection value and list value inside adds one; level
// MaxNesting + 1 fails with "不正なストリーム フォーマット" (no form comes near it, and the
// limit keeps the stack bounded whatever the input).
//
// When the reader goes it seeks its stream back over the bytes it buffered but did not
// consume, so the stream stands right after the last byte read.
class TReader : public TFiler {
public:
  static constexpr int MaxNesting = 64;

  // One level of nesting for as long as it lives; fails past MaxNesting. Whatever reads a
  // structure that may nest (or a list, as the string lists' "Strings" value) holds one.
  class TNesting;

  explicit TReader(TStream& stream);
  ~TReader() override;

  // The stream position of the next byte to be consumed.
  std::int64_t Position() const;

  TValueType ReadValueTag();
  TValueType PeekValueTag();
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  std::int32_t ReadInteger();
  std::int64_t ReadInt64();
  long double ReadFloat();
  float ReadSingle();
  std::int64_t ReadCurrency();
  double ReadDate();
  String ReadString();
  std::u16string ReadWideString();
  char ReadChar();
  bool ReadBoolean();
  String ReadIdentifier();
  std::uint32_t ReadSet(const TEnumType& elements);
  String ReadShortString();
  TObjectPrefix ReadPrefix();
  void ReadSignature();
  TVariant ReadVariant();
  void ReadCollection(TCollection& collection);
  void ReadBytes(void* buffer, std::size_t count);

  void SkipValue();
  void SkipProperty();
  void SkipObject(bool withHeader);

  // Reads the root object into root (or into a new instance of the registered class the
  // stream names, when root is null) and gives the root. Holds the name-space lock for
  // writing; on failure drops the global fix-ups recorded under a given root, frees a root
  // it created (with its fix-ups) and passes the failure on; the pending references of
  // other roots stay. Components the read created inside a given root stay owned by it:
  // the caller frees the root.
  TComponent* LoadRoot(TComponent* root);
  // Reads one child object, creating its component unless existing is given; a component
  // created here is freed when reading it fails. The inline flag marks a new component right
  // after its constructor.
  TComponent* LoadChild(TComponent* existing);
  // Reads one property record into instance; a failure comes back as EReadError
  // "<name>.<property> の読み込み中のエラー : <message>".
  void LoadProperty(TPersistent& instance);
  // The base of TComponent::ReadOwnData: properties, then the children (owned by
  // OwnerForChildren() or the root, parented to ParentForChildren()). The outermost call
  // resolves the references of the whole tree at its end.
  void ReadComponentData(TComponent& component);

  void OfferProperty(std::string_view name, const TReadRoutine& read) override;
  void OfferBinaryProperty(std::string_view name, const TBinaryReadRoutine& read) override;

  // The owner and parent given to the components created now.
  TComponent* Owner() const { return owner_; }
  TComponent* Parent() const { return parent_; }

private:
  // A property record being read: where a failure, or a reference stored later, is named.
  struct TPropertyRecord {
    const TPersistent* instance;
    const String* path;
    const TPropertyRecord* outer;
  };

  void FillBuffer();
  void CheckValue(TValueType expected);
  [[noreturn]] void InvalidValue();
  std::uint32_t ReadLength();
  void SkipBytes(std::uint64_t count);
  void SkipSetMembers();
  void SkipCollection();
  String ReadBytesAsString(std::uint64_t count);

  void ReadPropertyValue(TPersistent& instance, const TPropInfo& property, TComponent* holder);
  void ReadIntegerProperty(TPersistent& instance, const TPropInfo& property);
  void ReadEnumProperty(TPersistent& instance, const TPropInfo& property);
  void ReadClassProperty(TPersistent& instance, const TPropInfo& property, TComponent* holder);
  void ReadMethodProperty(TPersistent& instance, const TPropInfo& property);
  void LoadPropertyPath(TPersistent& instance, const String& path, TComponent* holder);
  std::vector<TReadPlace> ReadPlaces() const;
  const TClassInfo& FindChildClass(std::string_view className) const;
  TComponent* ReadRootHeader(TComponent* root,
                             std::unique_ptr<TComponent, TFreeComponent>& created);

  TComponent* owner_ = nullptr;
  TComponent* parent_ = nullptr;
  std::vector<TComponent*>* loaded_ = nullptr;
  std::vector<TPropFixup>* fixups_ = nullptr;
  // The innermost property record being read (each on its reader's stack frame), and the
  // innermost component among their objects (a collection item's references belong to it).
  const TPropertyRecord* record_ = nullptr;
  TComponent* holder_ = nullptr;
  String pendingName_;
  bool pending_ = false;
  int nesting_ = 0;
};

// Counts one level of nesting for as long as it lives.
class TReader::TNesting {
public:
  explicit TNesting(TReader& reader) : reader_(reader) {
    if (reader_.nesting_ >= MaxNesting)
      throw EReadError(ModelText::InvalidStreamFormat);
    ++reader_.nesting_;
  }
  ~TNesting() { --reader_.nesting_; }
  TNesting(const TNesting&) = delete;
  TNesting& operator=(const TNesting&) = delete;

private:
  TReader& reader_;
};
