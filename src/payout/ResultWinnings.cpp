#include "payout/ResultWinnings.h"

#include "official/clsResult.h"
#include "payout/NumberFormat.h"

namespace brenvik {

ResultWinnings ResultWinnings::Compute(const ResultRecord* result,
                                       const std::array<int32_t, 5>& counts) {
    ResultWinnings w;
    if (result) {
        for (std::size_t g = 1; g <= 3; ++g)
            w.lblMoney[g] = NumberFormat::Thousands(result->Prize[g]);
        w.lblNextMoney = NumberFormat::Thousands(result->CarryOver[1] + result->CarryOver[2] +
                                                 result->CarryOver[3]);
    }
    int64_t singles = 0;
    for (const int32_t c : counts) singles += c;
    w.Cost = 100 * singles;
    int64_t total = 0;
    for (std::size_t g = 1; g <= 3; ++g) {
        w.lblCount[g] = std::to_string(counts[g - 1]);
        // The product of the two labels as they read, as the window computes it.
        int64_t prize = 0;
        int64_t count = 0;
        NumberFormat::ParseThousands(w.lblMoney[g], prize);
        NumberFormat::ParseThousands(w.lblCount[g], count);
        const int64_t money = prize * count;
        w.lblGetMoney[g] = NumberFormat::Thousands(money);
        total += money;
    }
    const int64_t balance = total - w.Cost;
    w.lblGetMoneyTotal[0] = NumberFormat::Thousands(total);
    w.lblGetMoneyTotal[1] = NumberFormat::Thousands(balance);
    w.BalanceNegative = balance < 0;
    return w;
}

ResultWinnings ResultWinnings::FromCache(int32_t lngRound, const std::array<int32_t, 5>& counts) {
    clsResult store;
    store.Initialize(nullptr);
    if (store.GetResult(lngRound, "", 1, true)) {
        const ResultRecord record = store.Result();
        return Compute(&record, counts);
    }
    return Compute(nullptr, counts);
}

}  // namespace brenvik
