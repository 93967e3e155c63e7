#include "Cells.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace qelgen {

std::string Cell::name() const {
    char buf[64];
    std::snprintf(buf, sizeof buf, "D%02dT%02d N%d R%d", D, T, N, R);
    return buf;
}

int64_t combinations(int D, int T) {
    int64_t c = 1;
    for (int i = 0; i < D; ++i) c *= 2;
    for (int i = 0; i < T; ++i) c *= 3;
    return c;
}

namespace {
int64_t choose(int m, int k) {
    if (k < 0 || k > m) return 0;
    int64_t r = 1;
    for (int i = 1; i <= k; ++i) r = r * (m - k + i) / i;
    return r;
}
int64_t pow2(int k) {
    return int64_t{1} << k;
}
}  // namespace

int64_t universeSize(int D, int T, int N) {
    if (N == 0 || N >= D + T) return combinations(D, T);
    int64_t total = 0;
    for (int w = 0; w <= N; ++w)
        for (int j = 0; j <= w; ++j) total += choose(D, w - j) * choose(T, j) * pow2(j);
    return total;
}

int64_t sphereBound(const Cell& c) {
    const int64_t u = universeSize(c.D, c.T, c.N);
    int64_t most = 0;
    if (c.N == 0 || c.N >= c.n()) {
        most = universeSize(c.D, c.T, std::min(c.R, c.n()));
    } else {
        // The ball of a word with i nonzero binary and j nonzero ternary digits: count the
        // changes by kind (binary 1->0, 0->1; ternary x->0, x->other, 0->x) that end at
        // weight N or less.
        for (int i = 0; i <= c.D; ++i)
            for (int j = 0; j <= c.T; ++j) {
                if (i + j > c.N + c.R) continue;
                int64_t inside = 0;
                for (int x1 = 0; x1 <= i; ++x1)
                    for (int y1 = 0; y1 <= c.D - i; ++y1)
                        for (int x2 = 0; x2 <= j; ++x2)
                            for (int z2 = 0; z2 <= j - x2; ++z2)
                                for (int y2 = 0; y2 <= c.T - j; ++y2) {
                                    if (x1 + y1 + x2 + z2 + y2 > c.R) continue;
                                    if (i + j - x1 - x2 + y1 + y2 > c.N) continue;
                                    inside += choose(i, x1) * choose(c.D - i, y1) * choose(j, x2) *
                                              choose(j - x2, z2) * choose(c.T - j, y2) * pow2(y2);
                                }
                most = std::max(most, inside);
            }
    }
    return (u + most - 1) / most;
}

std::map<Cell, Reference> readReference(const std::string& path) {
    std::map<Cell, Reference> out;
    std::ifstream f(path);
    std::string line;
    auto num = [](const std::string& s) -> int64_t {
        return (s.empty() || s == "-" || s == "missing") ? 0 : std::stoll(s);
    };
    while (std::getline(f, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("doubles", 0) == 0) continue;
        std::istringstream in(line);
        std::vector<std::string> v;
        for (std::string x; std::getline(in, x, '\t');) v.push_back(x);
        if (v.size() < 8) continue;
        Cell c{std::stoi(v[0]), std::stoi(v[1]), 0, std::stoi(v[2])};
        out[c] = Reference{num(v[3]), v[4] == "yes", num(v[5]), num(v[6]), num(v[7])};
    }
    return out;
}

std::vector<std::pair<int, int>> shapes() {
    std::vector<std::pair<int, int>> out;
    for (int n = 0; n <= 13; ++n)
        for (int d = 0; d <= n; ++d) out.emplace_back(d, n - d);
    return out;
}

std::vector<Cell> cellsOfShape(int D, int T) {
    std::vector<Cell> out;
    const int n = D + T;
    const int64_t two = universeSize(D, T, 2);
    for (int R = 1; R <= 2; ++R) {
        const Cell c{D, T, 0, R};
        if (R < n && sphereBound(c) <= MaxTickets) out.push_back(c);
    }
    for (int R = 1; R <= 2; ++R)
        for (int N = R + 1; N < n; ++N) {
            const Cell c{D, T, N, R};
            const int64_t lb = sphereBound(c);
            if (lb < two && lb <= MaxTickets) out.push_back(c);
        }
    return out;
}

}  // namespace qelgen
