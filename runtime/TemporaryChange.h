#pragma once

#include <type_traits>
#include <utility>

// Gives a variable a value for the rest of the scope and puts the value it had back when the
// scope ends, however it ends (return or exception).
//
//   TTemporaryChange busy(busy_, true);
template <class T> class [[nodiscard]] TTemporaryChange {
public:
  TTemporaryChange(T& variable, std::type_identity_t<T> value)
      : variable_(variable), saved_(std::move(variable)) {
    variable_ = std::move(value);
  }
  TTemporaryChange(const TTemporaryChange&) = delete;
  TTemporaryChange& operator=(const TTemporaryChange&) = delete;
  ~TTemporaryChange() { variable_ = std::move(saved_); }

private:
  T& variable_;
  T saved_;
};
