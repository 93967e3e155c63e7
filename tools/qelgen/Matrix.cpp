#include "Matrix.h"

#include <algorithm>
#include <random>
#include <set>

namespace qelgen {

namespace {

Delta sparse(const std::vector<uint8_t>& v) {
    Delta d;
    for (std::size_t c = 0; c < v.size(); ++c)
        if (v[c] != 0) d.emplace_back(static_cast<uint8_t>(c), v[c]);
    return d;
}

// The column scaled so that its first nonzero entry is 1 (ternary part only).
std::vector<uint8_t> normal(std::vector<uint8_t> v, int from) {
    for (std::size_t c = static_cast<std::size_t>(from); c < v.size(); ++c) {
        if (v[c] == 0) continue;
        if (v[c] == 2)
            for (std::size_t k = c; k < v.size(); ++k) v[k] = static_cast<uint8_t>((v[k] * 2) % 3);
        break;
    }
    return v;
}

}  // namespace

CheckMatrix randomCheckMatrix(int binary, int ternary, int rowsBinary, int rowsTernary,
                              uint64_t seed) {
    CheckMatrix h;
    h.rowsBinary = rowsBinary;
    h.rowsTernary = rowsTernary;
    const int k = rowsBinary + rowsTernary;
    std::mt19937_64 rng(seed);
    std::set<std::vector<uint8_t>> used;
    auto pick = [&](bool isBinary, int index) {
        const int from = isBinary ? 0 : rowsBinary, to = isBinary ? rowsBinary : k;
        std::vector<uint8_t> v(static_cast<std::size_t>(k), 0);
        if (index < to - from) {
            v[static_cast<std::size_t>(from + index)] = 1;
        } else {
            const int64_t space = isBinary ? (int64_t{1} << (to - from)) : [&] {
                int64_t s = 1;
                for (int i = from; i < to; ++i) s *= 3;
                return s;
            }();
            for (int tries = 0; tries < 1000; ++tries) {
                for (int c = from; c < to; ++c)
                    v[static_cast<std::size_t>(c)] =
                        static_cast<uint8_t>(rng() % (isBinary ? 2 : 3));
                const auto key = isBinary ? v : normal(v, from);
                const bool zero = std::all_of(v.begin(), v.end(), [](uint8_t x) { return x == 0; });
                if (!zero && (!used.count(key) || static_cast<int64_t>(used.size()) >= space))
                    break;
            }
        }
        used.insert(isBinary ? v : normal(v, from));
        h.columns.push_back(sparse(v));
    };
    for (int i = 0; i < binary; ++i) pick(true, i);
    for (int i = 0; i < ternary; ++i) pick(false, i);
    return h;
}

CheckMatrix hammingMatrix(int rowsBinary, int rowsTernary) {
    CheckMatrix h;
    h.rowsBinary = rowsBinary;
    h.rowsTernary = rowsTernary;
    if (rowsBinary > 0) {
        for (int v = 1; v < (1 << rowsBinary); ++v) {
            std::vector<uint8_t> col(static_cast<std::size_t>(rowsBinary), 0);
            for (int c = 0; c < rowsBinary; ++c)
                col[static_cast<std::size_t>(c)] = (v >> (rowsBinary - 1 - c)) & 1;
            h.columns.push_back(sparse(col));
        }
    } else {
        int64_t space = 1;
        for (int i = 0; i < rowsTernary; ++i) space *= 3;
        for (int64_t v = 1; v < space; ++v) {
            std::vector<uint8_t> col(static_cast<std::size_t>(rowsTernary), 0);
            int64_t x = v;
            for (int c = rowsTernary - 1; c >= 0; --c, x /= 3)
                col[static_cast<std::size_t>(c)] = static_cast<uint8_t>(x % 3);
            if (normal(col, 0) == col) h.columns.push_back(sparse(col));
        }
    }
    return h;
}

Generators columnGenerators(const Space& syndromes, const CheckMatrix& h, int binary) {
    Generators g;
    for (std::size_t i = 0; i < h.columns.size(); ++i) {
        std::vector<Delta> ch{h.columns[i]};
        if (static_cast<int>(i) >= binary) {
            Delta twice = h.columns[i];
            for (auto& [c, a] : twice) a = static_cast<uint8_t>((a * 2) % syndromes.radix(c));
            ch.push_back(twice);
        }
        g.choices.push_back(ch);
    }
    return g;
}

Problem syndromeProblem(const Space& syndromes, const CheckMatrix& h, int binary, int radius) {
    Problem p;
    p.space = &syndromes;
    const Generators g = columnGenerators(syndromes, h, binary);
    p.ball = ball(syndromes, g, radius);
    p.moves = moves(g);
    return p;
}

std::vector<int32_t> expand(const Space& code, const Space& syndromes, const CheckMatrix& h,
                            const std::vector<int32_t>& syndromeSet) {
    std::vector<uint8_t> member(static_cast<std::size_t>(syndromes.size()), 0);
    for (int32_t s : syndromeSet) member[static_cast<std::size_t>(s)] = 1;
    std::vector<int32_t> words;
    for (int32_t w = 0; w < code.size(); ++w) {
        int32_t s = 0;
        for (int c = 0; c < code.length(); ++c) {
            const int d = code.digit(w, c);
            for (int r = 0; r < d; ++r)
                s = apply(syndromes, s, h.columns[static_cast<std::size_t>(c)]);
        }
        if (member[static_cast<std::size_t>(s)]) words.push_back(w);
    }
    return words;
}

}  // namespace qelgen
