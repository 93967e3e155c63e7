#include "app/RuntimeError.h"

namespace brenvik {

RuntimeError::RuntimeError(int32_t number, std::string description, std::string source)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)) {}

namespace err {

std::string describe(int32_t number) {
    switch (number) {
        case InvalidCall: return "プロシージャの呼び出し、または引数が不正です。";
        case Overflow: return "オーバーフローしました。";
        case OutOfMemory: return "メモリが不足しています。";
        case SubscriptOutOfRange: return "インデックスが有効範囲にありません。";
        case DivisionByZero: return "0 で除算しました。";
        case TypeMismatch: return "型が一致しません。";
        case FileNotFound: return "ファイルが見つかりません。";
        case DeviceIO: return "デバイス I/O エラーです。";
        case PermissionDenied: return "書き込みできません。";
        case PathFileAccess: return "パス名が無効です。";
        case PathNotFound: return "パスが見つかりません。";
        default: return "アプリケーション定義またはオブジェクト定義のエラーです。";
    }
}

void raise(int32_t number) { throw RuntimeError(number, describe(number)); }
void raise(int32_t number, const std::string& description) {
    throw RuntimeError(number, description);
}

}  // namespace err
}  // namespace brenvik
