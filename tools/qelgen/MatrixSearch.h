#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Matrix.h"

namespace qelgen {

// A code given by a check matrix over the syndrome group Z2^rowsBinary x Z3^rowsTernary and a
// set of m syndromes: its size is m times the kernel. The columns and the syndromes are found
// together by simulated annealing that minimises the syndromes no ball reaches. The first
// rowsBinary binary and rowsTernary ternary columns are unit vectors (any full-rank matrix is
// one after permuting coordinates and changing the basis), so the kernel has its full size.
struct SyndromeSearch {
    int binary = 0, ternary = 0;          // coordinates of the code
    int rowsBinary = 0, rowsTernary = 0;  // rows of the check matrix
    int radius = 1;
    int size = 0;  // m
    int64_t steps = 2000000;
    double seconds = 0;  // 0: no cap
    uint64_t seed = 1;
};

// True with `h` and `syndromes` (words of Space(rowsBinary, rowsTernary)) on success.
bool annealSyndromes(const SyndromeSearch& s, CheckMatrix& h, std::vector<int32_t>& syndromes);

// The smallest code of a whole shape (D, T, radius R) made of syndrome sets over every split of
// rows that fits `maxSyndromes`, smaller than `below` words and at most `ceiling` (sizes above
// it are not worth the time); empty when none is found. For each split the size m goes down
// from the largest allowed while the search succeeds.
struct SyndromeCode {
    CheckMatrix h;
    std::vector<int32_t> syndromes;
    int64_t words = 0;
    std::string how;
};
SyndromeCode searchSyndromeCodes(int D, int T, int R, int64_t below, int64_t ceiling,
                                 double seconds, int64_t maxSyndromes, uint64_t seed, bool verbose);

// The most syndromes one ball of the search can reach (for the sphere bound of the quotient).
int64_t syndromeBallBound(int binary, int ternary, int radius);

}  // namespace qelgen
