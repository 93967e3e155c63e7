#pragma once
#include <cstdint>
#include <vector>

#include "Covering.h"
#include "Space.h"

namespace qelgen {

// A code given by a check matrix H and a set S of syndromes: the words x with Hx in S. The
// binary coordinates take columns in the binary part of the syndrome space, the ternary ones
// in its ternary part, so H is a homomorphism and a ball maps onto the sums of its columns.
struct CheckMatrix {
    int rowsBinary = 0, rowsTernary = 0;
    std::vector<Delta> columns;  // one per coordinate of the code, binary coordinates first
};

// Random columns: the unit vectors first (so H has full rank), then distinct nonzero columns,
// none a multiple of another while that is possible.
CheckMatrix randomCheckMatrix(int binary, int ternary, int rowsBinary, int rowsTernary,
                              uint64_t seed);
// Every nonzero column up to scalar multiples (Hamming codes).
CheckMatrix hammingMatrix(int rowsBinary, int rowsTernary);

Generators columnGenerators(const Space& syndromes, const CheckMatrix& h, int binary);
Problem syndromeProblem(const Space& syndromes, const CheckMatrix& h, int binary, int radius);
// The words of the code space whose syndrome lies in `syndromeSet`, in order.
std::vector<int32_t> expand(const Space& code, const Space& syndromes, const CheckMatrix& h,
                            const std::vector<int32_t>& syndromeSet);

}  // namespace qelgen
