#include "lottery/clsTGameType.h"

#include <array>

#include "app/RuntimeError.h"
#include "app/Utf8.h"

namespace brenvik {
namespace {

constexpr std::array<const char*, 4> kTexts = {"J1", "J2", "ナビスコカップ", "天皇杯"};

}  // namespace

std::string clsTGameType::Text(int32_t index) const {
    if (index < 1 || index > Count()) err::raise(err::SubscriptOutOfRange);
    return kTexts[static_cast<std::size_t>(index - 1)];
}

int32_t clsTGameType::Count() const {
    return static_cast<int32_t>(kTexts.size());
}

int32_t clsTGameType::GetNo(const std::string& text) const {
    for (int32_t i = 1; i <= Count(); ++i)
        if (utf8::equalsIgnoreCase(text, kTexts[static_cast<std::size_t>(i - 1)])) return i;
    return 0;
}

}  // namespace brenvik
