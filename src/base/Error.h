#pragma once
// A failure that keeps its cause: what went wrong and where.

#include <string>
#include <utility>
#include <variant>

namespace veltrax {

enum class ErrorKind {
  NotFound,
  AlreadyExists,
  PermissionDenied,
  Io,
  BadFormat,
  BadArgument,
  DeviceNotOpen,
  DeviceRejected,
  Damaged,
  ChangedOnDisk,  // a file kept in memory was changed by another program; it was reloaded
};

struct Error {
  ErrorKind kind;
  std::string context;  // the file, path or step concerned, and the system's own reason
};

// A value or the reason why there is none.
template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Error error) : state_(std::move(error)) {}

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return std::get<T>(state_); }
  T& value() & { return std::get<T>(state_); }
  T&& value() && { return std::get<T>(std::move(state_)); }
  const Error& error() const { return std::get<Error>(state_); }

 private:
  std::variant<T, Error> state_;
};

// For operations that yield nothing but success or a cause.
struct Done {};
using Status = Result<Done>;
inline Status Success() { return Done{}; }

}  // namespace veltrax
