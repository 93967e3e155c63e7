#include "lottery/clsToto.h"

namespace brenvik {

int32_t clsToto::GetMaxGrade(int32_t lngRound) const {
    if (lngRound < 198) return 3;
    if (lngRound >= 261) return 3;
    return 2;
}

}  // namespace brenvik
