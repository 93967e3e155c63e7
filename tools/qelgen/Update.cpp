#include "Update.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

#include "CosetSearch.h"
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

// Radius-2 codes as amalgamated direct sums of two radius-1 codes of the cache, tried from
// the smallest; each is checked over the whole shape before it counts.
CodeTable amalgamatedSums(const CodeTable& known, const CodeTable& built) {
    CodeTable out;
    struct Try {
        int64_t size;
        Cell a, b;
        int i, j;
        std::vector<int> sigma;
    };
    auto counts = [](const Space& s, const Words& w, int c) {
        std::vector<int64_t> n(static_cast<std::size_t>(s.radix(c)), 0);
        for (int32_t x : w) ++n[static_cast<std::size_t>(s.digit(x, c))];
        return n;
    };
    for (const auto& [D, T] : shapes()) {
        const Cell c{D, T, 0, 2};
        if (c.n() < 5) continue;
        int64_t have = INT64_MAX;
        if (auto it = built.find(c); it != built.end())
            have = static_cast<int64_t>(it->second.words.size());
        std::vector<Try> tries;
        for (int kind = 0; kind < 2; ++kind)  // 0: shared binary coordinate, 1: ternary
            for (int D1 = 0; D1 <= D + 1; ++D1)
                for (int T1 = 0; T1 <= T + 1; ++T1) {
                    const int D2 = D + (kind == 0) - D1, T2 = T + (kind == 1) - T1;
                    if (D2 < 0 || T2 < 0) continue;
                    if ((kind == 0 && (D1 == 0 || D2 == 0)) || (kind == 1 && (T1 == 0 || T2 == 0)))
                        continue;
                    const Cell a{D1, T1, 0, 1}, b{D2, T2, 0, 1};
                    auto ia = known.find(a), ib = known.find(b);
                    if (ia == known.end() || ib == known.end()) continue;
                    const Space sa(D1, T1), sb(D2, T2);
                    const int q = kind == 0 ? 2 : 3;
                    std::vector<std::vector<int>> perms =
                        q == 2 ? std::vector<std::vector<int>>{{0, 1}, {1, 0}}
                               : std::vector<std::vector<int>>{{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                                               {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
                    const int fromA = kind == 0 ? 0 : D1, toA = kind == 0 ? D1 : D1 + T1;
                    const int fromB = kind == 0 ? 0 : D2, toB = kind == 0 ? D2 : D2 + T2;
                    for (int i = fromA; i < toA; ++i) {
                        const auto na = counts(sa, ia->second.words, i);
                        for (int j = fromB; j < toB; ++j) {
                            const auto nb = counts(sb, ib->second.words, j);
                            for (const auto& sg : perms) {
                                int64_t size = 0;
                                for (int x = 0; x < q; ++x)
                                    size += na[static_cast<std::size_t>(x)] *
                                            nb[static_cast<std::size_t>(
                                                sg[static_cast<std::size_t>(x)])];
                                if (size < have && size <= MaxTickets)
                                    tries.push_back(Try{size, a, b, i, j, sg});
                            }
                        }
                    }
                }
        std::stable_sort(tries.begin(), tries.end(),
                         [](const Try& x, const Try& y) { return x.size < y.size; });
        const Space s(D, T);
        const Problem p = plainProblem(s, 2, 0);
        int checked = 0;
        for (const Try& t : tries) {
            if (++checked > 24) break;
            const Words w = amalgamatedSum(t.a.D, t.a.T, known.at(t.a).words, t.i, t.b.D, t.b.T,
                                           known.at(t.b).words, t.j, t.sigma);
            if (uncoveredCount(p, w) != 0) continue;
            out[c] = Built{w, "amalgamated direct sum of " + t.a.name() + " and " + t.b.name() +
                                  " on coordinates " + std::to_string(t.i + 1) + " and " +
                                  std::to_string(t.j + 1)};
            break;
        }
    }
    return out;
}

}  // namespace

int updateFromConstructions(const std::string& folder, bool verbose) {
    int changed = 0;
    const CodeTable known = knownCodes(folder);
    CodeTable built = constructAll(known);
    for (auto& [c, b] : amalgamatedSums(known, built))
        if (b.words.size() < built[c].words.size() || built[c].words.empty()) built[c] = b;
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

bool searchFixedMatrices(const std::string& folder, const Cell& c, int rowsBinary, int rowsTernary,
                         int matrices, double seconds, int64_t steps) {
    const ShapeCache sc = loadShape(folder, c.D, c.T);
    const CellEntry* e = sc.find(0, c.R);
    if (!e || c.N != 0) return false;
    const Space s(c.D, c.T), syn(rowsBinary, rowsTernary);
    const int64_t kernel = combinations(c.D, c.T) / syn.size();
    const int64_t have = static_cast<int64_t>(e->current().codes.size());
    const auto t0 = std::chrono::steady_clock::now();
    auto left = [&] {
        return seconds -
               std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    };
    Words best;
    std::string how;
    for (int k = 0; k < matrices && left() > 0; ++k) {
        const uint64_t seed =
            7919 * static_cast<uint64_t>(k + 1) + static_cast<uint64_t>(c.D * 97 + c.T * 13 + c.R);
        const CheckMatrix h = randomCheckMatrix(c.D, c.T, rowsBinary, rowsTernary, seed);
        const Problem p = syndromeProblem(syn, h, c.D, c.R);
        SearchBudget b;
        b.stepsPerSize = steps;
        b.seed = seed;
        b.seconds = left();
        const int64_t ballMost = static_cast<int64_t>(p.ball.size());
        b.stopAt = static_cast<int32_t>((syn.size() + ballMost - 1) / ballMost);
        const Words set = shrink(p, greedyCover(p, seed), b);
        const int64_t words = static_cast<int64_t>(set.size()) * kernel;
        std::printf("%s rows %d+%d matrix %d: %zu syndromes -> %lld words\n", c.name().c_str(),
                    rowsBinary, rowsTernary, k + 1, set.size(), static_cast<long long>(words));
        std::fflush(stdout);
        if (words < have && (best.empty() || words < static_cast<int64_t>(best.size()))) {
            best = expand(s, syn, h, set);
            how = "check matrix of " + std::to_string(rowsBinary) + "+" +
                  std::to_string(rowsTernary) + " rows (seed " + std::to_string(seed) + "), " +
                  std::to_string(set.size()) + " syndromes by tabu search";
        }
    }
    if (best.empty()) return false;
    ShapeCache fresh = loadShape(folder, c.D, c.T);
    if (!accept(fresh, c, s, best, how, true)) return false;
    saveShape(folder, fresh);
    return true;
}

bool searchCosetCell(const std::string& folder, const Cell& c, int rowsBinary, int rowsTernary,
                     int m, int attempts, double seconds, int64_t innerSteps, bool verbose,
                     const std::vector<int>& generator, int firstAttempt, bool weighted,
                     const std::vector<std::string>& columns) {
    if (c.N != 0) return false;
    const Space s(c.D, c.T), syn(rowsBinary, rowsTernary);
    const int64_t kernel = combinations(c.D, c.T) / syn.size();
    const int first = std::max(firstAttempt, 1) - 1;
    for (int a = first; a < first + attempts; ++a) {
        CosetSearch q;
        q.binary = c.D;
        q.ternary = c.T;
        q.rowsBinary = rowsBinary;
        q.rowsTernary = rowsTernary;
        q.radius = c.R;
        q.size = m;
        q.innerSteps = innerSteps;
        q.seconds = seconds;
        q.seed = static_cast<uint64_t>(a + 1) * 1000003 + static_cast<uint64_t>(m);
        q.verbose = verbose;
        q.weighted = weighted;
        q.generator = generator;
        q.columns = columns;
        const auto t0 = std::chrono::steady_clock::now();
        const CosetResult r = searchCosets(q);
        std::printf(
            "%s rows %d+%d, %d syndromes, seed %llu: %s after %lld matrices in %.1f s\n",
            c.name().c_str(), rowsBinary, rowsTernary, m, static_cast<unsigned long long>(q.seed),
            r.covered ? "covered"
                      : ("least " + std::to_string(r.leastUncovered) + " uncovered").c_str(),
            static_cast<long long>(r.matrices),
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        std::fflush(stdout);
        if (!r.covered) continue;
        ShapeCache fresh = loadShape(folder, c.D, c.T);
        const std::string how = "check matrix of " + std::to_string(rowsBinary) + "+" +
                                std::to_string(rowsTernary) + " rows and " + std::to_string(m) +
                                " syndromes searched together (" + (weighted ? "weighted, " : "") +
                                "seed " + std::to_string(q.seed) + ")";
        const Words w = expand(s, syn, r.h, r.syndromes);
        if (static_cast<int64_t>(w.size()) != m * kernel) {
            std::fprintf(stderr, "%s: the matrix does not have full rank\n", c.name().c_str());
            continue;
        }
        if (!accept(fresh, c, s, w, how, true)) return false;
        saveShape(folder, fresh);
        return true;
    }
    return false;
}

std::vector<CosetSplit> cosetSplits(const Cell& c, int64_t words) {
    const int D = c.D, T = c.T;
    struct Ranked {
        double density;
        int64_t group;
        CosetSplit split;
    };
    std::vector<Ranked> ranked;
    // Both kinds of coordinate need rows of their own, or they add nothing to the balls.
    for (int a = D > 0 ? 1 : 0; a <= D; ++a)
        for (int b = T > 0 ? 1 : 0; b <= T; ++b) {
            if (a == D && b == T) continue;
            const int64_t group = combinations(a, b), kernel = combinations(D - a, T - b);
            if (group < 16 || group > 19683) continue;
            // Few rows repeat columns (up to sign), and a repeated column widens no ball.
            const int64_t distinctBinary = std::min<int64_t>(D, (int64_t{1} << a) - 1);
            const int64_t distinctTernary = std::min<int64_t>(T, (combinations(0, b) - 1) / 2);
            const int64_t ball = syndromeBallBound(static_cast<int>(distinctBinary),
                                                   static_cast<int>(distinctTernary), c.R);
            const int64_t m = words / kernel;
            const double density =
                static_cast<double>(m * std::min(ball, group)) / static_cast<double>(group);
            if (m < 1 || density < 1.05) continue;
            ranked.push_back({density, group, CosetSplit{a, b, static_cast<int>(m)}});
        }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked& x, const Ranked& y) { return x.density > y.density; });
    std::vector<CosetSplit> out;
    double best = 0;
    for (const Ranked& r : ranked)
        if (r.group <= 6561 && out.size() < 3) {
            best = std::max(best, r.density);
            out.push_back(r.split);
        }
    // A larger group can leave more slack; of those that beat the three, the smallest, where
    // the walk is quickest.
    const Ranked* more = nullptr;
    for (const Ranked& r : ranked)
        if (r.group > 6561 && r.density > best && (!more || r.group < more->group)) more = &r;
    if (more) out.push_back(more->split);
    return out;
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
            if (o.cosets) {
                if (c.N != 0 || c.n() < 4) continue;
                // Short of the target a smaller code still saves tickets: after the target's
                // sizes, the sizes just below the current code.
                std::vector<CosetSplit> splits = cosetSplits(c, ceiling);
                if (ceiling < static_cast<int64_t>(before) - 1)
                    for (const CosetSplit& sp : cosetSplits(c, static_cast<int64_t>(before) - 1))
                        if (std::find(splits.begin(), splits.end(), sp) == splits.end())
                            splits.push_back(sp);
                const double seconds = o.cellSeconds > 0 ? o.cellSeconds : 60;
                const auto tryCosets = [&](const CosetSplit& sp, int m) {
                    return searchCosetCell(folder, c, sp.rowsBinary, sp.rowsTernary, m, 1, seconds,
                                           0, false, {}, 1, o.weighted);
                };
                for (const CosetSplit& sp : splits) {
                    if (!tryCosets(sp, sp.m)) continue;
                    ++improved;
                    // A cell far from its lower bound is often covered at once: walk the size
                    // down on the same split, bisecting after the first miss.
                    int covered = sp.m, missed = 0;
                    for (;;) {
                        const int next = missed ? (covered + missed) / 2 : covered * 24 / 25;
                        if (next <= missed || next >= covered) break;
                        (tryCosets(sp, next) ? covered : missed) = next;
                    }
                    break;
                }
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
