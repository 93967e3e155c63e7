#include "lottery/Grading.h"

#include "lottery/clsToto.h"
#include "lottery/clsTotoNo.h"

namespace brenvik::Grading {

int32_t GradeByDifferences(int32_t lngDifferences, int32_t lngMaxGrade) {
    if (lngDifferences < 0 || lngDifferences > 2) return NoPrize;
    const int32_t grade = lngDifferences + 1;
    return grade <= lngMaxGrade ? grade : NoPrize;
}

int32_t GradeOf(int32_t lngSingle, int32_t lngResult, int32_t lngRound) {
    const clsTotoNo no;
    if (!no.CheckNo(lngSingle) || !no.CheckNo(lngResult)) return NoPrize;
    return GradeByDifferences(no.Comparison(lngSingle, lngResult), clsToto().GetMaxGrade(lngRound));
}

int32_t Differences(const std::array<uint8_t, 14>& bytSingle,
                    const std::array<uint8_t, 14>& bytLotResult) {
    int32_t count = 0;
    for (std::size_t m = 1; m <= 13; ++m) {
        if (bytLotResult[m] != 3 && bytLotResult[m] != bytSingle[m]) ++count;
    }
    return count;
}

std::vector<int32_t> WinningSingles(int32_t lngResult, int32_t lngGrade, int32_t lngRound) {
    const clsTotoNo no;
    if (!no.CheckNo(lngResult) || lngGrade < 1 || lngGrade > clsToto().GetMaxGrade(lngRound))
        return {};
    switch (lngGrade) {
        case 1:
            return {lngResult};
        case 2:
            return no.Get2List(lngResult);
        default:
            return no.Get3List(lngResult);
    }
}

}  // namespace brenvik::Grading
