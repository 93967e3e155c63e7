#include "Update.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

#include "Covering.h"
#include "Library.h"
#include "Matrix.h"
#include "MatrixSearch.h"

namespace qelgen {

std::vector<std::string> codesOf(const Space& s, const Words& w) {
    std::vector<std::string> out;
    out.reserve(w.size());
    for (int32_t x : w) out.push_back(s.code(x));
    return out;
}

Words wordsOf(const Space& s, const std::vector<std::string>& codes) {
    Words out;
    for (const auto& c : codes) out.push_back(s.word(c));
    std::sort(out.begin(), out.end());
    return out;
}

namespace {

// Drops the words that cover no universe word alone (largest number first).
Words prune(const Problem& p, Words w) {
    const Space& s = *p.space;
    std::vector<int32_t> count(static_cast<std::size_t>(s.size()), 0);
    Words kept;
    for (int32_t x : w)
        if (p.isAllowed(x)) kept.push_back(x);
    for (int32_t x : kept)
        for (const Delta& d : p.ball) ++count[static_cast<std::size_t>(apply(s, x, d))];
    Words out;
    for (std::size_t i = kept.size(); i-- > 0;) {
        bool needed = false;
        for (const Delta& d : p.ball) {
            const int32_t y = apply(s, kept[i], d);
            if (p.inUniverse(y) && count[static_cast<std::size_t>(y)] == 1) needed = true;
        }
        if (needed) {
            out.push_back(kept[i]);
        } else {
            for (const Delta& d : p.ball) --count[static_cast<std::size_t>(apply(s, kept[i], d))];
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool accept(ShapeCache& cache, const Cell& c, const Space& s, const Words& w,
            const std::string& source, bool verbose) {
    const auto codes = codesOf(s, w);
    const CellEntry* e = cache.find(c.N, c.R);
    if (e && e->current().codes.size() <= codes.size()) return false;
    if (!verifyCover(c, codes)) {
        std::fprintf(stderr, "%s: a code from %s fails its check\n", c.name().c_str(),
                     source.c_str());
        return false;
    }
    Revision r;
    r.source = source;
    r.codes = codes;
    cache.offer(c.N, c.R, r);
    if (verbose)
        std::printf("%s: %zu codes (%s)\n", c.name().c_str(), codes.size(), source.c_str());
    return true;
}

CodeTable knownCodes(const std::string& folder) {
    CodeTable known;
    for (const auto& [D, T] : shapes()) {
        const ShapeCache sc = loadShape(folder, D, T);
        const Space s(D, T);
        for (const auto& e : sc.cells)
            if (e.N == 0 && e.R > 0)
                known[Cell{D, T, 0, e.R}] =
                    Built{wordsOf(s, e.current().codes), e.current().source};
    }
    return known;
}

int updateComposites(const std::string& folder, bool verbose) {
    int changed = 0;
    auto partID = [&](int D, int T) -> int32_t {
        const ShapeCache sc = loadShape(folder, D, T);
        const CellEntry* e = sc.find(0, 1);
        if (!e || !listedSize(Cell{D, T, 0, 1}, static_cast<int64_t>(e->current().codes.size()), 0))
            return 0;
        return patternID(D, T, 0, 1, e->current().number);
    };
    for (const auto& [D, T] : shapes()) {
        if (D == 0 || T == 0) continue;
        const int32_t a = partID(D, 0), b = partID(0, T);
        if (a == 0 || b == 0) continue;
        const ShapeCache ca = loadShape(folder, D, 0), cb = loadShape(folder, 0, T);
        const int64_t size = static_cast<int64_t>(ca.find(0, 1)->current().codes.size() *
                                                  cb.find(0, 1)->current().codes.size());
        if (size > MaxTickets || size >= combinations(D, T)) continue;
        ShapeCache sc = loadShape(folder, D, T);
        Revision r;
        r.source = "composite";
        r.partA = a;
        r.partB = b;
        if (sc.offer(0, 0, r)) {
            saveShape(folder, sc);
            ++changed;
            if (verbose) std::printf("D%02dT%02d composite %d-%d\n", D, T, a, b);
        }
    }
    return changed;
}

}  // namespace

int updateFromConstructions(const std::string& folder, bool verbose) {
    int changed = 0;
    const CodeTable built = constructAll(knownCodes(folder));
    for (const auto& [D, T] : shapes()) {
        ShapeCache sc = loadShape(folder, D, T);
        const Space s(D, T);
        bool dirty = false;
        std::vector<Cell> conditional;
        for (const Cell& c : cellsOfShape(D, T)) {
            if (c.N > 0) {
                conditional.push_back(c);
                continue;
            }
            auto it = built.find(c);
            if (it == built.end()) continue;
            dirty |= accept(sc, c, s, it->second.words, it->second.how, verbose);
        }
        // The weakest condition first: what covers condition N + 1 (or the whole shape),
        // cut down, also covers condition N.
        std::sort(conditional.begin(), conditional.end(), [](const Cell& a, const Cell& b) {
            return std::make_pair(a.R, -a.N) < std::make_pair(b.R, -b.N);
        });
        for (const Cell& c : conditional) {
            const CellEntry* e = sc.find(c.N, c.R);
            const Problem p = plainProblem(s, c.R, c.N);
            Words start;
            std::string how;
            auto offer = [&](Words w, const std::string& from) {
                if (start.empty() || w.size() < start.size()) start = std::move(w), how = from;
            };
            if (!e) offer(greedyCover(p, 1), "greedy cover");
            if (auto it = built.find(Cell{D, T, 0, c.R}); it != built.end())
                offer(prune(p, it->second.words), "whole-shape code cut down");
            if (const CellEntry* weaker = sc.find(c.N + 1, c.R))
                offer(prune(p, wordsOf(s, weaker->current().codes)),
                      "code of condition " + std::to_string(c.N + 1) + " cut down");
            if (start.empty()) continue;
            if (e && e->current().codes.size() <= start.size()) continue;
            dirty |= accept(sc, c, s, start, how, verbose);
        }
        if (dirty) {
            saveShape(folder, sc);
            ++changed;
        }
    }
    return changed + updateComposites(folder, verbose);
}

int searchCells(const std::string& folder, const SearchOptions& o) {
    int improved = 0;
    const auto ref = o.reference.empty() ? std::map<Cell, Reference>{} : readReference(o.reference);
    for (const auto& [D, T] : shapes()) {
        for (const Cell& c : cellsOfShape(D, T)) {
            if (!o.only.empty() && std::find(o.only.begin(), o.only.end(), c) == o.only.end())
                continue;
            if (combinations(D, T) > o.maxUniverse) continue;
            const bool pureWhole = c.N == 0 && (D == 0 || T == 0);
            if ((o.pureWhole > 0 && !pureWhole) || (o.pureWhole < 0 && pureWhole)) continue;
            if (o.whole && c.N != 0) continue;
            const ShapeCache sc = loadShape(folder, D, T);
            const CellEntry* e = sc.find(c.N, c.R);
            if (!e) continue;
            const Space s(D, T);
            const Problem p = plainProblem(s, c.R, c.N);
            const auto t0 = std::chrono::steady_clock::now();
            Words best = wordsOf(s, e->current().codes);
            const std::size_t before = best.size();
            if (static_cast<int64_t>(before) <= sphereBound(c)) continue;
            // Sizes worth a check-matrix search: within 5 % of the record of a pure shape, below
            // the construction bound of a mixed one (once there, anything smaller).
            int64_t ceiling = static_cast<int64_t>(before) - 1;
            if (auto r = ref.find(c); r != ref.end()) {
                int64_t target = 0;
                if (r->second.bestKnown > 0)
                    target = r->second.bestKnown * 105 / 100;
                else if (r->second.derived > r->second.lower)
                    target = r->second.derived - 1;
                if (target > 0) ceiling = std::min(ceiling, target);
                if (o.unmet && target > 0 && static_cast<int64_t>(before) <= target) continue;
                const int64_t record =
                    r->second.optimum > 0 ? r->second.optimum : r->second.bestKnown;
                if (record > 0 && static_cast<int64_t>(before) <= record) continue;
                if (r->second.lower > 0 && static_cast<int64_t>(before) <= r->second.lower)
                    continue;
            }
            std::string how;
            for (int a = 0; o.plain && a < 2 * o.attempts; ++a) {
                SearchBudget b;
                b.stepsPerSize = o.steps;
                b.tenure = 2 + a % 2;
                b.seed = 1000 * static_cast<uint64_t>(a + 1) +
                         static_cast<uint64_t>(D * 97 + T * 13 + c.N * 7 + c.R);
                b.stopAt = static_cast<int32_t>(sphereBound(c));
                b.seconds = o.cellSeconds;
                // Odd attempts start afresh from a greedy cover: a structured code is often
                // too tight to repair after a word is dropped.
                Words w = shrink(p, a % 2 ? greedyCover(p, b.seed) : best, b);
                if (w.size() < best.size()) {
                    best = w;
                    how = "tabu search (seed " + std::to_string(b.seed) + ")";
                }
            }
            if (o.matrix && c.N == 0 && c.n() >= 4) {
                const double budget = o.cellSeconds > 0 ? o.cellSeconds : 60;
                SyndromeCode sc2 = searchSyndromeCodes(
                    D, T, c.R, static_cast<int64_t>(best.size()), std::min(ceiling, MaxTickets),
                    budget, o.maxSyndromes, static_cast<uint64_t>(D * 97 + T * 13 + c.R), true);
                // Short of the target, any gain will do.
                if (sc2.words == 0 && ceiling < static_cast<int64_t>(best.size()) - 1)
                    sc2 = searchSyndromeCodes(D, T, c.R, static_cast<int64_t>(best.size()),
                                              MaxTickets, budget / 3, o.maxSyndromes,
                                              static_cast<uint64_t>(D * 97 + T * 13 + c.R), true);
                if (sc2.words > 0 && sc2.words < static_cast<int64_t>(best.size())) {
                    const Space ss(sc2.h.rowsBinary, sc2.h.rowsTernary);
                    Words w = expand(s, ss, sc2.h, sc2.syndromes);
                    if (w.size() < best.size() && uncoveredCount(p, w) == 0) {
                        best = w;
                        how = sc2.how;
                    } else {
                        std::fprintf(stderr, "%s: a syndrome code fails its check\n",
                                     c.name().c_str());
                    }
                }
            }
            const double secs =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            std::printf("%s: %zu -> %zu in %.1fs%s\n", c.name().c_str(), before, best.size(), secs,
                        best.size() < before ? "" : " (no gain)");
            std::fflush(stdout);
            if (best.size() < before) {
                // Another run may have saved this shape meanwhile: take its file as it is now.
                ShapeCache fresh = loadShape(folder, D, T);
                if (accept(fresh, c, s, best, how, false)) {
                    saveShape(folder, fresh);
                    ++improved;
                }
            }
        }
    }
    updateComposites(folder, false);
    return improved;
}

}  // namespace qelgen
