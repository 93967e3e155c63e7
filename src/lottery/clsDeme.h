#pragma once
#include <array>
#include <cstdint>

#include "app/Messages.h"
#include "official/VoteRecord.h"

namespace brenvik {

// How the outcomes of one single fall (出目): its home wins, draws and away wins, and how
// many of its picks follow (順当) or go against (波乱) the public's vote.
class clsDeme {
  public:
    // Vote shares and classes per match: class 0 the draw, 1 the more voted of home and away
    // (away on a tie), 2 the other. A match without votes gets shares of 0.
    void SetVote(const VoteRecord& vote);

    // The outcome digits of matches 1..13 (slot 0 unused).
    void SingleNo(const std::array<uint8_t, 14>& bytNo) { single_ = bytNo; }
    // Counts the single; a digit above 2 is reported and keeps the previous counts.
    bool GetDeme();

    int32_t Home() const { return outcomeCount_[1]; }
    int32_t Draw() const { return outcomeCount_[0]; }
    int32_t Away() const { return outcomeCount_[2]; }
    int32_t Juntou() const { return classCount_[1]; }
    int32_t Haran() const { return classCount_[2]; }
    int32_t ZeroHaran() const { return classCount_[0] + classCount_[2]; }

    double Share(int32_t match, int32_t outcome) const;
    uint8_t VoteClass(int32_t match, int32_t outcome) const;

  private:
    std::array<std::array<double, 3>, 14> share_{};
    std::array<std::array<uint8_t, 3>, 14> class_{};  // all 0 until a vote status is set
    std::array<uint8_t, 14> single_{};
    std::array<uint8_t, 3> outcomeCount_{};
    std::array<uint8_t, 3> classCount_{};
    ErrorReport report_{"clsDeme"};
};

}  // namespace brenvik
