#pragma once
#include <cstdint>

namespace qelgen {

// xorshift64: cheap enough for the inner loops of the searches, and the same sequence on
// every machine, so a seed names a run.
struct Rng {
    uint64_t s = 1;
    uint64_t next() {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>((next() >> 11) % n); }
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
};

}  // namespace qelgen
