#include "lottery/clsDeme.h"

#include "app/RuntimeError.h"

namespace brenvik {

void clsDeme::SetVote(const VoteRecord& vote) {
    for (std::size_t m = 1; m <= 13; ++m) {
        const auto& o = vote.Matches[m].Outcomes;
        const Currency sum = o[0].Votes + o[1].Votes + o[2].Votes;
        const auto t = static_cast<double>(sum.roundToInteger());
        for (std::size_t k = 0; k < 3; ++k)
            share_[m][k] = t == 0 ? 0.0 : o[k].Votes.toDouble() / t * 100;
        const bool homeAhead = share_[m][1] > share_[m][2];
        class_[m] = {0, static_cast<uint8_t>(homeAhead ? 1 : 2),
                     static_cast<uint8_t>(homeAhead ? 2 : 1)};
    }
}

bool clsDeme::GetDeme() {
    std::array<uint8_t, 3> outcomes{};
    std::array<uint8_t, 3> classes{};
    try {
        for (std::size_t m = 1; m <= 13; ++m) {
            const uint8_t d = single_[m];
            if (d > 2) err::raise(err::SubscriptOutOfRange);
            ++outcomes[d];
            ++classes[class_[m][d]];
        }
    } catch (const RuntimeError& e) {
        report_.error("GetDeme", e);
        return false;
    }
    outcomeCount_ = outcomes;
    classCount_ = classes;
    return true;
}

double clsDeme::Share(int32_t match, int32_t outcome) const {
    if (match < 1 || match > 13 || outcome < 0 || outcome > 2) return 0;
    return share_[static_cast<std::size_t>(match)][static_cast<std::size_t>(outcome)];
}

uint8_t clsDeme::VoteClass(int32_t match, int32_t outcome) const {
    if (match < 1 || match > 13 || outcome < 0 || outcome > 2) return 0;
    return class_[static_cast<std::size_t>(match)][static_cast<std::size_t>(outcome)];
}

}  // namespace brenvik
