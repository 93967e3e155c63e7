#include "official/OperatorSite.h"

#include <cstdio>

namespace brenvik::operator_site {

std::string RoundDigits(int32_t lngRound) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", static_cast<int>(lngRound));
    return text;
}

std::string ScheduleUrl(const std::string& strBase, int32_t lngRound) {
    return strBase + RoundDigits(lngRound);
}

std::string VoteUrl(const std::string& strBase, int32_t lngRound, const std::string& strProduct) {
    return strBase + RoundDigits(lngRound) + strProduct;
}

std::string ResultUrl(const std::string& strBase, int32_t lngRound) {
    return strBase + RoundDigits(lngRound);
}

}  // namespace brenvik::operator_site
