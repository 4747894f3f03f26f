#pragma once
// Run-time errors of the form runtime: what the original platform raised as a
// trappable error (a text that must be a number and is not, an index out of
// range, a division by zero, an overflow, a value that is not finite).
#include <stdexcept>
#include <string>

namespace mirl::rt {

enum class ErrorCode {
  TypeMismatch = 13,
  DivisionByZero = 11,
  Overflow = 6,
  SubscriptOutOfRange = 9,
  InvalidPropertyValue = 380,
  InvalidPropertyArrayIndex = 381,
  FileNotFound = 53,
  PathNotFound = 76,
};

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorCode code, const std::string& what)
      : std::runtime_error(what), code_(code) {}
  ErrorCode code() const { return code_; }

 private:
  ErrorCode code_;
};

}  // namespace mirl::rt
