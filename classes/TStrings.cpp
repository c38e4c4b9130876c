#include "TStrings.h"

#include "Exception.h"
#include "Format.h"
#include "LocaleCompare.h"
#include "Messages.h"
#include "TReader.h"
#include "TStream.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <span>
#include <vector>

#ifdef _WIN32
#include <share.h>
#endif

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr const char* kStreamWriteError = "ストリームへの書き込みエラー";
constexpr std::size_t kChunkSize = 4096;

[[noreturn]] void RaiseFileError(int code) {
  String message;
  switch (code) {
  case ENOENT:
    message = LoadMessage(Msg::FileNotFound);
    break;
  case EACCES:
    message = LoadMessage(Msg::AccessDenied);
    break;
  default:
    message = Format(LoadMessage(Msg::InOutError), {code});
    break;
  }
  throw EInOutError(std::move(message), code);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file with others denied writing to it while it is open (Windows); the host has no
// share modes.
FileHandle OpenFile(const String& fileName, const char* mode) {
#ifdef _WIN32
  FileHandle file(_fsopen(fileName.c_str(), mode, _SH_DENYWR));
#else
  FileHandle file(std::fopen(fileName.c_str(), mode));
#endif
  if (!file) {
    RaiseFileError(errno);
  }
  return file;
}

std::vector<std::uint8_t> ReadWholeFile(const String& fileName) {
  const FileHandle file = OpenFile(fileName, "rb");
  std::vector<std::uint8_t> bytes;
  std::size_t got = 0;
  do {
    bytes.resize(bytes.size() + kChunkSize);
    got = std::fread(bytes.data() + bytes.size() - kChunkSize, 1, kChunkSize, file.get());
    bytes.resize(bytes.size() - kChunkSize + got);
  } while (got == kChunkSize);
  if (std::ferror(file.get()) != 0) {
    RaiseFileError(errno);
  }
  return bytes;
}

void WriteWholeFile(const String& fileName, std::span<const std::uint8_t> bytes) {
  const FileHandle file = OpenFile(fileName, "wb");
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
      std::fflush(file.get()) != 0) {
    RaiseFileError(errno);
  }
}

} // namespace

TStrings::UpdateScope::UpdateScope(TStrings& list)
    : list_(list), uncaughtAtStart_(std::uncaught_exceptions()) {
  list_.SuspendUpdates();
}

TStrings::UpdateScope::~UpdateScope() noexcept(false) {
  if (std::uncaught_exceptions() == uncaughtAtStart_) {
    list_.ResumeUpdates();
    return;
  }
  try {
    list_.ResumeUpdates();
  } catch (...) {
    // A second failure cannot travel beside the first; the first is the one to report.
  }
}

void TStrings::DeclareExtraProperties(TFiler& filer) {
  TPersistent::DeclareExtraProperties(filer);
  filer.OfferProperty("Strings", [this](TReader& reader) { ReadStrings(reader); });
}

void TStrings::Assign(const TPersistent& source) {
  if (const auto* strings = dynamic_cast<const TStrings*>(&source)) {
    CopyFrom(*strings);
    return;
  }
  TPersistent::Assign(source);
}

int TStrings::Capacity() const { return ItemCount(); }

void* TStrings::ObjectAt(int) const { return nullptr; }

String TStrings::AllText() const {
  const int count = ItemCount();
  String text;
  for (int i = 0; i < count; ++i) {
    text += ItemAt(i);
    text += kLineBreak;
  }
  return text;
}

void TStrings::ReplaceAt(int index, const String& text) {
  void* const object = ObjectAt(index);
  RemoveAt(index);
  InsertWithObject(index, text, object);
}

void TStrings::SetObjectAt(int, void*) {}

void TStrings::Reserve(int) {}

void TStrings::SetAllText(const String& text) {
  UpdateScope update(*this);
  RemoveAll();
  const std::string_view lines(text.c_str());
  std::size_t pos = 0;
  while (pos < lines.size()) {
    const std::size_t end = std::min(lines.find_first_of(kLineBreak, pos), lines.size());
    Append(String(lines.substr(pos, end - pos)));
    pos = end;
    if (pos < lines.size() && lines[pos] == '\r') {
      ++pos;
    }
    if (pos < lines.size() && lines[pos] == '\n') {
      ++pos;
    }
  }
}

void TStrings::UpdatingChanged(bool) {}

int TStrings::Append(const String& text) {
  const int index = ItemCount();
  InsertAt(index, text);
  return index;
}

int TStrings::AppendWithObject(const String& text, void* object) {
  const int index = Append(text);
  SetObjectAt(index, object);
  return index;
}

void TStrings::AppendAll(const TStrings& other) {
  UpdateScope update(*this);
  // The count is taken once, so that a list appended to itself doubles and stops.
  const int count = other.ItemCount();
  for (int i = 0; i < count; ++i) {
    AppendWithObject(other.ItemAt(i), other.ObjectAt(i));
  }
}

void TStrings::Swap(int first, int second) {
  UpdateScope update(*this);
  const String firstText = ItemAt(first);
  void* const firstObject = ObjectAt(first);
  ReplaceAt(first, ItemAt(second));
  SetObjectAt(first, ObjectAt(second));
  ReplaceAt(second, firstText);
  SetObjectAt(second, firstObject);
}

std::unique_ptr<char[]> TStrings::TextCopy() const {
  const String text = AllText();
  auto copy = std::make_unique<char[]>(text.size() + 1);
  std::memcpy(copy.get(), text.c_str(), text.size() + 1);
  return copy;
}

int TStrings::PositionOf(const String& text) const {
  const int count = ItemCount();
  for (int i = 0; i < count; ++i) {
    if (LocaleCompareText(ItemAt(i), text) == 0) {
      return i;
    }
  }
  return -1;
}

void TStrings::LoadFile(const String& fileName) {
  TMemoryStream stream(ReadWholeFile(fileName));
  LoadStream(stream);
}

void TStrings::LoadStream(TStream& stream) {
  UpdateScope update(*this);
  String text;
  char chunk[kChunkSize];
  for (std::size_t got = 0; (got = stream.Read(chunk, sizeof chunk)) != 0;) {
    text.append(chunk, got);
  }
  SetAllText(text);
}

void TStrings::MoveItem(int from, int to) {
  if (from == to) {
    return;
  }
  UpdateScope update(*this);
  const String text = ItemAt(from);
  void* const object = ObjectAt(from);
  // Checks the destination before anything is removed, so that a bad one loses nothing.
  static_cast<void>(ItemAt(to));
  RemoveAt(from);
  InsertWithObject(to, text, object);
}

void TStrings::SaveFile(const String& fileName) {
  TMemoryStream stream;
  SaveStream(stream);
  WriteWholeFile(fileName, stream.Bytes());
}

void TStrings::SaveStream(TStream& stream) {
  const String text = AllText();
  if (stream.Write(text.data(), text.size()) != text.size()) {
    throw EStreamError(kStreamWriteError);
  }
}

void TStrings::SetTextFrom(const char* text) { SetAllText(text ? String(text) : String()); }

void TStrings::SuspendUpdates() {
  if (updateDepth_ == 0) {
    UpdatingChanged(true);
  }
  ++updateDepth_;
}

void TStrings::ResumeUpdates() {
  if (updateDepth_ == 0) {
    return;
  }
  if (--updateDepth_ == 0) {
    UpdatingChanged(false);
  }
}

void TStrings::InsertWithObject(int index, const String& text, void* object) {
  InsertAt(index, text);
  SetObjectAt(index, object);
}

int TStrings::PositionOfObject(const void* object) const {
  const int count = ItemCount();
  for (int i = 0; i < count; ++i) {
    if (ObjectAt(i) == object) {
      return i;
    }
  }
  return -1;
}

bool TStrings::SameAs(const TStrings& other) const {
  const int count = ItemCount();
  if (count != other.ItemCount()) {
    return false;
  }
  for (int i = 0; i < count; ++i) {
    if (ItemAt(i) != other.ItemAt(i)) {
      return false;
    }
  }
  return true;
}

void TStrings::CopyFrom(const TStrings& other) {
  if (&other == this) {
    return;
  }
  UpdateScope update(*this);
  RemoveAll();
  AppendAll(other);
}

void TStrings::ReadStrings(TReader& reader) {
  TReader::TNesting list(reader);
  reader.ReadListBegin();
  {
    UpdateScope update(*this);
    RemoveAll();
    while (!reader.EndOfList()) {
      Append(reader.ReadString());
    }
  }
  reader.ReadListEnd();
}
