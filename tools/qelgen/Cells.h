#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace qelgen {

inline constexpr int64_t MaxTickets = 9999;

// A covering problem of the library: shape D doubles and T triples, universe = every code
// (N = 0) or the codes with at most N digits off the favourite, guarantee radius R.
struct Cell {
    int D = 0, T = 0, N = 0, R = 0;
    int n() const { return D + T; }
    auto key() const { return std::tie(D, T, N, R); }
    bool operator<(const Cell& o) const { return key() < o.key(); }
    bool operator==(const Cell& o) const { return key() == o.key(); }
    std::string name() const;
};

int64_t combinations(int D, int T);
// Size of the universe: codes with at most N nonzero digits (every code for N = 0).
int64_t universeSize(int D, int T, int N);
// Sphere-covering bound: the universe over the most universe words one ball can hold.
int64_t sphereBound(const Cell& c);

// Figures of the reference table for whole shapes (N = 0).
struct Reference {
    int64_t bestKnown = 0;  // 0: none published
    bool exact = false;
    int64_t lower = 0;
    int64_t derived = 0;
    int64_t optimum = 0;  // 0: not computed
};
std::map<Cell, Reference> readReference(const std::string& path);

// Every shape, in library order: D + T, then D.
std::vector<std::pair<int, int>> shapes();
// The cells the library may list, in library order within a shape.
std::vector<Cell> cellsOfShape(int D, int T);

}  // namespace qelgen
