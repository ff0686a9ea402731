#pragma once

#include <optional>
#include <string>
#include <utility>

namespace pictavo {

// Why an operation failed, in words a user can act on.
struct Failure {
  std::string reason;
};

// A value or the reason there is none. Operations report bad input and missing
// files this way instead of throwing, so that callers can show the reason and
// carry on. Results that the program's peers fix as numbers stay numbers
// (result_code.h).
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(Failure failure) : reason_(std::move(failure.reason)) {}

  explicit operator bool() const { return value_.has_value(); }
  T& operator*() & { return *value_; }
  const T& operator*() const& { return *value_; }
  T&& operator*() && { return std::move(*value_); }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }

  // Empty when there is a value.
  const std::string& reason() const { return reason_; }

 private:
  std::optional<T> value_;
  std::string reason_;
};

// Success or the reason of a failure, for operations without a value.
class Status {
 public:
  Status() = default;
  Status(Failure failure) : reason_(std::move(failure.reason)), failed_(true) {}

  explicit operator bool() const { return !failed_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
  bool failed_ = false;
};

}  // namespace pictavo
