// Run-time errors: one exception type carrying the error number and its
// standard description, as the program reports them to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace wendora {

enum ErrorNumber : int {
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrTypeMismatch = 13,
  kErrInternal = 51,
  kErrPathFileAccess = 75,
  kErrCantOpenClipboard = 521,
};

// The standard description of a run-time error number, in the language of
// the user interface.
std::string ErrorDescription(int number);

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(int number);
  RuntimeError(int number, const std::string& description);

  int number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

}  // namespace wendora
