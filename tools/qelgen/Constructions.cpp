#include "Constructions.h"

#include <algorithm>
#include <functional>

#include "Matrix.h"
#include "Space.h"

namespace qelgen {

namespace {

Words sorted(Words w) {
    std::sort(w.begin(), w.end());
    w.erase(std::unique(w.begin(), w.end()), w.end());
    return w;
}

}  // namespace

Words hamming(int D, int T) {
    // Perfect codes: binary length 2^k - 1, ternary length (3^k - 1) / 2.
    int k = 0;
    if (D > 0) {
        while ((1 << k) - 1 < D) ++k;
    } else {
        int64_t q = 1;
        while ((q - 1) / 2 < T) q *= 3, ++k;
    }
    const CheckMatrix h = D > 0 ? hammingMatrix(k, 0) : hammingMatrix(0, k);
    const Space code(D, T), syn(D > 0 ? k : 0, D > 0 ? 0 : k);
    return expand(code, syn, h, {0});
}

Words golay() {
    // The ternary Golay code: multiples of g(x) = 2 + x^2 + 2x^3 + x^4 + x^5 of degree < 11.
    const int g[6] = {2, 0, 1, 2, 1, 1};
    const Space s(0, 11);
    Words out;
    for (int32_t m = 0; m < 729; ++m) {
        int coef[11] = {0};
        int32_t v = m;
        for (int i = 0; i < 6; ++i, v /= 3)
            for (int j = 0; j < 6; ++j) coef[i + j] = (coef[i + j] + (v % 3) * g[j]) % 3;
        int32_t w = 0;
        for (int c = 0; c < 11; ++c) w += coef[c] * s.place(c);
        out.push_back(w);
    }
    return sorted(out);
}

Words directSum(int D1, int T1, const Words& a, int D2, int T2, const Words& b) {
    const Space sa(D1, T1), sb(D2, T2), s(D1 + D2, T1 + T2);
    Words out;
    out.reserve(a.size() * b.size());
    for (int32_t x : a)
        for (int32_t y : b) {
            int32_t w = 0;
            for (int c = 0; c < D1; ++c) w += sa.digit(x, c) * s.place(c);
            for (int c = 0; c < D2; ++c) w += sb.digit(y, c) * s.place(D1 + c);
            for (int c = 0; c < T1; ++c) w += sa.digit(x, D1 + c) * s.place(D1 + D2 + c);
            for (int c = 0; c < T2; ++c) w += sb.digit(y, D2 + c) * s.place(D1 + D2 + T1 + c);
            out.push_back(w);
        }
    return sorted(out);
}

Words amalgamatedSum(int D1, int T1, const Words& a, int i, int D2, int T2, const Words& b, int j,
                     const std::vector<int>& sigma) {
    const bool binary = i < D1;
    const Space sa(D1, T1), sb(D2, T2);
    const Space s(D1 + D2 - (binary ? 1 : 0), T1 + T2 - (binary ? 0 : 1));
    // Where each coordinate of a and b lands (-1: the shared one, written once from a).
    std::vector<int> toA(static_cast<std::size_t>(D1 + T1)), toB(static_cast<std::size_t>(D2 + T2));
    int next = 0;
    for (int c = 0; c < D1; ++c)
        if (c != i) toA[static_cast<std::size_t>(c)] = next++;
    if (binary) toA[static_cast<std::size_t>(i)] = next++;
    for (int c = 0; c < D2; ++c) toB[static_cast<std::size_t>(c)] = c == j ? -1 : next++;
    for (int c = D1; c < D1 + T1; ++c)
        if (c != i) toA[static_cast<std::size_t>(c)] = next++;
    if (!binary) toA[static_cast<std::size_t>(i)] = next++;
    for (int c = D2; c < D2 + T2; ++c) toB[static_cast<std::size_t>(c)] = c == j ? -1 : next++;
    Words out;
    for (int32_t x : a) {
        const int shared = sa.digit(x, i);
        int32_t w = 0;
        for (int c = 0; c < sa.length(); ++c)
            w += sa.digit(x, c) * s.place(toA[static_cast<std::size_t>(c)]);
        for (int32_t y : b) {
            if (sb.digit(y, j) != sigma[static_cast<std::size_t>(shared)]) continue;
            int32_t v = w;
            for (int c = 0; c < sb.length(); ++c)
                if (toB[static_cast<std::size_t>(c)] >= 0)
                    v += sb.digit(y, c) * s.place(toB[static_cast<std::size_t>(c)]);
            out.push_back(v);
        }
    }
    return sorted(out);
}

Words ternaryAsBinary(int D, int T, const Words& code) {
    const Space from(D - 1, T + 1), to(D, T);
    Words out;
    for (int32_t x : code) {
        int32_t w = 0;
        for (int c = 0; c < D - 1; ++c) w += from.digit(x, c) * to.place(c);
        w += std::min(from.digit(x, D - 1), 1) * to.place(D - 1);
        for (int c = 0; c < T; ++c) w += from.digit(x, D + c) * to.place(D + c);
        out.push_back(w);
    }
    return sorted(out);
}

CodeTable constructAll(const CodeTable& known, int64_t cap) {
    struct Plan {
        int64_t size = 0;
        std::function<Built()> make;
    };
    std::map<Cell, Plan> best;
    std::map<Cell, Built> made;
    auto offer = [&](const Cell& c, int64_t size, std::function<Built()> make) {
        auto it = best.find(c);
        if (it == best.end() || size < it->second.size) best[c] = Plan{size, std::move(make)};
    };
    std::function<const Built&(const Cell&)> get = [&](const Cell& c) -> const Built& {
        auto it = made.find(c);
        if (it != made.end()) return it->second;
        return made[c] = best.at(c).make();
    };
    for (int n = 0; n <= 13; ++n) {
        for (int D = 0; D <= n; ++D) {
            const int T = n - D;
            for (int R = 0; R <= 2; ++R) {
                const Cell c{D, T, 0, R};
                if (R == 0) {
                    offer(c, combinations(D, T), [D, T] {
                        Words w(static_cast<std::size_t>(combinations(D, T)));
                        for (std::size_t i = 0; i < w.size(); ++i) w[i] = static_cast<int32_t>(i);
                        return Built{w, "all codes"};
                    });
                    continue;
                }
                if (R >= n) {
                    offer(c, 1, [] { return Built{{0}, "one code"}; });
                    continue;
                }
                if (auto k = known.find(c); k != known.end())
                    offer(c, static_cast<int64_t>(k->second.words.size()),
                          [b = k->second] { return b; });
                if (R == 1 && T == 0 && (D == 3 || D == 7))
                    offer(c, int64_t{1} << (D - (D == 3 ? 2 : 3)), [D] {
                        return Built{hamming(D, 0), "binary Hamming code"};
                    });
                if (R == 1 && D == 0 && (T == 4 || T == 13))
                    offer(c, T == 4 ? 9 : 59049, [T] {
                        return Built{hamming(0, T), "ternary Hamming code"};
                    });
                if (R == 2 && D == 0 && T == 11)
                    offer(c, 729, [] { return Built{golay(), "ternary Golay code"}; });
                for (int D1 = 0; D1 <= D; ++D1)
                    for (int T1 = 0; T1 <= T; ++T1) {
                        const int D2 = D - D1, T2 = T - T1;
                        if (D1 + T1 == 0 || D2 + T2 == 0) continue;
                        if (std::make_pair(D1, T1) > std::make_pair(D2, T2)) continue;
                        for (int R1 = 0; R1 <= R; ++R1) {
                            const Cell a{D1, T1, 0, R1}, b{D2, T2, 0, R - R1};
                            const int64_t size = best.at(a).size * best.at(b).size;
                            offer(c, size, [=, &get] {
                                const Built& x = get(a);
                                const Built& y = get(b);
                                return Built{directSum(D1, T1, x.words, D2, T2, y.words),
                                             "direct sum of " + a.name() + " and " + b.name()};
                            });
                        }
                    }
            }
        }
        // A triple used as a double: the cell with one double more is never larger.
        for (int D = 1; D <= n; ++D)
            for (int R = 1; R <= 2; ++R) {
                const Cell from{D - 1, n - D + 1, 0, R};
                const int T = n - D;
                offer(Cell{D, T, 0, R}, best.at(from).size, [=, &get] {
                    return Built{ternaryAsBinary(D, T, get(from).words),
                                 "triple used as a double from " + from.name()};
                });
            }
    }
    CodeTable out;
    for (const auto& [c, plan] : best)
        if (plan.size <= cap && c.R > 0) out[c] = get(c);
    return out;
}

}  // namespace qelgen
