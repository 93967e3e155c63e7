#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "official/ResultRecord.h"

namespace brenvik {

// The figures of the winnings window frmResult: the round's prizes from the cached result
// against the user's counts per grade. Label arrays are indexed as the window's controls
// (lblMoney 1..3 and so on; slot 0 unused where the controls start at 1).
struct ResultWinnings {
    static constexpr const char* Caption = " 当選金額";

    std::array<std::string, 4> lblMoney{"", "0", "0", "0"};
    std::string lblNextMoney = "0";
    std::array<std::string, 4> lblCount{"", "0", "0", "0"};
    std::array<std::string, 4> lblGetMoney{"", "0", "0", "0"};
    std::array<std::string, 2> lblGetMoneyTotal{"0", "0"};  // 当選金額合計, 収支合計
    bool BalanceNegative = false;                           // 収支合計 drawn red
    int64_t Cost = 0;                                       // 100 yen per single

    // `result` is the cached result of the round, or nullptr when there is none; `counts` are
    // the singles of 1等, 2等, 3等, 4等 and 等外 from the hit check.
    static ResultWinnings Compute(const ResultRecord* result, const std::array<int32_t, 5>& counts);
    // Looks the round's result up in the cache only, then Compute.
    static ResultWinnings FromCache(int32_t lngRound, const std::array<int32_t, 5>& counts);
};

}  // namespace brenvik
