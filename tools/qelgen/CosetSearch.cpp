#include "CosetSearch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>

#include "Rng.h"
#include "Space.h"

namespace qelgen {

namespace {

class Group {
  public:
    Group(int rowsBinary, int rowsTernary) : space_(rowsBinary, rowsTernary) {}
    const Space& space() const { return space_; }
    int32_t size() const { return space_.size(); }
    int32_t add(int32_t x, int32_t y) const {
        int32_t w = 0;
        for (int c = 0; c < space_.length(); ++c)
            w += (space_.digit(x, c) + space_.digit(y, c)) % space_.radix(c) * space_.place(c);
        return w;
    }
    int32_t twice(int32_t x) const { return add(x, x); }
    // The column scaled so that its first nonzero ternary digit is 1: one representative of
    // a column and its negative, which span the same ball.
    int32_t normal(int32_t x) const {
        for (int c = space_.binary(); c < space_.length(); ++c) {
            const int d = space_.digit(x, c);
            if (d == 0) continue;
            return d == 1 ? x : twice(x);
        }
        return x;
    }

  private:
    Space space_;
};

class TwoLevel {
  public:
    explicit TwoLevel(const CosetSearch& p) : p_(p), g_(p.rowsBinary, p.rowsTernary) {
        if (p.rowsBinary > p.binary || p.rowsTernary > p.ternary || p.size < 1 ||
            p.rowsBinary + p.rowsTernary == 0 || g_.size() > 200000)
            throw std::invalid_argument("coset search: unsupported rows or size");
        rng_.s = p.seed * 0x9E3779B97F4A7C15ull + 77;
        const int n = p.binary + p.ternary;
        cols_.assign(static_cast<std::size_t>(n), 0);
        for (int i = 0; i < n; ++i) {
            const bool isBinary = i < p.binary;
            const int j = isBinary ? i : i - p.binary;
            const int rows = isBinary ? p.rowsBinary : p.rowsTernary;
            if (j < rows) {
                cols_[static_cast<std::size_t>(i)] =
                    g_.space().place(isBinary ? j : p.rowsBinary + j);
            } else if (rows > 0) {
                cols_[static_cast<std::size_t>(i)] = freshColumn(isBinary, -1);
                if (rows >= 2) free_.push_back(i);
            }
        }
        if (!p.generator.empty()) {
            free_.clear();
            const int q = p.rowsBinary > 0 ? 2 : 3, r = p.rowsBinary + p.rowsTernary;
            if ((p.rowsBinary > 0 && p.rowsTernary > 0) ||
                static_cast<int>(p.generator.size()) != r + 1 || p.generator.back() != 1)
                throw std::invalid_argument("coset search: generator does not fit the rows");
            std::vector<int> rem(static_cast<std::size_t>(r), 0);
            rem[0] = 1;
            for (int i = 0; i < n; ++i) {
                int32_t x = 0;
                for (int k = 0; k < r; ++k)
                    x += rem[static_cast<std::size_t>(k)] * g_.space().place(k);
                cols_[static_cast<std::size_t>(i)] = x;
                // times x, reduced by g
                const int top = rem[static_cast<std::size_t>(r - 1)];
                for (int k = r - 1; k > 0; --k)
                    rem[static_cast<std::size_t>(k)] = rem[static_cast<std::size_t>(k - 1)];
                rem[0] = 0;
                for (int k = 0; k < r; ++k)
                    rem[static_cast<std::size_t>(k)] =
                        ((rem[static_cast<std::size_t>(k)] -
                          top * p.generator[static_cast<std::size_t>(k)]) %
                             q +
                         q) %
                        q;
            }
        }
        if (!p.columns.empty()) {
            free_.clear();
            if (static_cast<int>(p.columns.size()) != n)
                throw std::invalid_argument("coset search: one column per coordinate is needed");
            for (int i = 0; i < n; ++i) {
                const int32_t x = g_.space().word(p.columns[static_cast<std::size_t>(i)]);
                // A binary coordinate's column lies in the binary rows, a ternary one's in the
                // ternary rows.
                bool fits = x >= 0;
                for (int c = 0; fits && c < g_.space().length(); ++c)
                    fits = g_.space().digit(x, c) == 0 || (c < p.rowsBinary) == (i < p.binary);
                if (!fits)
                    throw std::invalid_argument("coset search: column " + std::to_string(i + 1) +
                                                " is not a word of its part");
                cols_[static_cast<std::size_t>(i)] = x;
            }
        }
        const auto G = static_cast<std::size_t>(g_.size());
        count_.assign(G, 0);
        pos_.assign(G, -1);
        slotOf_.assign(G, -1);
        tabuUntil_.assign(G, 0);
        weight_.assign(G, 1);
        syn_.resize(static_cast<std::size_t>(p.size));
        for (auto& s : syn_) {
            int32_t x;
            do x = static_cast<int32_t>(rng_.below(static_cast<uint32_t>(g_.size())));
            while (slotOf_[static_cast<std::size_t>(x)] >= 0);
            slotOf_[static_cast<std::size_t>(x)] = static_cast<int32_t>(&s - syn_.data());
            s = x;
        }
        build();
        inner_ = p.innerSteps > 0 ? p.innerSteps
                                  : std::max<int64_t>(2000, 8 * static_cast<int64_t>(g_.size()));
        tenure_ = std::max(1, std::min(p.size / 4, 12));
    }

    CosetResult run() {
        CosetResult r;
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  std::chrono::duration<double>(p_.seconds));
        int64_t current = tabu(inner_);
        r.leastUncovered = current;
        while (!uncovered_.empty() && std::chrono::steady_clock::now() < deadline) {
            ++r.matrices;
            if (free_.empty()) {
                current = tabu(inner_);
            } else {
                const int i = free_[rng_.below(static_cast<uint32_t>(free_.size()))];
                const int32_t old = cols_[static_cast<std::size_t>(i)];
                const std::vector<int32_t> keep = syn_;
                cols_[static_cast<std::size_t>(i)] = freshColumn(i < p_.binary, i);
                build();
                const int64_t now = tabu(inner_);
                if (now == 0) break;
                // Sideways moves keep the walk going; worse ones only now and then.
                if (now <= current || rng_.unit() < 0.02) {
                    current = now;
                } else {
                    cols_[static_cast<std::size_t>(i)] = old;
                    setSyndromes(keep);
                    build();
                }
            }
            r.leastUncovered = std::min(r.leastUncovered, current);
            if (p_.verbose && (r.matrices & 255) == 0) {
                std::fprintf(stderr, "  %lld matrices, %lld uncovered (least %lld)\n",
                             static_cast<long long>(r.matrices), static_cast<long long>(current),
                             static_cast<long long>(r.leastUncovered));
            }
        }
        r.covered = uncovered_.empty();
        if (r.covered) {
            r.leastUncovered = 0;
            r.h = matrix();
            r.syndromes = syn_;
        }
        return r;
    }

  private:
    // A nonzero column of its part that neither equals nor is a multiple of another column.
    int32_t freshColumn(bool isBinary, int self) {
        const int rows = isBinary ? p_.rowsBinary : p_.rowsTernary;
        int64_t part = 1;
        for (int k = 0; k < rows; ++k) part *= isBinary ? 2 : 3;
        const int from = isBinary ? 0 : p_.rowsBinary;
        for (int tries = 0;; ++tries) {
            int32_t x = 0;
            for (int k = 0; k < rows; ++k)
                x +=
                    static_cast<int32_t>(rng_.below(isBinary ? 2 : 3)) * g_.space().place(from + k);
            if (x == 0) continue;
            if (tries > 200) return x;  // more columns than distinct ones
            bool clash = false;
            for (std::size_t j = 0; j < cols_.size() && !clash; ++j)
                clash = static_cast<int>(j) != self && cols_[j] != 0 &&
                        g_.normal(cols_[j]) == g_.normal(x);
            if (!clash) return x;
        }
    }

    // The ball (distinct offsets), the translate table and the counts of the current syndromes.
    void build() {
        std::vector<std::vector<int32_t>> mult;
        for (std::size_t i = 0; i < cols_.size(); ++i) {
            const int32_t c = cols_[i];
            if (!c) continue;
            if (static_cast<int>(i) < p_.binary)
                mult.push_back({c});
            else
                mult.push_back({c, g_.twice(c)});
        }
        ball_.assign(1, 0);
        for (const auto& m : mult) ball_.insert(ball_.end(), m.begin(), m.end());
        if (p_.radius >= 2)
            for (std::size_t i = 0; i < mult.size(); ++i)
                for (std::size_t j = i + 1; j < mult.size(); ++j)
                    for (int32_t x : mult[i])
                        for (int32_t y : mult[j]) ball_.push_back(g_.add(x, y));
        std::sort(ball_.begin(), ball_.end());
        ball_.erase(std::unique(ball_.begin(), ball_.end()), ball_.end());
        B_ = ball_.size();
        const auto G = static_cast<std::size_t>(g_.size());
        table_.resize(G * B_);
        for (std::size_t j = 0; j < B_; ++j) {
            const int32_t b = ball_[j];
            for (int32_t x = 0; x < g_.size(); ++x)
                table_[static_cast<std::size_t>(x) * B_ + j] = g_.add(x, b);
        }
        recount();
    }

    void recount() {
        std::fill(count_.begin(), count_.end(), 0);
        slotSum_.assign(count_.size(), 0);
        uncovered_.clear();
        for (int32_t x = 0; x < g_.size(); ++x) {
            pos_[static_cast<std::size_t>(x)] = static_cast<int32_t>(uncovered_.size());
            uncovered_.push_back(x);
        }
        // What adding each word would gain and removing each syndrome would lose is kept up to
        // date as counts change (the sole coverer of a word is found in one step), so a move
        // costs about B + m whatever the sizes.
        live_ = gainLive_ = false;
        for (int32_t s0 : syn_) place(s0, +1);
        gain_.assign(count_.size(), 0);
        for (int32_t x : uncovered_) shiftGain(x, weightOf(static_cast<std::size_t>(x)));
        gainLive_ = true;
        loss_.assign(syn_.size(), 0);
        adj_.assign(syn_.size(), 0);
        for (std::size_t i = 0; i < syn_.size(); ++i) {
            const int32_t* b = ballOf(syn_[i]);
            for (std::size_t k = 0; k < B_; ++k) {
                const auto x = static_cast<std::size_t>(b[k]);
                if (count_[x] == 1) loss_[i] += weightOf(x);
            }
        }
        live_ = true;
    }

    int64_t weightOf(std::size_t x) const { return p_.weighted ? weight_[x] : 1; }

    // gain_[y]: the weight of the uncovered words in y's ball, what adding y would cover.
    void shiftGain(int32_t x, int64_t by) {
        const int32_t* b = ballOf(x);
        for (std::size_t k = 0; k < B_; ++k) gain_[static_cast<std::size_t>(b[k])] += by;
    }

    // The one syndrome covering x (count 1): the sum of the coverers' slots is that slot.
    int32_t soleCoverer(int32_t x) const {
        return static_cast<int32_t>(slotSum_[static_cast<std::size_t>(x)]);
    }

    // Keeps loss_ (what removing each syndrome would uncover) as counts move between 0, 1, 2.
    void moveLoss(int32_t x, int32_t s, int before, int after) {
        const auto ux = static_cast<std::size_t>(x);
        if (before + after == 1) {  // 0 <-> 1: s is the one coverer
            loss_[static_cast<std::size_t>(slotOf_[static_cast<std::size_t>(s)])] +=
                after == 1 ? weightOf(ux) : -weightOf(ux);
        } else if (before + after == 3) {  // 1 <-> 2: the other coverer
            const int64_t o =
                slotSum_[ux] - (before == 2 ? slotOf_[static_cast<std::size_t>(s)] : 0);
            loss_[static_cast<std::size_t>(o)] += after == 1 ? weightOf(ux) : -weightOf(ux);
        }
    }

    void setSyndromes(const std::vector<int32_t>& set) {
        for (int32_t s : syn_) slotOf_[static_cast<std::size_t>(s)] = -1;
        syn_ = set;
        for (std::size_t i = 0; i < syn_.size(); ++i)
            slotOf_[static_cast<std::size_t>(syn_[i])] = static_cast<int32_t>(i);
    }

    const int32_t* ballOf(int32_t x) const { return &table_[static_cast<std::size_t>(x) * B_]; }

    void place(int32_t s, int sign) {
        const int32_t* b = ballOf(s);
        const int64_t slot = slotOf_[static_cast<std::size_t>(s)];
        for (std::size_t k = 0; k < B_; ++k) {
            const int32_t x = b[k];
            int32_t& c = count_[static_cast<std::size_t>(x)];
            if (live_) moveLoss(x, s, c, c + sign);
            slotSum_[static_cast<std::size_t>(x)] += sign * slot;
            if (sign > 0) {
                if (c == 0 && gainLive_) shiftGain(x, -weightOf(static_cast<std::size_t>(x)));
                if (c++ == 0) {
                    const int32_t i = pos_[static_cast<std::size_t>(x)];
                    const int32_t last = uncovered_.back();
                    uncovered_[static_cast<std::size_t>(i)] = last;
                    pos_[static_cast<std::size_t>(last)] = i;
                    uncovered_.pop_back();
                    pos_[static_cast<std::size_t>(x)] = -1;
                }
            } else if (--c == 0) {
                if (gainLive_) shiftGain(x, weightOf(static_cast<std::size_t>(x)));
                pos_[static_cast<std::size_t>(x)] = static_cast<int32_t>(uncovered_.size());
                uncovered_.push_back(x);
            }
        }
    }

    // Tabu search over the syndromes at fixed size: a random uncovered word, the syndrome of its
    // ball that covers the most uncovered words, the syndrome whose removal then loses the
    // least; a removed syndrome may not come back for a while. Returns the least uncovered.
    int64_t tabu(int64_t steps) {
        int64_t least = static_cast<int64_t>(uncovered_.size());
        std::vector<int32_t> best = syn_;
        for (int64_t step = 0; step < steps && !uncovered_.empty(); ++step) {
            ++clock_;
            const int32_t u = uncovered_[rng_.below(static_cast<uint32_t>(uncovered_.size()))];
            const int32_t* cand = ballOf(u);
            int32_t t = -1;
            int64_t bestGain = -1;
            uint32_t ties = 0;
            for (std::size_t j = 0; j < B_; ++j) {
                const int32_t y = cand[j];
                if (tabuUntil_[static_cast<std::size_t>(y)] > clock_) continue;
                const int64_t gain = gain_[static_cast<std::size_t>(y)];
                if (gain > bestGain) {
                    bestGain = gain, t = y, ties = 1;
                } else if (gain == bestGain && rng_.below(++ties) == 0) {
                    t = y;
                }
            }
            if (t < 0) t = cand[rng_.below(static_cast<uint32_t>(B_))];
            // Words of t's ball covered once stay covered whichever coverer goes.
            touched_.clear();
            const int32_t* tb = ballOf(t);
            for (std::size_t k = 0; k < B_; ++k) {
                const auto x = static_cast<std::size_t>(tb[k]);
                if (count_[x] != 1) continue;
                const int32_t o = soleCoverer(tb[k]);
                if (adj_[static_cast<std::size_t>(o)] == 0) touched_.push_back(o);
                adj_[static_cast<std::size_t>(o)] += weightOf(x);
            }
            std::size_t out = 0;
            int64_t bestLoss = INT64_MAX;
            ties = 0;
            for (std::size_t i = 0; i < syn_.size(); ++i) {
                const int64_t loss = loss_[i] - adj_[i];
                if (loss < bestLoss) {
                    bestLoss = loss, out = i, ties = 1;
                } else if (loss == bestLoss && rng_.below(++ties) == 0) {
                    out = i;
                }
            }
            for (int32_t o : touched_) adj_[static_cast<std::size_t>(o)] = 0;
            const int32_t gone = syn_[out];
            place(gone, -1);
            slotOf_[static_cast<std::size_t>(gone)] = -1;
            tabuUntil_[static_cast<std::size_t>(gone)] = clock_ + tenure_;
            syn_[out] = t;
            slotOf_[static_cast<std::size_t>(t)] = static_cast<int32_t>(out);
            place(t, +1);
            if (p_.weighted)
                for (int32_t x : uncovered_) {
                    ++weight_[static_cast<std::size_t>(x)];
                    shiftGain(x, 1);
                }
            if (static_cast<int64_t>(uncovered_.size()) < least) {
                least = static_cast<int64_t>(uncovered_.size());
                best = syn_;
            }
        }
        if (static_cast<int64_t>(uncovered_.size()) > least) {
            setSyndromes(best);
            recount();
        }
        return least;
    }

    CheckMatrix matrix() const {
        CheckMatrix h;
        h.rowsBinary = p_.rowsBinary;
        h.rowsTernary = p_.rowsTernary;
        const Space& s = g_.space();
        for (int32_t c : cols_) {
            Delta d;
            for (int k = 0; k < s.length(); ++k)
                if (s.digit(c, k))
                    d.emplace_back(static_cast<uint8_t>(k), static_cast<uint8_t>(s.digit(c, k)));
            h.columns.push_back(d);
        }
        return h;
    }

    const CosetSearch& p_;
    Group g_;
    Rng rng_{1};
    std::vector<int32_t> cols_, syn_, ball_, table_;
    std::size_t B_ = 0;
    std::vector<int> free_;
    std::vector<int32_t> count_, pos_, slotOf_, uncovered_;
    std::vector<uint64_t> tabuUntil_;
    std::vector<int64_t> weight_, loss_, adj_, slotSum_, gain_;
    std::vector<int32_t> touched_;
    bool live_ = false, gainLive_ = false;
    uint64_t clock_ = 0;
    int64_t inner_ = 0;
    int tenure_ = 1;
};

}  // namespace

CosetResult searchCosets(const CosetSearch& p) {
    TwoLevel t(p);
    return t.run();
}

}  // namespace qelgen
