#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Cache.h"
#include "Cells.h"
#include "Constructions.h"
#include "Space.h"

namespace qelgen {

std::vector<std::string> codesOf(const Space& s, const Words& w);
Words wordsOf(const Space& s, const std::vector<std::string>& codes);

// Fills every cell of the library from constructions where the cache has nothing smaller,
// and brings the composites up to date. Returns the number of cells changed.
int updateFromConstructions(const std::string& cacheFolder, bool verbose);

struct SearchOptions {
    int64_t steps = 100000;       // tabu steps per size
    int attempts = 2;             // seeds tried at a size before giving up
    bool matrix = true;           // also search check-matrix codes of whole shapes
    bool plain = true;            // tabu search over the codes themselves
    bool whole = false;           // whole-shape cells only
    bool unmet = false;           // skip cells already within their target (see searchCells)
    int64_t maxSyndromes = 8192;  // largest syndrome group of the check-matrix search
    std::vector<Cell> only;       // empty: every cell
    int64_t maxUniverse = 2000000;
    int pureWhole = 0;       // 1: only whole-shape cells of pure shapes, -1: all but those
    double cellSeconds = 0;  // wall-clock cap per cell and method; 0 = none
    std::string reference;   // reference table: cells at their best known size are skipped
    bool cosets = false;     // whole cells by the two-level check-matrix search only
    int firstAttempt = 1;    // `cosets`: the seed index to start from (resumes a series)
    bool weighted = false;   // `cosets`, `search --cosets`: weigh words by how long uncovered
};

// Check-matrix splits worth a two-level search for a code of at most `words` words of the
// whole cell c: the three with the most slack (m balls over the syndrome group) among groups
// of at most 3^8, and the smallest larger group (up to 3^9) with more slack than those.
struct CosetSplit {
    int rowsBinary = 0, rowsTernary = 0, m = 0;
    bool operator==(const CosetSplit&) const = default;
};
std::vector<CosetSplit> cosetSplits(const Cell& c, int64_t words);

// Improves cells by search, saving the cache after every improved cell.
int searchCells(const std::string& cacheFolder, const SearchOptions& o);

// Improves the whole-shape cell (D, T, R) by codes of fixed random check matrices with
// rowsBinary + rowsTernary rows: the syndromes are shrunk by tabu search over the small
// syndrome space, where the annealing of columns and syndromes together stalls. Tries
// `matrices` seeds within `seconds` in all; true when the cache took a smaller code.
bool searchFixedMatrices(const std::string& cacheFolder, const Cell& c, int rowsBinary,
                         int rowsTernary, int matrices, double seconds, int64_t steps);

// Looks for a code of m syndromes of a check matrix with rowsBinary + rowsTernary rows for the
// whole-shape cell (D, T, R), matrix and syndromes together (see CosetSearch.h); `attempts`
// seeds, `seconds` each. True when the cache took the code (it must be smaller than the cell's).
bool searchCosetCell(const std::string& cacheFolder, const Cell& c, int rowsBinary, int rowsTernary,
                     int m, int attempts, double seconds, int64_t innerSteps, bool verbose,
                     const std::vector<int>& generator = {}, int firstAttempt = 1,
                     bool weighted = false, const std::vector<std::string>& columns = {});

}  // namespace qelgen
