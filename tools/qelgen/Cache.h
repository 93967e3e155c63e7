#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qelgen {

// One version of a cell's codes. A frozen revision has been released: it never changes again,
// and an improvement becomes a new revision beside it.
struct Revision {
    int number = 1;
    bool frozen = false;
    std::string source;
    std::vector<std::string> codes;  // role codes, ascending
    int32_t partA = 0, partB = 0;    // composites: the IDs of the two parts
};

struct CellEntry {
    int N = 0, R = 0;                 // R = 0 marks the composite of the shape
    std::vector<Revision> revisions;  // oldest first
    const Revision& current() const { return revisions.back(); }
};

// The cache of one shape: tools/qelgen/cache/DxxTyy.txt.
struct ShapeCache {
    int D = 0, T = 0;
    std::vector<CellEntry> cells;

    CellEntry* find(int N, int R);
    const CellEntry* find(int N, int R) const;
    // Records codes as the current revision of a cell: replaces an unreleased revision, or adds
    // a new one after a released revision. True when anything changed.
    bool offer(int N, int R, const Revision& r);
    // Marks every revision released.
    void freeze();
};

std::string cachePath(const std::string& folder, int D, int T);
ShapeCache loadShape(const std::string& folder, int D, int T);  // empty when no file
// Replaces the file safely (a temporary file, then a rename).
void saveShape(const std::string& folder, const ShapeCache& c);

}  // namespace qelgen
