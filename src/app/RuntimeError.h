#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace brenvik {

// A run-time error as the classic runtime raises it: a number, a description and a source.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int32_t number, std::string description, std::string source = "Brenvik");
    int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const std::string& source() const noexcept { return source_; }

private:
    int32_t number_;
    std::string description_;
    std::string source_;
};

// The classic error numbers this program raises.
namespace err {
inline constexpr int32_t InvalidCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t DivisionByZero = 11;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t DeviceIO = 57;
inline constexpr int32_t PermissionDenied = 70;
inline constexpr int32_t PathFileAccess = 75;
inline constexpr int32_t PathNotFound = 76;

// The classic description of a number ("アプリケーション定義またはオブジェクト定義のエラーです。" otherwise).
std::string describe(int32_t number);
[[noreturn]] void raise(int32_t number);
[[noreturn]] void raise(int32_t number, const std::string& description);
}  // namespace err

}  // namespace brenvik
