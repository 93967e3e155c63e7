#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "app/Currency.h"
#include "app/Messages.h"
#include "app/RuntimeError.h"
#include "official/VoteRecord.h"

namespace brenvik {

// Return rate and grade shares of a round, exact decimals.
struct PrizeParameters {
    Currency R;
    std::array<Currency, 4> S{};  // by grade 1..3; slot 0 unused
};

// The estimated payout of a single from the public's vote ratios: each grade's share of the
// pool divided by the expected number of winning tickets per 10^26 tickets, assuming the
// tickets follow the per-match ratios independently.
class clsMoney {
  public:
    // Rounds 1-155, 156-197, 198-260 (no 3等), 261 and above; rounds below 1 as the first row.
    static PrizeParameters Parameters(int32_t lngRound);

    // Stores the record and computes the pools, P and Q. A match without any vote throws the
    // run-time error that dividing by its total gives (6).
    void SetVote(const VoteRecord& vote);
    const VoteRecord& Vote() const { return vote_; }

    // The outcomes (0, 1, 2) of matches 1..13 (slot 0 unused).
    void SingleNo(const std::array<uint8_t, 14>& bytNo) { single_ = bytNo; }
    // Computes Money1 to Money3. A failure is reported under "GetMoney" and gives 0 for all
    // three.
    bool GetMoney();
    // The same without the report: the error, if any, for callers that gather failures.
    std::optional<RuntimeError> Calculate();

    Currency Money1() const { return money_[1]; }
    Currency Money2() const { return money_[2]; }
    Currency Money3() const { return money_[3]; }
    Currency Money(int32_t grade) const { return money_.at(static_cast<std::size_t>(grade)); }

    double Pool(int32_t grade) const { return pool_.at(static_cast<std::size_t>(grade)); }
    double P(int32_t match, int32_t outcome) const;
    double Q(int32_t match, int32_t outcome) const;

    // A double as currency: rounded half to even to 4 decimals exactly, then cut down to the
    // whole number; above 99999999999 the cap.
    static Currency WholeYen(double value);
    static constexpr double Cap = 99999999999.0;

  private:
    VoteRecord vote_;
    std::array<double, 4> pool_{};
    std::array<std::array<double, 3>, 14> p_{};
    std::array<std::array<double, 3>, 14> q_{};
    std::array<uint8_t, 14> single_{};
    std::array<Currency, 4> money_{};
    ErrorReport report_{"clsMoney"};
};

}  // namespace brenvik
