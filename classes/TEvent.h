#pragma once

#include "TObject.h"

#include <utility>

// The code of a published method with its parameter list erased; TEvent gives it back its
// type. Conversions between function pointer types and back are exact.
using TMethodCode = void (*)();

// Identity of an event signature: one distinct address per parameter list.
template <typename... Args> struct TSignatureTag { static constexpr char tag = 0; };
template <typename... Args> inline constexpr const void* SignatureOf = &TSignatureTag<Args...>::tag;

// A handler bound to its object, with the signature erased (what the loader moves around).
struct TMethod {
  TMethodCode code = nullptr;
  TObject* data = nullptr;
  const void* signature = nullptr;
};

// Calls member M of the class it belongs to on an object known to be of that class.
template <auto M, typename = decltype(M)> struct TMethodThunk;
template <auto M, typename T, typename... Args> struct TMethodThunk<M, void (T::*)(Args...)> {
  static void Call(TObject* self, Args... args) {
    (static_cast<T*>(self)->*M)(std::forward<Args>(args)...);
  }
};

// An event: a (method, object) pair. An unset event does nothing when called. Every event
// type is an instance of this template (TNotifyEvent, and the framework's key, scroll and
// close events), so published event properties of any signature load the same way.
template <typename... Args> class TEvent {
public:
  using Code = void (*)(TObject* self, Args... args);

  TEvent() = default;
  TEvent(Code code, TObject* data) : code_(code), data_(data) {}

  // The event that calls member M on object.
  template <auto M, typename T> static TEvent Bind(T& object) {
    return TEvent(&TMethodThunk<M>::Call, &object);
  }
  // The event of a loader's method; an empty one when the signature is not this one.
  static TEvent FromMethod(const TMethod& method) {
    if (method.code == nullptr || method.signature != SignatureOf<Args...>)
      return {};
    return TEvent(reinterpret_cast<Code>(method.code), method.data);
  }

  TMethod Method() const {
    return {reinterpret_cast<TMethodCode>(code_), data_, SignatureOf<Args...>};
  }
  TObject* Data() const { return data_; }
  explicit operator bool() const { return code_ != nullptr; }
  bool operator==(const TEvent&) const = default;

  void operator()(Args... args) const {
    if (code_ != nullptr)
      code_(data_, std::forward<Args>(args)...);
  }

private:
  Code code_ = nullptr;
  TObject* data_ = nullptr;
};

// The plain event: only the sender.
using TNotifyEvent = TEvent<TObject*>;
