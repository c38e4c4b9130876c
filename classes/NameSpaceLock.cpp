#include "NameSpaceLock.h"

#include <shared_mutex>

namespace {

std::shared_mutex& Mutex() {
  static std::shared_mutex mutex;
  return mutex;
}

// Per thread: how deep it holds the lock for writing, and for reading only.
thread_local int writeDepth = 0;
thread_local int readDepth = 0;

} // namespace

void TNameSpaceLock::BeginWrite() {
  if (writeDepth == 0)
    Mutex().lock();
  ++writeDepth;
}

void TNameSpaceLock::EndWrite() {
  if (--writeDepth == 0)
    Mutex().unlock();
}

void TNameSpaceLock::BeginRead() {
  if (writeDepth == 0 && readDepth == 0)
    Mutex().lock_shared();
  ++readDepth;
}

void TNameSpaceLock::EndRead() {
  if (--readDepth == 0 && writeDepth == 0)
    Mutex().unlock_shared();
}

bool TNameSpaceLock::HeldForWriting() { return writeDepth > 0; }
