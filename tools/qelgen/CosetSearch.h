#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Matrix.h"

namespace qelgen {

// Codes {x : Hx in S} searched on two levels: for a matrix H the m syndromes S by tabu search
// over the syndrome group for a bounded number of steps, and H itself by changing one column at
// a time, kept unless the syndromes then leave more of the group uncovered. Tight cells (a
// dozen syndromes over a group of a few hundred) hinge on the matrix: with a fixed or slowly
// annealed one the syndromes stall a few words short.
struct CosetSearch {
    int binary = 0, ternary = 0;          // coordinates of the code
    int rowsBinary = 0, rowsTernary = 0;  // rows of H
    int radius = 1;
    int size = 0;            // m
    int64_t innerSteps = 0;  // tabu steps per matrix; 0: from the group and ball sizes
    double seconds = 10;
    uint64_t seed = 1;
    bool verbose = false;
    // Gains and losses weigh each word by how long it has stayed uncovered (raised by one per
    // step while uncovered), so the walk stops circling the same few holes.
    bool weighted = false;
    // Nonempty: H is fixed to the check matrix of the cyclic code of this generator polynomial
    // (coefficients from x^0, monic, degree = the rows of a pure shape): column i = x^i mod g.
    std::vector<int> generator;
    // Nonempty: H is fixed to these columns, one code of the syndrome space per coordinate.
    std::vector<std::string> columns;
};

struct CosetResult {
    bool covered = false;
    CheckMatrix h;
    std::vector<int32_t> syndromes;  // words of Space(rowsBinary, rowsTernary)
    int64_t matrices = 0;            // matrices tried
    int64_t leastUncovered = 0;
};

CosetResult searchCosets(const CosetSearch& p);

}  // namespace qelgen
