#pragma once

#include "String.h"
#include "TPersistent.h"

#include <memory>

class TReader;
class TStream;

// The one interface of ordered lists of texts, each text with an associated object.
//
// Concrete lists provide the primitives (ItemAt, ItemCount, RemoveAll, RemoveAt, InsertAt
// and, to keep objects, ObjectAt and SetObjectAt); every other operation is built on them
// here and may be overridden by a list that can do it better. Objects are opaque to the
// list: it stores and hands back the pointer, never dereferences it and never frees it.
//
// Changes can be grouped into an update (SuspendUpdates ... ResumeUpdates, or an
// UpdateScope); a list sends its notifications only outside one, once for the whole update.
//
// In a form resource a list stores its texts as the extra property "Strings": a list value
// of string values. Reading it replaces the list's texts inside one update. (Nothing in the
// program writes form resources, so there is no writing side.)
class TStrings : public TPersistent {
public:
  SORVANE_CLASS(TStrings, TPersistent)

  // Keeps a list in an update for the lifetime of the scope.
  class UpdateScope {
  public:
    explicit UpdateScope(TStrings& list);
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;
    // Ends the update. A failure of the closing notification is passed on, except while an
    // earlier failure is already unwinding the stack: that one is the failure to report.
    ~UpdateScope() noexcept(false);

  private:
    TStrings& list_;
    int uncaughtAtStart_;
  };

  TStrings() = default;

  // Offers "Strings".
  void DeclareExtraProperties(TFiler& filer) override;
  // Copies another list's texts and objects when source is a TStrings.
  void Assign(const TPersistent& source) override;

  // The operations of every list, declared in the order of their slots in the class's table
  // of virtual functions (after the three of TPersistent).
  virtual String ItemAt(int index) const = 0;
  virtual int Capacity() const;
  virtual int ItemCount() const = 0;
  virtual void* ObjectAt(int index) const;
  // Every text followed by CR LF, the last one too.
  virtual String AllText() const;
  virtual void ReplaceAt(int index, const String& text);
  virtual void SetObjectAt(int index, void* object);
  virtual void Reserve(int capacity);
  // Replaces the list by the lines of text, inside one update. A line ends at CR LF, CR or
  // LF (LF CR ends two lines, the second empty); a break at the very end adds no empty line;
  // a zero byte ends the text, as it ends the text given to SetTextFrom.
  virtual void SetAllText(const String& text);

protected:
  // Called when an update starts (true) and when it ends (false).
  virtual void UpdatingChanged(bool updating);

public:
  virtual int Append(const String& text);
  virtual int AppendWithObject(const String& text, void* object);
  virtual void AppendAll(const TStrings& other);
  virtual void RemoveAll() = 0;
  virtual void RemoveAt(int index) = 0;
  virtual void Swap(int first, int second);
  // AllText as a zero-terminated copy that belongs to the caller.
  virtual std::unique_ptr<char[]> TextCopy() const;
  // Index of the first text equal to text (case-insensitive, locale-aware), or -1.
  virtual int PositionOf(const String& text) const;
  virtual void InsertAt(int index, const String& text) = 0;
  // Reads the whole file, opened with others denied writing, through LoadStream. Failures
  // to open or read raise EInOutError.
  virtual void LoadFile(const String& fileName);
  // Reads everything from the stream's position to its end as the list's text.
  virtual void LoadStream(TStream& stream);
  virtual void MoveItem(int from, int to);
  // Creates (or empties) the file and writes what SaveStream gives. Failures raise
  // EInOutError.
  virtual void SaveFile(const String& fileName);
  // Writes AllText; a stream that takes less fails with EStreamError.
  virtual void SaveStream(TStream& stream);
  virtual void SetTextFrom(const char* text);

  void SuspendUpdates();
  // Ends one SuspendUpdates. An unmatched call does nothing, so that a stray call cannot
  // leave the list silent for good.
  void ResumeUpdates();
  void InsertWithObject(int index, const String& text, void* object);
  int PositionOfObject(const void* object) const;
  // Same count and the same texts, compared case-sensitively.
  bool SameAs(const TStrings& other) const;
  // Makes this list a copy of other, inside one update.
  void CopyFrom(const TStrings& other);

protected:
  int UpdateDepth() const { return updateDepth_; }

private:
  void ReadStrings(TReader& reader);

  int updateDepth_ = 0;
};
