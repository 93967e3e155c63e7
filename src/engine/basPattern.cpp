#include "engine/basPattern.h"

#include <algorithm>

#include "app/AppInfo.h"
#include "app/Messages.h"
#include "app/RuntimeError.h"
#include "app/Utf8.h"

namespace brenvik::basPattern {
namespace {

constexpr int32_t MaxPositions = 13;  // a multi has 13 matches
const char* const SizeWarning = "データのサイズが違う為、等数を取得する事ができません。";
const char* const Rule = "----------------------------------------";

using Counts = std::array<int32_t, 4>;

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Grade without the warning; -1 for codes of different length.
int32_t gradeQuiet(std::string_view x, std::string_view u) {
    if (x.empty() || u.empty()) return 1;
    std::size_t differ = 0;
    if (isAscii(x) && isAscii(u)) {
        if (x.size() != u.size()) return -1;
        for (std::size_t i = 0; i < x.size(); ++i) differ += x[i] != u[i];
    } else {
        const auto a = utf8::decode(x);
        const auto b = utf8::decode(u);
        if (a.size() != b.size()) return -1;
        for (std::size_t i = 0; i < a.size(); ++i) differ += a[i] != b[i];
    }
    return differ <= 2 ? static_cast<int32_t>(differ) + 1 : 0;
}

void checkShape(int32_t D, int32_t T) {
    if (D < 0 || T < 0) err::raise(err::InvalidCall);
    if (D + T > MaxPositions) err::raise(err::OutOfMemory);
}

// A mixed-radix numbering of codes: position 0 is the most significant digit.
struct Space {
    std::vector<uint8_t> radix;
    std::vector<int64_t> weight;
    int64_t size = 1;

    explicit Space(std::vector<uint8_t> r) : radix(std::move(r)), weight(radix.size()) {
        for (std::size_t i = radix.size(); i-- > 0;) {
            weight[i] = size;
            size *= radix[i];
        }
    }
    std::size_t length() const { return radix.size(); }
};

// The digits of a code as the space reads them; a character that no universe digit can equal
// becomes 255. false when the code's length is not the space's.
bool codeDigits(std::string_view code, std::size_t length, std::vector<uint8_t>& digits) {
    digits.clear();
    auto put = [&](char32_t c) {
        digits.push_back(c >= U'0' && c <= U'9' ? static_cast<uint8_t>(c - U'0') : uint8_t{255});
    };
    if (isAscii(code)) {
        if (code.size() != length) return false;
        for (char c : code) put(static_cast<char32_t>(c));
    } else {
        const auto chars = utf8::decode(code);
        if (chars.size() != length) return false;
        for (char32_t c : chars) put(c);
    }
    return true;
}

// Calls visit(number, grade) for every code of the space within two digit replacements of
// `digits`; positions whose digit lies outside the radix always count as replaced.
template <class Visit>
void forEachNeighbour(const Space& s, const std::vector<uint8_t>& digits, Visit&& visit) {
    const std::size_t n = s.length();
    std::size_t forced[2] = {0, 0};
    int nf = 0;
    int64_t base = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (digits[i] >= s.radix[i]) {
            if (nf == 2) return;  // three or more positions can never match
            forced[nf++] = i;
        } else {
            base += digits[i] * s.weight[i];
        }
    }
    auto own = [&](std::size_t i) { return static_cast<int64_t>(digits[i]); };
    if (nf == 0) {
        visit(base, 1);
        for (std::size_t i = 0; i < n; ++i) {
            for (int64_t a = 0; a < s.radix[i]; ++a) {
                if (a == own(i)) continue;
                const int64_t n1 = base + (a - own(i)) * s.weight[i];
                visit(n1, 2);
                for (std::size_t j = i + 1; j < n; ++j) {
                    for (int64_t b = 0; b < s.radix[j]; ++b) {
                        if (b != own(j)) visit(n1 + (b - own(j)) * s.weight[j], 3);
                    }
                }
            }
        }
    } else if (nf == 1) {
        const std::size_t f = forced[0];
        for (int64_t a = 0; a < s.radix[f]; ++a) {
            const int64_t n1 = base + a * s.weight[f];
            visit(n1, 2);
            for (std::size_t j = 0; j < n; ++j) {
                if (j == f) continue;
                for (int64_t b = 0; b < s.radix[j]; ++b) {
                    if (b != own(j)) visit(n1 + (b - own(j)) * s.weight[j], 3);
                }
            }
        }
    } else {
        for (int64_t a = 0; a < s.radix[forced[0]]; ++a) {
            for (int64_t b = 0; b < s.radix[forced[1]]; ++b) {
                visit(base + a * s.weight[forced[0]] + b * s.weight[forced[1]], 3);
            }
        }
    }
}

// Adds every code's grades into counts indexed by slot (slotOf: number -> slot or -1).
// Returns the number of empty codes (grade 1 against everything) through `ones` and whether a
// code had the wrong length (grade 0 against everything).
template <class SlotOf>
bool countCodes(const Space& space, const std::vector<std::string>& codes, SlotOf&& slotOf,
                std::vector<std::array<int32_t, 3>>& counts, int32_t& ones) {
    bool mismatch = false;
    std::vector<uint8_t> digits;
    digits.reserve(space.length());
    for (const std::string& code : codes) {
        if (code.empty()) {
            ++ones;
            continue;
        }
        if (!codeDigits(code, space.length(), digits)) {
            mismatch = true;
            continue;
        }
        forEachNeighbour(space, digits, [&](int64_t number, int grade) {
            const int64_t slot = slotOf(number);
            if (slot >= 0)
                ++counts[static_cast<std::size_t>(slot)][static_cast<std::size_t>(grade - 1)];
        });
    }
    return mismatch;
}

Counts finish(const std::array<int32_t, 3>& c, int32_t ones, std::size_t codeCount) {
    const int32_t c1 = c[0] + ones;
    return {static_cast<int32_t>(codeCount) - c1 - c[1] - c[2], c1, c[1], c[2]};
}

int32_t percent(int64_t count, int64_t size) {
    if (size <= 0) return 0;
    const int64_t scaled = count * 100;
    int64_t q = scaled / size;
    const int64_t r2 = (scaled % size) * 2;
    if (r2 > size || (r2 == size && (q % 2) != 0)) ++q;
    return static_cast<int32_t>(q);
}

// The shape's universe: the code numbers in full-list order with at most N non-zero digits
// (every code when N is 0).
template <class Visit>
void forEachUniverseNumber(const Space& s, int32_t N, Visit&& visit) {
    if (N == 0) {
        for (int64_t number = 0; number < s.size; ++number) visit(number);
        return;
    }
    const std::size_t n = s.length();
    std::vector<uint8_t> digit(n, 0);
    int32_t nonZero = 0;
    for (int64_t number = 0; number < s.size; ++number) {
        if (nonZero <= N) visit(number);
        // Count up, least significant position last.
        for (std::size_t i = n; i-- > 0;) {
            if (digit[i] == 0) ++nonZero;
            if (++digit[i] < s.radix[i]) break;
            digit[i] = 0;
            --nonZero;
        }
    }
}

Space shapeSpace(int32_t D, int32_t T) {
    std::vector<uint8_t> radix(static_cast<std::size_t>(D), 2);
    radix.insert(radix.end(), static_cast<std::size_t>(T), 3);
    return Space(std::move(radix));
}

std::string codeText(const Space& s, int64_t number) {
    std::string text(s.length(), '0');
    for (std::size_t i = 0; i < s.length(); ++i) {
        text[i] = static_cast<char>('0' + (number / s.weight[i]) % s.radix[i]);
    }
    return text;
}

// Calls sink(number, counts) for every entry of the shape's conditional universe, in order.
template <class Sink>
void eachShapeEntry(int32_t D, int32_t T, int32_t N, const std::vector<std::string>& codes,
                    Sink&& sink) {
    checkShape(D, T);
    const Space space = shapeSpace(D, T);
    if (space.length() == 0) {
        // One empty universe code: every code grades 1 against it.
        if (N >= 0) sink(int64_t{0}, Counts{0, static_cast<int32_t>(codes.size()), 0, 0});
        return;
    }
    std::vector<std::array<int32_t, 3>> byNumber(static_cast<std::size_t>(space.size), {0, 0, 0});
    int32_t ones = 0;
    const bool mismatch = countCodes(
        space, codes, [](int64_t number) { return number; }, byNumber, ones);
    if (mismatch) showWarning(app::Title, SizeWarning);
    forEachUniverseNumber(space, N, [&](int64_t number) {
        sink(number, finish(byNumber[static_cast<std::size_t>(number)], ones, codes.size()));
    });
}

// Calls sink(index, counts) for every universe entry, in order.
template <class Sink>
void eachEntry(const std::vector<std::string>& universe, const std::vector<std::string>& codes,
               Sink&& sink) {
    if (universe.empty()) return;
    const std::size_t length = universe.front().size();
    const bool regular =
        length >= 1 && length <= static_cast<std::size_t>(MaxPositions) &&
        std::all_of(universe.begin(), universe.end(), [&](const std::string& u) {
            return u.size() == length &&
                   std::all_of(u.begin(), u.end(), [](char c) { return c >= '0' && c <= '2'; });
        });
    if (!regular) {
        // Not numberable: grade pair by pair, warning once rather than once per pair.
        bool mismatch = false;
        for (std::size_t i = 0; i < universe.size(); ++i) {
            Counts c{0, 0, 0, 0};
            for (const std::string& x : codes) {
                const int32_t g = gradeQuiet(x, universe[i]);
                mismatch |= g < 0;
                ++c[static_cast<std::size_t>(std::max(g, 0))];
            }
            sink(i, c);
        }
        if (mismatch) showWarning(app::Title, SizeWarning);
        return;
    }
    const Space space(std::vector<uint8_t>(length, 3));
    std::vector<int32_t> slotOf(static_cast<std::size_t>(space.size), -1);
    std::vector<int32_t> entrySlot(universe.size());
    int32_t slots = 0;
    for (std::size_t i = 0; i < universe.size(); ++i) {
        int64_t number = 0;
        for (char c : universe[i]) number = number * 3 + (c - '0');
        int32_t& slot = slotOf[static_cast<std::size_t>(number)];
        if (slot < 0) slot = slots++;  // equal entries share their counts
        entrySlot[i] = slot;
    }
    std::vector<std::array<int32_t, 3>> counts(static_cast<std::size_t>(slots), {0, 0, 0});
    int32_t ones = 0;
    const bool mismatch = countCodes(
        space, codes, [&](int64_t number) { return slotOf[static_cast<std::size_t>(number)]; },
        counts, ones);
    if (mismatch) showWarning(app::Title, SizeWarning);
    for (std::size_t i = 0; i < universe.size(); ++i) {
        sink(i, finish(counts[static_cast<std::size_t>(entrySlot[i])], ones, codes.size()));
    }
}

// The entries counted for each probability.
struct Tally {
    int64_t n12 = 0, n1 = 0, n2 = 0, n3 = 0, n2one = 0, n2more = 0, n123 = 0, size = 0;
    void add(const Counts& c) {
        ++size;
        n1 += c[1] > 0;
        n2 += c[2] > 0;
        n3 += c[3] > 0;
        n2one += c[2] == 1;
        n2more += c[2] >= 2;
        n12 += c[1] + c[2] > 0;
        n123 += c[1] + c[2] + c[3] > 0;
    }
    Probabilities result() const {
        Probabilities p{};
        p[P12] = percent(n12, size);
        p[P1] = percent(n1, size);
        p[P2] = percent(n2, size);
        p[P3] = percent(n3, size);
        p[P2one] = percent(n2one, size);
        p[P2more] = percent(n2more, size);
        p[P123] = percent(n123, size);
        return p;
    }
};

std::string fullWidthDigits(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            out += utf8::encode(static_cast<char32_t>(U'０' + (c - '0')));
        } else {
            out += c;
        }
    }
    return out;
}

std::string zero3(int32_t v) {
    std::string s = std::to_string(v < 0 ? -v : v);
    if (s.size() < 3) s.insert(0, 3 - s.size(), '0');
    return v < 0 ? "-" + s : s;
}

std::string pad(int32_t v, std::size_t width) {
    return utf8::padLeft(std::to_string(v), width);
}

}  // namespace

int32_t CombinationCount(int32_t D, int32_t T) {
    if (D < 0 || T < 0) err::raise(err::InvalidCall);
    int64_t n = 1;
    for (int32_t i = 0; i < D; ++i) {
        n *= 2;
        if (n > INT32_MAX) err::raise(err::Overflow);
    }
    for (int32_t i = 0; i < T; ++i) {
        n *= 3;
        if (n > INT32_MAX) err::raise(err::Overflow);
    }
    return static_cast<int32_t>(n);
}

std::string BinaryDigits(int32_t value, int32_t width) {
    if (value < 0 || width < 0) return {};
    std::string s(static_cast<std::size_t>(width), '0');
    int64_t v = value;
    for (int32_t i = width; i-- > 0 && v > 0;) {
        s[static_cast<std::size_t>(i)] = static_cast<char>('0' + v % 2);
        v /= 2;
    }
    return s;
}

std::string TernaryDigits(int32_t value, int32_t width) {
    if (value < 0 || width < 0) return {};
    std::string s(static_cast<std::size_t>(width), '0');
    int64_t v = value;
    for (int32_t i = width; i-- > 0 && v > 0;) {
        s[static_cast<std::size_t>(i)] = static_cast<char>('0' + v % 3);
        v /= 3;
    }
    return s;
}

std::vector<std::string> FullCodes(int32_t D, int32_t T) {
    checkShape(D, T);
    const int32_t total = CombinationCount(D, T);
    const int32_t triples = CombinationCount(0, T);
    std::vector<std::string> codes;
    codes.reserve(static_cast<std::size_t>(total));
    for (int32_t c = 0; c < total; ++c) {
        codes.push_back(BinaryDigits(c / triples, D) + TernaryDigits(c % triples, T));
    }
    return codes;
}

std::vector<std::string> ConditionFilter(const std::vector<std::string>& codes, int32_t N) {
    if (N == 0) return codes;
    std::vector<std::string> kept;
    for (const std::string& code : codes) {
        const auto misses =
            std::count_if(code.begin(), code.end(), [](char c) { return c != '0'; });
        if (misses <= N) kept.push_back(code);
    }
    return kept;
}

int32_t GradeCodes(std::string_view x, std::string_view u) {
    const int32_t g = gradeQuiet(x, u);
    if (g >= 0) return g;
    showWarning(app::Title, SizeWarning);
    return 0;
}

std::array<int32_t, 4> GradeCounts(const std::vector<std::string>& codes,
                                   const std::vector<std::string>& universe, std::size_t index) {
    Counts c{0, 0, 0, 0};
    const std::string& u = universe.at(index);
    for (const std::string& x : codes) ++c[static_cast<std::size_t>(GradeCodes(x, u))];
    return c;
}

std::vector<std::array<int32_t, 4>> GradeTable(const std::vector<std::string>& universe,
                                               const std::vector<std::string>& codes) {
    std::vector<Counts> table;
    table.reserve(universe.size());
    eachEntry(universe, codes, [&](std::size_t, const Counts& c) { table.push_back(c); });
    return table;
}

std::vector<std::array<int32_t, 4>> ShapeGradeTable(int32_t D, int32_t T, int32_t N,
                                                    const std::vector<std::string>& codes) {
    std::vector<Counts> table;
    eachShapeEntry(D, T, N, codes, [&](int64_t, const Counts& c) { table.push_back(c); });
    return table;
}

Probabilities ProbabilitiesOf(const std::vector<std::array<int32_t, 4>>& table) {
    Tally tally;
    for (const Counts& c : table) tally.add(c);
    return tally.result();
}

Probabilities ProbabilityTable(const std::vector<std::string>& universe,
                               const std::vector<std::string>& codes) {
    Tally tally;
    eachEntry(universe, codes, [&](std::size_t, const Counts& c) { tally.add(c); });
    return tally.result();
}

Probabilities ProbabilityTableLiteral(const std::vector<std::string>& universe,
                                      const std::vector<std::string>& codes) {
    Tally tally;
    for (std::size_t i = 0; i < universe.size(); ++i) tally.add(GradeCounts(codes, universe, i));
    return tally.result();
}

std::vector<std::string> SplitCodes(std::string_view text) {
    std::vector<std::string> codes;
    if (text.empty()) return codes;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(' ', start);
        codes.emplace_back(text.substr(start, blank - start));
        if (blank == std::string_view::npos) break;
        start = blank + 1;
    }
    return codes;
}

std::string PatternReport(int32_t D, int32_t T, const std::string& codes, int32_t N) {
    constexpr std::size_t MaxLines = 999;
    try {
        const std::vector<std::string> P = SplitCodes(codes);
        // The percentages over the whole universe; the lines for its first entries only.
        Tally tally;
        std::vector<Counts> shownCounts;
        std::vector<std::string> shownCodes;
        checkShape(D, T);
        const Space space = shapeSpace(D, T);
        eachShapeEntry(D, T, N, P, [&](int64_t number, const Counts& c) {
            tally.add(c);
            if (shownCounts.size() < MaxLines) {
                shownCounts.push_back(c);
                shownCodes.push_back(codeText(space, number));
            }
        });
        const Probabilities p = tally.result();
        std::string out;
        auto line = [&](const std::string& s) { out += s + "\r\n"; };

        line(N == 0 ? std::string("マルチ")
                    : "条件マルチ 「条件：本命を" + fullWidthDigits(std::to_string(N)) +
                          "試合まで外すことを許す」");
        line(" 「Multi」Double(" + std::to_string(D) + ") Triple(" + std::to_string(T) +
             ") Total(" + std::to_string(CombinationCount(D, T)) + ")");
        line(Rule);
        line("「当選確率」      [" + zero3(p[P12]) + ":" + zero3(p[P123]) + ":" + zero3(p[P1]) +
             ":" + zero3(p[P2]) + ":" + zero3(p[P3]) + "]");
        line("　１～２等 " + pad(p[P12], 3) + "%");
        line("　１～３等 " + pad(p[P123], 3) + "%");
        line("　　　１等 " + pad(p[P1], 3) + "%");
        line("　　　２等 " + pad(p[P2], 3) + "%" + " (1:" + pad(p[P2one], 3) + "%)" +
             " (2～:" + pad(p[P2more], 3) + "%)");
        line("　　　３等 " + pad(p[P3], 3) + "%");
        line(Rule);
        line("[No.][1][2][3][x]　　 [Pattern]");
        for (std::size_t i = 0; i < shownCounts.size(); ++i) {
            const Counts& c = shownCounts[i];
            auto cell = [](int32_t v, std::size_t width) {
                return utf8::padLeft(v == 0 ? " - " : std::to_string(v) + " ", width);
            };
            // Built by appending: prepending to a temporary trips a false -Wrestrict in g++ 12.
            std::string row(" ");
            row += zero3(static_cast<int32_t>(i + 1));
            row += ' ';
            if (c[1] == 0) {
                row += " - ";
            } else {
                row += ' ';
                row += std::to_string(c[1]);
                row += ' ';
            }
            row += cell(c[2], 3);
            row += cell(c[3], 3);
            row += cell(c[0], 4);
            row += " >>> ";
            row += shownCodes[i];
            line(row);
        }
        if (tally.size >= static_cast<int64_t>(MaxLines)) line("※ No.999以降は表示できません。");
        line("");
        line(Rule);
        line("※補足説明");
        line(" [No.]     ～ 通し番号");
        line(" [1]       ～ Pattern 時の１等 当選口数");
        line(" [2]       ～ Pattern 時の２等 当選口数");
        line(" [3]       ～ Pattern 時の３等 当選口数");
        line(" [x]       ～ Pattern 時の   未当選口数");
        line(" [Pattern] ～ パターン「0」本命「1」対抗「2」穴");
        return out;
    } catch (const std::exception& e) {
        ErrorReport("basPattern").error("PatternReport", e);
    }
    return {};
}

}  // namespace brenvik::basPattern

namespace brenvik::basPattern {

std::string ViewReport(const PatternRecord& p, bool conditional) {
    std::string codes;
    for (const std::string& c : p.Codes) {
        if (!codes.empty()) codes += ' ';
        codes += c;
    }
    int32_t N = conditional ? p.Kind : 0;
    if (p.Kind == KindPlain) N = KindPlain;
    if (N >= 0 && N <= 13) return PatternReport(p.Doubles, p.Triples, utf8::trim(codes), N);
    if (N == KindComposite) return "条件マルチ 「合成理論のため未確定」";
    if (N == KindPlain) return "通常マルチです";
    return {};
}

}  // namespace brenvik::basPattern
