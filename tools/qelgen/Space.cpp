#include "Space.h"

#include <algorithm>
#include <functional>
#include <set>

namespace qelgen {

Space::Space(int binary, int ternary) : binary_(binary), ternary_(ternary) {
    const int n = binary + ternary;
    place_.assign(static_cast<std::size_t>(n), 1);
    int64_t p = 1;
    for (int c = n - 1; c >= 0; --c) {
        place_[static_cast<std::size_t>(c)] = static_cast<int32_t>(p);
        p *= radix(c);
    }
    size_ = static_cast<int32_t>(p);
    digits_.resize(static_cast<std::size_t>(size_) * static_cast<std::size_t>(n));
    for (int32_t w = 0; w < size_; ++w) {
        int32_t v = w;
        for (int c = n - 1; c >= 0; --c) {
            digits_[static_cast<std::size_t>(w) * static_cast<std::size_t>(n) +
                    static_cast<std::size_t>(c)] = static_cast<uint8_t>(v % radix(c));
            v /= radix(c);
        }
    }
}

int Space::weight(int32_t word) const {
    int w = 0;
    for (int c = 0; c < length(); ++c) w += digit(word, c) != 0;
    return w;
}

std::string Space::code(int32_t word) const {
    std::string s(static_cast<std::size_t>(length()), '0');
    for (int c = 0; c < length(); ++c)
        s[static_cast<std::size_t>(c)] = static_cast<char>('0' + digit(word, c));
    return s;
}

int32_t Space::word(const std::string& code) const {
    if (static_cast<int>(code.size()) != length()) return -1;
    int32_t w = 0;
    for (int c = 0; c < length(); ++c) {
        const int d = code[static_cast<std::size_t>(c)] - '0';
        if (d < 0 || d >= radix(c)) return -1;
        w += d * place(c);
    }
    return w;
}

Delta negate(const Space& s, const Delta& d) {
    Delta out;
    for (const auto& [c, a] : d)
        out.emplace_back(c, static_cast<uint8_t>((s.radix(c) - a) % s.radix(c)));
    return out;
}

Generators unitGenerators(const Space& s) {
    Generators g;
    for (int c = 0; c < s.length(); ++c) {
        std::vector<Delta> ch;
        for (int a = 1; a < s.radix(c); ++a)
            ch.push_back({{static_cast<uint8_t>(c), static_cast<uint8_t>(a)}});
        g.choices.push_back(ch);
    }
    return g;
}

std::vector<Delta> ball(const Space& s, const Generators& g, int radius) {
    std::set<std::vector<uint8_t>> seen;
    std::vector<Delta> out;
    std::vector<uint8_t> dense(static_cast<std::size_t>(s.length()), 0);
    const int n = static_cast<int>(g.choices.size());
    std::function<void(int, int)> walk = [&](int from, int left) {
        if (seen.insert(dense).second) {
            Delta d;
            for (int c = 0; c < s.length(); ++c)
                if (dense[static_cast<std::size_t>(c)] != 0)
                    d.emplace_back(static_cast<uint8_t>(c), dense[static_cast<std::size_t>(c)]);
            out.push_back(d);
        }
        if (left == 0) return;
        for (int i = from; i < n; ++i) {
            for (const Delta& ch : g.choices[static_cast<std::size_t>(i)]) {
                const auto saved = dense;
                for (const auto& [c, a] : ch)
                    dense[c] = static_cast<uint8_t>((dense[c] + a) % s.radix(c));
                walk(i + 1, left - 1);
                dense = saved;
            }
        }
    };
    walk(0, radius);
    return out;
}

std::vector<Delta> moves(const Generators& g) {
    std::vector<Delta> out;
    for (const auto& ch : g.choices)
        for (const Delta& d : ch) out.push_back(d);
    return out;
}

}  // namespace qelgen
