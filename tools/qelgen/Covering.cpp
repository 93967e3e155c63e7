#include "Covering.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <queue>
#include <random>

namespace qelgen {

int64_t Problem::universeSize() const {
    if (universe.empty()) return space->size();
    return std::count(universe.begin(), universe.end(), uint8_t{1});
}

Problem plainProblem(const Space& s, int radius, int condition) {
    Problem p;
    p.space = &s;
    const Generators g = unitGenerators(s);
    p.ball = ball(s, g, radius);
    p.moves = moves(g);
    if (condition > 0 && condition < s.length()) {
        p.universe.assign(static_cast<std::size_t>(s.size()), 0);
        p.allowed.assign(static_cast<std::size_t>(s.size()), 0);
        for (int32_t w = 0; w < s.size(); ++w) {
            const int weight = s.weight(w);
            p.universe[static_cast<std::size_t>(w)] = weight <= condition;
            p.allowed[static_cast<std::size_t>(w)] = weight <= condition + radius;
        }
    }
    return p;
}

int64_t uncoveredCount(const Problem& p, const std::vector<int32_t>& words) {
    const Space& s = *p.space;
    std::vector<uint8_t> covered(static_cast<std::size_t>(s.size()), 0);
    for (int32_t w : words)
        for (const Delta& d : p.ball) covered[static_cast<std::size_t>(apply(s, w, d))] = 1;
    int64_t missing = 0;
    for (int32_t w = 0; w < s.size(); ++w)
        missing += p.inUniverse(w) && !covered[static_cast<std::size_t>(w)];
    return missing;
}

std::vector<int32_t> greedyCover(const Problem& p, uint64_t seed) {
    const Space& s = *p.space;
    const std::size_t n = static_cast<std::size_t>(s.size());
    std::vector<Delta> back;
    for (const Delta& d : p.ball) back.push_back(negate(s, d));
    std::vector<uint8_t> covered(n, 0);
    std::vector<int32_t> gain(n, 0);
    std::mt19937_64 rng(seed);
    // Ties are broken by a random key so that the start differs between seeds.
    std::vector<uint32_t> key(n);
    for (auto& k : key) k = static_cast<uint32_t>(rng());
    using Entry = std::tuple<int32_t, uint32_t, int32_t>;
    std::priority_queue<Entry> heap;
    for (int32_t w = 0; w < s.size(); ++w) {
        if (!p.isAllowed(w)) continue;
        int32_t g = 0;
        for (const Delta& d : p.ball) g += p.inUniverse(apply(s, w, d));
        gain[static_cast<std::size_t>(w)] = g;
        if (g > 0) heap.emplace(g, key[static_cast<std::size_t>(w)], w);
    }
    std::vector<int32_t> words;
    while (!heap.empty()) {
        auto [g, k, w] = heap.top();
        heap.pop();
        if (g != gain[static_cast<std::size_t>(w)] || g == 0) continue;
        words.push_back(w);
        for (const Delta& d : p.ball) {
            const int32_t x = apply(s, w, d);
            if (!p.inUniverse(x) || covered[static_cast<std::size_t>(x)]) continue;
            covered[static_cast<std::size_t>(x)] = 1;
            for (const Delta& e : back) {
                const int32_t y = apply(s, x, e);
                if (!p.isAllowed(y)) continue;
                int32_t& gy = gain[static_cast<std::size_t>(y)];
                --gy;
                if (gy > 0 && y != w) heap.emplace(gy, key[static_cast<std::size_t>(y)], y);
            }
        }
    }
    std::sort(words.begin(), words.end());
    return words;
}

namespace {

class State {
  public:
    State(const Problem& p, const std::vector<int32_t>& words) : p_(p), s_(*p.space) {
        const std::size_t n = static_cast<std::size_t>(s_.size());
        count_.assign(n, 0);
        at_.assign(n, -1);
        pos_.assign(n, -1);
        stamp_.assign(n, 0);
        for (int32_t w = 0; w < s_.size(); ++w)
            if (p_.inUniverse(w)) addUncovered(w);
        for (int32_t w : words) add(w);
    }

    void add(int32_t w) {
        at_[static_cast<std::size_t>(w)] = static_cast<int32_t>(words_.size());
        words_.push_back(w);
        for (const Delta& d : p_.ball) {
            const int32_t x = apply(s_, w, d);
            if (count_[static_cast<std::size_t>(x)]++ == 0 && p_.inUniverse(x)) dropUncovered(x);
        }
    }
    void move(int32_t index, int32_t to) {
        const int32_t from = words_[static_cast<std::size_t>(index)];
        for (const Delta& d : p_.ball) {
            const int32_t x = apply(s_, from, d);
            if (--count_[static_cast<std::size_t>(x)] == 0 && p_.inUniverse(x)) addUncovered(x);
        }
        at_[static_cast<std::size_t>(from)] = -1;
        at_[static_cast<std::size_t>(to)] = index;
        words_[static_cast<std::size_t>(index)] = to;
        for (const Delta& d : p_.ball) {
            const int32_t x = apply(s_, to, d);
            if (count_[static_cast<std::size_t>(x)]++ == 0 && p_.inUniverse(x)) dropUncovered(x);
        }
    }
    // Covered words gained by moving the word at `from` to `to`.
    int32_t delta(int32_t from, int32_t to) {
        ++tick_;
        int32_t gain = 0;
        for (const Delta& d : p_.ball) {
            const int32_t x = apply(s_, to, d);
            stamp_[static_cast<std::size_t>(x)] = tick_;
            gain += count_[static_cast<std::size_t>(x)] == 0 && p_.inUniverse(x);
        }
        for (const Delta& d : p_.ball) {
            const int32_t x = apply(s_, from, d);
            gain -= count_[static_cast<std::size_t>(x)] == 1 && p_.inUniverse(x) &&
                    stamp_[static_cast<std::size_t>(x)] != tick_;
        }
        return gain;
    }

    const std::vector<int32_t>& uncovered() const { return uncovered_; }
    const std::vector<int32_t>& words() const { return words_; }
    int32_t indexAt(int32_t w) const { return at_[static_cast<std::size_t>(w)]; }

  private:
    void addUncovered(int32_t w) {
        pos_[static_cast<std::size_t>(w)] = static_cast<int32_t>(uncovered_.size());
        uncovered_.push_back(w);
    }
    void dropUncovered(int32_t w) {
        const int32_t i = pos_[static_cast<std::size_t>(w)];
        const int32_t last = uncovered_.back();
        uncovered_[static_cast<std::size_t>(i)] = last;
        pos_[static_cast<std::size_t>(last)] = i;
        uncovered_.pop_back();
        pos_[static_cast<std::size_t>(w)] = -1;
    }

    const Problem& p_;
    const Space& s_;
    std::vector<int32_t> count_, at_, pos_, words_, uncovered_;
    std::vector<uint32_t> stamp_;
    uint32_t tick_ = 0;
};

}  // namespace

bool tabuSearch(const Problem& p, std::vector<int32_t>& words, int64_t steps, int tenure,
                uint64_t seed, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds > 0 ? seconds : 1e9));
    const Space& s = *p.space;
    std::mt19937_64 rng(seed);
    // Repeated or misplaced words waste a place: put them on random free places.
    {
        const std::size_t size = words.size();
        std::vector<uint8_t> used(static_cast<std::size_t>(s.size()), 0);
        std::vector<int32_t> kept;
        for (int32_t w : words)
            if (p.isAllowed(w) && !used[static_cast<std::size_t>(w)]) {
                used[static_cast<std::size_t>(w)] = 1;
                kept.push_back(w);
            }
        while (kept.size() < size) {
            const int32_t w = static_cast<int32_t>(rng() % static_cast<uint64_t>(s.size()));
            if (!p.isAllowed(w) || used[static_cast<std::size_t>(w)]) continue;
            used[static_cast<std::size_t>(w)] = 1;
            kept.push_back(w);
        }
        words = kept;
    }
    State st(p, words);
    if (st.uncovered().empty()) return true;
    std::vector<Delta> back, undo;
    for (const Delta& d : p.ball) back.push_back(negate(s, d));
    for (const Delta& d : p.moves) undo.push_back(negate(s, d));
    if (tenure <= 0) tenure = std::max(1, std::min(10, static_cast<int>(words.size()) / 8));
    std::vector<int64_t> tabuUntil(words.size(), -1);
    int64_t bestEver = static_cast<int64_t>(st.uncovered().size());
    for (int64_t step = 0; step < steps; ++step) {
        if ((step & 1023) == 0 && std::chrono::steady_clock::now() > deadline) return false;
        const auto& unc = st.uncovered();
        const int32_t u = unc[rng() % unc.size()];
        const int64_t now = static_cast<int64_t>(unc.size());
        int32_t bestGain = INT32_MIN, bestIndex = -1, bestTo = -1, ties = 0;
        for (const Delta& b : back) {
            const int32_t to = apply(s, u, b);
            if (!p.isAllowed(to) || st.indexAt(to) >= 0) continue;
            for (const Delta& e : undo) {
                const int32_t from = apply(s, to, e);
                const int32_t index = st.indexAt(from);
                if (index < 0) continue;
                const int32_t g = st.delta(from, to);
                const bool tabu = tabuUntil[static_cast<std::size_t>(index)] > step;
                if (tabu && now - g >= bestEver) continue;
                if (g > bestGain) {
                    bestGain = g, bestIndex = index, bestTo = to, ties = 1;
                } else if (g == bestGain && rng() % static_cast<uint64_t>(++ties) == 0) {
                    bestIndex = index, bestTo = to;
                }
            }
        }
        if (bestIndex < 0) {
            // Nothing next to u: bring a random word to a free place that covers u.
            const int32_t to = apply(s, u, back[rng() % back.size()]);
            if (!p.isAllowed(to) || st.indexAt(to) >= 0) continue;
            bestIndex = static_cast<int32_t>(rng() % words.size());
            bestTo = to;
        }
        st.move(bestIndex, bestTo);
        tabuUntil[static_cast<std::size_t>(bestIndex)] = step + tenure;
        const int64_t left = static_cast<int64_t>(st.uncovered().size());
        if (left < bestEver) bestEver = left;
        if (left == 0) {
            words = st.words();
            std::sort(words.begin(), words.end());
            return true;
        }
    }
    return false;
}

std::vector<int32_t> shrink(const Problem& p, std::vector<int32_t> cover, const SearchBudget& b,
                            const std::function<void(const std::vector<int32_t>&)>& onBetter) {
    const Space& s = *p.space;
    uint64_t seed = b.seed;
    const auto start = std::chrono::steady_clock::now();
    while (static_cast<int32_t>(cover.size()) > std::max(1, b.stopAt)) {
        // Drop the word that leaves the fewest universe words bare.
        std::vector<int32_t> count(static_cast<std::size_t>(s.size()), 0);
        for (int32_t w : cover)
            for (const Delta& d : p.ball) ++count[static_cast<std::size_t>(apply(s, w, d))];
        std::size_t drop = 0;
        int32_t fewest = INT32_MAX;
        for (std::size_t i = 0; i < cover.size(); ++i) {
            int32_t alone = 0;
            for (const Delta& d : p.ball) {
                const int32_t x = apply(s, cover[i], d);
                alone += count[static_cast<std::size_t>(x)] == 1 && p.inUniverse(x);
            }
            if (alone < fewest) fewest = alone, drop = i;
        }
        std::vector<int32_t> trial = cover;
        trial.erase(trial.begin() + static_cast<long>(drop));
        double left = 0;
        if (b.seconds > 0) {
            left = b.seconds -
                   std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (left <= 0) break;
        }
        if (fewest > 0 && !tabuSearch(p, trial, b.stepsPerSize, b.tenure, seed++, left)) break;
        std::sort(trial.begin(), trial.end());
        cover = trial;
        if (onBetter) onBetter(cover);
    }
    return cover;
}

}  // namespace qelgen
