#include "lottery/CurrentRound.h"

namespace brenvik {

int32_t& CurrentRound() {
    static int32_t round = 0;
    return round;
}

}  // namespace brenvik
