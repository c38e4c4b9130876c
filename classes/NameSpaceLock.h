#pragma once

// The process-wide multi-reader, single-writer lock on the global name space (the
// components and their names), held for writing while a form is built from its resource
// and while it is destroyed.
//
// The writing thread may take it again, for writing or reading, as often as it likes;
// every Begin needs its End, and reads taken while writing end before the write does. A
// thread that holds it only for reading must not ask for writing (it would wait for
// itself).
class TNameSpaceLock {
public:
  static void BeginWrite();
  static void EndWrite();
  static void BeginRead();
  static void EndRead();
  // Whether the calling thread holds the lock for writing.
  static bool HeldForWriting();
};

class TNameSpaceWriteGuard {
public:
  TNameSpaceWriteGuard() { TNameSpaceLock::BeginWrite(); }
  ~TNameSpaceWriteGuard() { TNameSpaceLock::EndWrite(); }
  TNameSpaceWriteGuard(const TNameSpaceWriteGuard&) = delete;
  TNameSpaceWriteGuard& operator=(const TNameSpaceWriteGuard&) = delete;
};

class TNameSpaceReadGuard {
public:
  TNameSpaceReadGuard() { TNameSpaceLock::BeginRead(); }
  ~TNameSpaceReadGuard() { TNameSpaceLock::EndRead(); }
  TNameSpaceReadGuard(const TNameSpaceReadGuard&) = delete;
  TNameSpaceReadGuard& operator=(const TNameSpaceReadGuard&) = delete;
};
