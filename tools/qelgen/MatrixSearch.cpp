#include "MatrixSearch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "Rng.h"
#include "Space.h"

namespace qelgen {

namespace {

int64_t combinationsOf(int D, int T) {
    int64_t c = 1;
    for (int i = 0; i < D; ++i) c *= 2;
    for (int i = 0; i < T; ++i) c *= 3;
    return c;
}

// A syndrome packed in one word: the binary rows in bits 0-15, the ternary rows as two masks
// (digit 1 in bits 16-23, digit 2 in bits 24-31), so a sum is a handful of bit operations.
using Packed = uint32_t;

inline Packed add(Packed x, Packed y) {
    const uint32_t a0 = (x >> 16) & 0xFF, a1 = x >> 24, b0 = (y >> 16) & 0xFF, b1 = y >> 24;
    const uint32_t az = ~(a0 | a1), bz = ~(b0 | b1);
    const uint32_t c0 = ((a0 & bz) | (az & b0) | (a1 & b1)) & 0xFF;
    const uint32_t c1 = ((a1 & bz) | (az & b1) | (a0 & b0)) & 0xFF;
    return ((x ^ y) & 0xFFFF) | (c0 << 16) | (c1 << 24);
}
inline Packed neg(Packed x) {
    return (x & 0xFFFF) | (((x >> 16) & 0xFF) << 24) | ((x >> 24) << 16);
}

class Annealer {
  public:
    explicit Annealer(const SyndromeSearch& p) : p_(p), space_(p.rowsBinary, p.rowsTernary) {
        if (p.rowsBinary > 13 || p.rowsTernary > 8 || p.rowsBinary > p.binary ||
            p.rowsTernary > p.ternary)
            throw std::invalid_argument("syndrome search: unsupported rows");
        binIndex_.assign(std::size_t{1} << p.rowsBinary, 0);
        for (uint32_t m = 0; m < binIndex_.size(); ++m)
            for (int j = 0; j < p.rowsBinary; ++j)
                if (m >> j & 1) binIndex_[m] += space_.place(j);
        ternIndex_.assign(65536, 0);
        for (uint32_t t = 0; t < 65536; ++t)
            for (int j = 0; j < p.rowsTernary; ++j) {
                const int d = (t >> j & 1) ? 1 : (t >> (8 + j) & 1) ? 2 : 0;
                ternIndex_[t] += d * space_.place(p.rowsBinary + j);
            }
        rng_.s = p.seed * 0x9E3779B97F4A7C15ull + 12345;
        const int n = p.binary + p.ternary;
        cols_.assign(static_cast<std::size_t>(n), 0);
        for (int i = 0; i < n; ++i) {
            const bool isBinary = i < p.binary;
            const int j = isBinary ? i : i - p.binary;
            if (isBinary && j < p.rowsBinary) {
                cols_[static_cast<std::size_t>(i)] = Packed{1} << j;
            } else if (!isBinary && j < p.rowsTernary) {
                cols_[static_cast<std::size_t>(i)] = Packed{1} << (16 + j);
            } else if ((isBinary && p.rowsBinary > 0) || (!isBinary && p.rowsTernary > 0)) {
                cols_[static_cast<std::size_t>(i)] = randomColumn(isBinary);
                // With one row a column has no other choice (binary) or only its negative,
                // which spans the same ball (ternary): moving it could never change anything.
                if ((isBinary ? p.rowsBinary : p.rowsTernary) >= 2) free_.push_back(i);
            }
        }
        syn_.resize(static_cast<std::size_t>(p.size));
        for (auto& s : syn_) s = randomElement();
        count_.assign(static_cast<std::size_t>(space_.size()), 0);
        stamp_.assign(static_cast<std::size_t>(space_.size()), 0);
        seen_.assign(static_cast<std::size_t>(space_.size()), 0);
        tabu_.assign(syn_.size(), -1);
        tenure = std::max<int64_t>(1, std::min<int64_t>(10, p.size / 8));
        pos_.assign(static_cast<std::size_t>(space_.size()), -1);
        rebuild();
    }

    bool run() {
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  std::chrono::duration<double>(p_.seconds > 0 ? p_.seconds : 1e9));
        const int64_t cycle = 200000;
        const double hot = 1.2, cold = 0.08;
        const double colShare = free_.empty() ? 0.0 : 0.03;
        for (int64_t step = 0; step < p_.steps; ++step) {
            if (uncovered_.empty()) return true;
            leastUncovered =
                std::min<int64_t>(leastUncovered, static_cast<int64_t>(uncovered_.size()));
            ++stepsRun;
            if ((step & 4095) == 0 && std::chrono::steady_clock::now() > deadline) return false;
            const double f = static_cast<double>(step % cycle) / static_cast<double>(cycle);
            const double temp = hot * std::pow(cold / hot, f);
            const int64_t before = static_cast<int64_t>(uncovered_.size());
            if (rng_.unit() < colShare) {
                const int i = free_[rng_.below(static_cast<uint32_t>(free_.size()))];
                const Packed old = cols_[static_cast<std::size_t>(i)];
                cols_[static_cast<std::size_t>(i)] = nearColumn(old, i < p_.binary);
                rebuild();
                const int64_t d = static_cast<int64_t>(uncovered_.size()) - before;
                if (d > 0 && rng_.unit() >= std::exp(-static_cast<double>(d) / temp)) {
                    cols_[static_cast<std::size_t>(i)] = old;
                    rebuild();
                }
                continue;
            }
            const int32_t u = uncovered_[rng_.below(static_cast<uint32_t>(uncovered_.size()))];
            const Packed target = packedOf(u);
            const Packed to =
                add(target, neg(ball_[rng_.below(static_cast<uint32_t>(ball_.size()))]));
            // The syndrome whose move to `to` loses the least, recently moved ones aside.
            ++tick_;
            int64_t gain = 0;
            for (Packed b : ball_) {
                const int32_t x = index(add(to, b));
                if (stamp_[static_cast<std::size_t>(x)] == tick_) continue;
                stamp_[static_cast<std::size_t>(x)] = tick_;
                gain += count_[static_cast<std::size_t>(x)] == 0;
            }
            int64_t bestLoss = INT64_MAX;
            std::size_t k = 0;
            uint32_t ties = 0;
            for (std::size_t i = 0; i < syn_.size(); ++i) {
                if (tabu_[i] > step) continue;
                ++tick2_;
                int64_t loss = 0;
                for (Packed b : ball_) {
                    const int32_t x = index(add(syn_[i], b));
                    if (seen_[static_cast<std::size_t>(x)] == tick2_) continue;
                    seen_[static_cast<std::size_t>(x)] = tick2_;
                    loss += count_[static_cast<std::size_t>(x)] == multiplicity(syn_[i], x) &&
                            stamp_[static_cast<std::size_t>(x)] != tick_;
                }
                if (loss < bestLoss) {
                    bestLoss = loss, k = i, ties = 1;
                } else if (loss == bestLoss && rng_.below(++ties) == 0) {
                    k = i;
                }
            }
            if (bestLoss == INT64_MAX) continue;
            const int64_t d = bestLoss - gain;
            if (d > 0 && rng_.unit() >= std::exp(-static_cast<double>(d) / temp)) continue;
            place(syn_[k], -1);
            place(to, +1);
            syn_[k] = to;
            tabu_[k] = step + tenure;
        }
        return uncovered_.empty();
    }

    CheckMatrix matrix() const {
        CheckMatrix h;
        h.rowsBinary = p_.rowsBinary;
        h.rowsTernary = p_.rowsTernary;
        for (Packed c : cols_) {
            Delta d;
            for (int j = 0; j < p_.rowsBinary; ++j)
                if (c >> j & 1) d.emplace_back(static_cast<uint8_t>(j), uint8_t{1});
            for (int j = 0; j < p_.rowsTernary; ++j) {
                const uint8_t v = (c >> (16 + j) & 1) ? 1 : (c >> (24 + j) & 1) ? 2 : 0;
                if (v) d.emplace_back(static_cast<uint8_t>(p_.rowsBinary + j), v);
            }
            h.columns.push_back(d);
        }
        return h;
    }
    std::vector<int32_t> syndromes() const {
        std::vector<int32_t> out;
        for (Packed s : syn_) out.push_back(index(s));
        return out;
    }

  private:
    int32_t index(Packed x) const {
        return binIndex_[x & 0xFFFF] + ternIndex_[((x >> 16) & 0xFF) | ((x >> 24) << 8)];
    }
    Packed packedOf(int32_t w) const {
        Packed x = 0;
        for (int j = 0; j < p_.rowsBinary; ++j)
            if (space_.digit(w, j)) x |= Packed{1} << j;
        for (int j = 0; j < p_.rowsTernary; ++j) {
            const int d = space_.digit(w, p_.rowsBinary + j);
            if (d) x |= Packed{1} << ((d == 1 ? 16 : 24) + j);
        }
        return x;
    }
    Packed randomElement() {
        return packedOf(static_cast<int32_t>(rng_.below(static_cast<uint32_t>(space_.size()))));
    }
    Packed randomColumn(bool isBinary) {
        for (;;) {
            Packed x = randomElement();
            x = isBinary ? (x & 0xFFFF) : (x & 0xFFFF0000u);
            if (x) return x;
        }
    }
    // A column one entry away half of the time, a fresh one otherwise.
    Packed nearColumn(Packed c, bool isBinary) {
        for (;;) {
            Packed x;
            if (rng_.unit() < 0.5) {
                x = randomColumn(isBinary);
            } else if (isBinary) {
                x = c ^ (Packed{1} << rng_.below(static_cast<uint32_t>(p_.rowsBinary)));
            } else {
                const int j = static_cast<int>(rng_.below(static_cast<uint32_t>(p_.rowsTernary)));
                x = add(c, (rng_.next() & 1 ? Packed{1} << (16 + j) : Packed{1} << (24 + j)));
            }
            if (x && x != c) return x;
        }
    }
    void rebuild() {
        ball_.assign(1, 0);
        std::vector<std::vector<Packed>> mult;  // nonzero multiples of each column
        for (std::size_t i = 0; i < cols_.size(); ++i) {
            const Packed c = cols_[i];
            if (!c) continue;
            if (static_cast<int>(i) < p_.binary)
                mult.push_back({c});
            else
                mult.push_back({c, neg(c)});
        }
        for (const auto& m : mult)
            for (Packed x : m) ball_.push_back(x);
        if (p_.radius >= 2)
            for (std::size_t i = 0; i < mult.size(); ++i)
                for (std::size_t j = i + 1; j < mult.size(); ++j)
                    for (Packed x : mult[i])
                        for (Packed y : mult[j]) ball_.push_back(add(x, y));
        {
            std::vector<Packed> sorted = ball_;
            std::sort(sorted.begin(), sorted.end());
            repeats_ = std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end();
        }
        std::fill(count_.begin(), count_.end(), 0);
        uncovered_.clear();
        for (int32_t w = 0; w < space_.size(); ++w) {
            pos_[static_cast<std::size_t>(w)] = static_cast<int32_t>(uncovered_.size());
            uncovered_.push_back(w);
        }
        for (Packed s : syn_) place(s, +1);
    }
    void place(Packed s, int sign) {
        for (Packed b : ball_) {
            const int32_t x = index(add(s, b));
            int32_t& c = count_[static_cast<std::size_t>(x)];
            if (sign > 0) {
                if (c++ == 0) drop(x);
            } else if (--c == 0) {
                pos_[static_cast<std::size_t>(x)] = static_cast<int32_t>(uncovered_.size());
                uncovered_.push_back(x);
            }
        }
    }
    void drop(int32_t x) {
        const int32_t i = pos_[static_cast<std::size_t>(x)];
        const int32_t last = uncovered_.back();
        uncovered_[static_cast<std::size_t>(i)] = last;
        pos_[static_cast<std::size_t>(last)] = i;
        uncovered_.pop_back();
        pos_[static_cast<std::size_t>(x)] = -1;
    }

    const SyndromeSearch& p_;
    Space space_;
    std::vector<int32_t> binIndex_, ternIndex_;
    Rng rng_{1};
    std::vector<Packed> cols_, syn_, ball_;
    std::vector<int> free_;
    std::vector<int32_t> count_, pos_, uncovered_;
    std::vector<uint32_t> stamp_, seen_;
    uint32_t tick_ = 0, tick2_ = 0;
    std::vector<int64_t> tabu_;
    int64_t tenure = 1;

    // How often the ball of syndrome s reaches x (a ball may reach a word more than once).
    int32_t multiplicity(Packed s, int32_t x) const {
        int32_t m = 0;
        if (!repeats_) return 1;
        for (Packed b : ball_) m += index(add(s, b)) == x;
        return m;
    }
    bool repeats_ = false;

  public:
    int64_t leastUncovered = INT64_MAX, stepsRun = 0;
};

}  // namespace

bool annealSyndromes(const SyndromeSearch& s, CheckMatrix& h, std::vector<int32_t>& syndromes) {
    Annealer a(s);
    if (!a.run()) {
        if (std::getenv("QELGEN_TRACE"))
            std::fprintf(stderr, "  %lld steps, at best %lld uncovered\n",
                         static_cast<long long>(a.stepsRun),
                         static_cast<long long>(a.leastUncovered));
        return false;
    }
    h = a.matrix();
    syndromes = a.syndromes();
    return true;
}

int64_t syndromeBallBound(int binary, int ternary, int radius) {
    int64_t b = 1 + binary + 2 * ternary;
    if (radius >= 2)
        b += int64_t{binary} * (binary - 1) / 2 + int64_t{4} * ternary * (ternary - 1) / 2 +
             int64_t{2} * binary * ternary;
    return b;
}

SyndromeCode searchSyndromeCodes(int D, int T, int R, int64_t below, int64_t ceiling,
                                 double seconds, int64_t maxSyndromes, uint64_t seed,
                                 bool verbose) {
    struct Split {
        int a, b;
        int64_t group, kernel;
    };
    std::vector<Split> splits;
    for (int a = 0; a <= std::min(D, 13); ++a)
        for (int b = 0; b <= std::min(T, 8); ++b) {
            if (a + b == 0 || (a == D && b == T)) continue;
            const int64_t g = combinationsOf(a, b), k = combinationsOf(D - a, T - b);
            if (g > maxSyndromes) continue;
            splits.push_back(Split{a, b, g, k});
        }
    std::sort(splits.begin(), splits.end(), [](const Split& x, const Split& y) {
        return std::make_pair(x.group, x.a) < std::make_pair(y.group, y.a);
    });
    const auto start = std::chrono::steady_clock::now();
    auto left = [&] {
        return seconds -
               std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    SyndromeCode best;
    for (const Split& sp : splits) {
        const int64_t limit = (best.words > 0 ? best.words : below) - 1;
        const int64_t top = std::min(limit, ceiling) / sp.kernel;
        const int64_t ballMost = syndromeBallBound(D, T, R);
        const int64_t bottom = std::max<int64_t>(1, (sp.group + ballMost - 1) / ballMost);
        for (int64_t m = top; m >= bottom; --m) {
            if (left() <= 0) return best;
            SyndromeSearch s;
            s.binary = D;
            s.ternary = T;
            s.rowsBinary = sp.a;
            s.rowsTernary = sp.b;
            s.radius = R;
            s.size = static_cast<int>(m);
            s.seed =
                seed + static_cast<uint64_t>(sp.a * 1000 + sp.b * 100) + static_cast<uint64_t>(m);
            s.steps = 4000000;
            s.seconds = std::max(0.01, std::min(left(), std::max(1.0, seconds / 6)));
            CheckMatrix h;
            std::vector<int32_t> set;
            if (!annealSyndromes(s, h, set)) break;
            best.h = h;
            best.syndromes = set;
            best.words = m * sp.kernel;
            best.how = "check matrix of " + std::to_string(sp.a) + "+" + std::to_string(sp.b) +
                       " rows, " + std::to_string(m) + " syndromes (seed " +
                       std::to_string(s.seed) + ")";
            if (verbose) {
                std::printf("  D%02dT%02d R%d: %s -> %lld\n", D, T, R, best.how.c_str(),
                            static_cast<long long>(best.words));
                std::fflush(stdout);
            }
        }
    }
    return best;
}

}  // namespace qelgen
