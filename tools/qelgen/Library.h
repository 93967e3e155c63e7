#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Cache.h"
#include "Cells.h"

namespace qelgen {

int32_t patternID(int D, int T, int kindCode, int radius, int revision);

// Whether a reduction of `size` tickets over its cell is offered: at most 9999 tickets, fewer
// than its universe, more than one; a conditional one also below the conditional 1等 multi of
// 2 and below the whole-shape pattern of its radius (`whole`, 0 when none).
bool listedSize(const Cell& c, int64_t size, int64_t whole);

// Exhaustive check through the engine's grading: every universe code is within R of a code.
bool verifyCover(const Cell& c, const std::vector<std::string>& codes);

struct LibraryRow {  // one listed reduction, for the summary
    Cell cell;
    bool composite = false;
    int32_t id = 0;
    int64_t tickets = 0;
    std::string source;
};

// The library text from the cache folder: CP932 bytes with CR LF, as shipped.
std::string libraryBytes(const std::string& cacheFolder, std::vector<LibraryRow>* rows = nullptr);

}  // namespace qelgen
