#pragma once
#include <cstdint>

namespace brenvik {

// Prize grades per round. Start-up creates one shared instance; it holds no state.
class clsToto {
  public:
    // Rounds 198 to 260 had only 1等 and 2等; every other round (0 and negatives too) has 3.
    int32_t GetMaxGrade(int32_t lngRound) const;
};

}  // namespace brenvik
