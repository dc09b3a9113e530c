#include "base/runtime_error.h"

#include "base/texts.h"

namespace wendora {

std::string ErrorDescription(int number) {
  switch (number) {
    case kErrOverflow:
      return std::string(Text(TextId::kErrOverflow));
    case kErrOutOfMemory:
      return std::string(Text(TextId::kErrOutOfMemory));
    case kErrTypeMismatch:
      return std::string(Text(TextId::kErrTypeMismatch));
    case kErrInternal:
      return std::string(Text(TextId::kErrInternal));
    case kErrPathFileAccess:
      return std::string(Text(TextId::kErrPathFileAccess));
    case kErrCantOpenClipboard:
      return std::string(Text(TextId::kErrCantOpenClipboard));
    default:
      return std::string(Text(TextId::kErrOther));
  }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(std::to_string(number) + " - " + description),
      number_(number),
      description_(description) {}

}  // namespace wendora
