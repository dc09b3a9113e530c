#include "base/runtime_error.h"

namespace wendora {

std::string ErrorDescription(int number) {
  switch (number) {
    case kErrOverflow:
      return "オーバーフローしました。";
    case kErrOutOfMemory:
      return "メモリが不足しています。";
    case kErrSubscriptOutOfRange:
      return "インデックスが有効範囲にありません。";
    case kErrTypeMismatch:
      return "型が一致しません。";
    case kErrInternal:
      return "内部エラーです。";
    case kErrPathFileAccess:
      return "パス/ファイル アクセス エラーです。";
    case kErrCantOpenClipboard:
      return "クリップボードを開けません。";
    default:
      return "アプリケーション定義またはオブジェクト定義のエラーです。";
  }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(std::to_string(number) + " - " + description),
      number_(number),
      description_(description) {}

}  // namespace wendora
