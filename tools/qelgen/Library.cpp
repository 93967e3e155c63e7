#include "Library.h"

#include <map>
#include <stdexcept>

#include "app/Cp932.h"
#include "engine/basPattern.h"

namespace qelgen {

namespace bp = brenvik::basPattern;

int32_t patternID(int D, int T, int kindCode, int radius, int revision) {
    return D * 10000000 + T * 100000 + kindCode * 1000 + radius * 100 + revision;
}

bool listedSize(const Cell& c, int64_t size, int64_t whole) {
    if (size <= 1 || size > MaxTickets || size >= universeSize(c.D, c.T, c.N)) return false;
    if (c.N == 0) return true;
    return size < universeSize(c.D, c.T, 2) && (whole == 0 || size < whole);
}

bool verifyCover(const Cell& c, const std::vector<std::string>& codes) {
    for (const auto& code : codes)
        if (static_cast<int>(code.size()) != c.n()) return false;
    const auto table = bp::ShapeGradeTable(c.D, c.T, c.N, codes);
    if (static_cast<int64_t>(table.size()) != universeSize(c.D, c.T, c.N)) return false;
    for (const auto& g : table) {
        const int32_t near = g[1] + g[2] + (c.R >= 2 ? g[3] : 0);
        if (near == 0) return false;
    }
    return true;
}

namespace {

std::string wide(int64_t v) {
    std::string digits = std::to_string(v), out;
    static const char* fw[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    for (char ch : digits) out += fw[ch - '0'];
    return out;
}

const char* prize(int R) {
    return R == 1 ? "２等以上" : "３等以上";
}

std::string join(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& x : v) s += (s.empty() ? "" : " ") + x;
    return s;
}

std::string percentages(const std::vector<std::string>& universe,
                        const std::vector<std::string>& codes) {
    const auto p = bp::ProbabilityTable(universe, codes);
    return std::to_string(p[bp::P12]) + ":" + std::to_string(p[bp::P123]) + ":" +
           std::to_string(p[bp::P1]) + ":" + std::to_string(p[bp::P2]) + ":" +
           std::to_string(p[bp::P3]);
}

struct Writer {
    std::vector<std::string> lines;
    int patterns = 0;
    std::vector<LibraryRow>* rows = nullptr;

    void pattern(int D, int T, bool listed, int32_t id, const std::string& pct, int list, int kind,
                 const std::string& codes, const std::string& note) {
        char shape[16];
        std::snprintf(shape, sizeof shape, "D%02dT%02d", D, T);
        lines.push_back(std::string(shape) + ", " + (listed ? "1" : "0") + ", " +
                        std::to_string(id) + ", " + pct + ", " + std::to_string(list) + ", " +
                        std::to_string(kind) + ", " + codes + ", " + note);
        ++patterns;
    }
};

constexpr int ListPlain = 1, ListSecond = 2, ListThird = 3, ListComposite = 4;
int listConditional(int R, int N) {
    return 10 + 20 * R + N;
}

const char* OldNote = "\\※改良前の旧版です（保存したファイルを開くために残しています）";

}  // namespace

std::string libraryBytes(const std::string& cacheFolder, std::vector<LibraryRow>* rows) {
    Writer w;
    w.rows = rows;
    std::vector<std::string> head = {
        "; Brenvik パターンライブラリ (Qel.dat)",
        "; 形ごとに 通常マルチ、条件マルチ、２等保証、３等保証、条件付きの保証、多重理論 "
        "の順です。",
        "; このファイルは tools/qelgen で作成しています。直接編集しないで下さい。",
        "; パターンIDは変わりません。改良したパターンは新しいIDで加え、旧版は Listed 0 "
        "で残します。",
        ";",
        "FileID, 1",
        "FileBuild, 2",
        "FileType, Qel",
    };
    std::vector<std::string> lists = {
        "PatternList, 1, 通常マルチ, 全ての組合せを購入します",
        "PatternList, 2, ２等保証, マルチが的中すれば２等以上が必ず当選します",
        "PatternList, 3, ３等保証, マルチが的中すれば３等以上が必ず当選します",
        "PatternList, 4, 多重理論, ２等保証を２つ組み合わせたパターンです",
    };
    for (int R = 0; R <= 2; ++R)
        for (int N = 1; N <= 12; ++N) {
            const std::string n = wide(N);
            const std::string text = R == 0 ? "条件マルチ（本命を" + n + "試合まで外す）"
                                     : R == 1 ? "条件２等保証（本命を" + n + "試合まで外す）"
                                              : "条件３等保証（本命を" + n + "試合まで外す）";
            lists.push_back("PatternList, " + std::to_string(listConditional(R, N)) + ", " + text +
                            ", 本命を外した試合が" + n + "試合までなら" +
                            (R == 0 ? "１等" : prize(R)) + "が当選します");
        }

    for (const auto& [D, T] : shapes()) {
        const int n = D + T;
        const int64_t total = combinations(D, T);
        const ShapeCache cache = loadShape(cacheFolder, D, T);
        std::vector<std::string> full;
        auto fullCodes = [&]() -> const std::vector<std::string>& {
            if (full.empty()) full = bp::FullCodes(D, T);
            return full;
        };
        auto universe = [&](int N) { return bp::ConditionFilter(fullCodes(), N); };
        auto row = [&](const Cell& c, bool composite, int32_t id, int64_t tickets,
                       const std::string& source) {
            if (rows) rows->push_back(LibraryRow{c, composite, id, tickets, source});
        };

        // The plain multi.
        w.pattern(
            D, T, true, patternID(D, T, 99, 0, 1),
            std::string("100:100:100:") + (n >= 1 ? "100" : "0") + ":" + (n >= 2 ? "100" : "0"),
            ListPlain, brenvik::KindPlain, "-", "@");

        // Conditional multis that win 1等 whenever the favourite misses in at most N matches.
        for (int N = 1; N < n; ++N) {
            const int64_t size = universeSize(D, T, N);
            if (size > MaxTickets) break;
            const auto codes = universe(N);
            const std::string note =
                "本命を外した試合が" + wide(N) + "試合までなら１等が当選します\\条件：本命を" +
                wide(N) + "試合まで外す\\全" + std::to_string(total) + "通りを" +
                std::to_string(size) + "口で購入（" + std::to_string(total - size) + "口の節約）";
            const int32_t id = patternID(D, T, N, 0, 1);
            w.pattern(D, T, true, id, percentages(codes, codes), listConditional(0, N), N,
                      join(codes), note);
            row(Cell{D, T, N, 0}, false, id, size, "every code of the condition");
        }

        // Guarantees over the whole shape, then conditional ones.
        std::map<int, int64_t> whole;
        std::map<int, int32_t> wholeID;
        for (const int pass : {0, 1})
            for (const auto& e : cache.cells) {
                if (e.R == 0 || (e.N == 0) != (pass == 0)) continue;
                const Cell c{D, T, e.N, e.R};
                const std::vector<std::string> u = universe(e.N);
                const int64_t size = static_cast<int64_t>(e.current().codes.size());
                bool listed = listedSize(c, size, e.N == 0 ? 0 : whole[e.R]);
                // A weaker condition at no more tickets makes this one pointless.
                for (const auto& o : cache.cells)
                    if (listed && e.N > 0 && o.R == e.R && o.N > e.N &&
                        static_cast<int64_t>(o.current().codes.size()) <= size &&
                        listedSize(Cell{D, T, o.N, o.R},
                                   static_cast<int64_t>(o.current().codes.size()), whole[o.R]))
                        listed = false;
                if (e.N == 0 && listed) whole[e.R] = size, wholeID[e.R] = 0;
                for (std::size_t i = e.revisions.size(); i-- > 0;) {
                    const Revision& r = e.revisions[i];
                    const bool current = i + 1 == e.revisions.size();
                    // A released revision stays in the file, hidden, once it is no longer
                    // worth listing: a saved prediction may name its ID.
                    const bool shown = current && listed;
                    if (!shown && !r.frozen) continue;
                    const int64_t count = static_cast<int64_t>(r.codes.size());
                    // A released revision too large to list was never in the file.
                    if (!shown && !listedSize(Cell{D, T, e.N, e.R}, count, 0)) continue;
                    std::string note;
                    if (e.N == 0) {
                        note = std::string("マルチが的中すれば") + prize(e.R) +
                               "が必ず当選します\\条件：なし（全ての組合せで保証）\\全" +
                               std::to_string(total) + "通りを" + std::to_string(count) +
                               "口で購入（" + std::to_string(total - count) + "口の節約）";
                    } else {
                        note = "本命を外した試合が" + wide(e.N) + "試合までなら" + prize(e.R) +
                               "が当選します\\条件：本命を" + wide(e.N) + "試合まで外す\\対象" +
                               std::to_string(u.size()) + "通りを" + std::to_string(count) +
                               "口で保証（全" + std::to_string(total) + "通りより" +
                               std::to_string(total - count) + "口の節約）";
                    }
                    if (!current) note += OldNote;
                    const int32_t id = patternID(D, T, e.N, e.R, r.number);
                    if (shown && e.N == 0) wholeID[e.R] = id;
                    const int list =
                        e.N == 0 ? (e.R == 1 ? ListSecond : ListThird) : listConditional(e.R, e.N);
                    w.pattern(D, T, shown, id, percentages(u, r.codes), list, e.N, join(r.codes),
                              note);
                    if (shown) row(c, false, id, count, r.source);
                }
            }

        // Composites of the doubles-only and the triples-only ２等保証.
        if (const CellEntry* e = cache.find(0, 0)) {
            const ShapeCache a = loadShape(cacheFolder, D, 0), b = loadShape(cacheFolder, 0, T);
            auto codesOf = [](const ShapeCache& s, int32_t id) -> const std::vector<std::string>* {
                const CellEntry* x = s.find(0, 1);
                if (!x) return nullptr;
                for (const auto& r : x->revisions)
                    if (patternID(s.D, s.T, 0, 1, r.number) == id) return &r.codes;
                return nullptr;
            };
            for (std::size_t i = e->revisions.size(); i-- > 0;) {
                const Revision& r = e->revisions[i];
                const bool current = i + 1 == e->revisions.size();
                if (!current && !r.frozen) continue;
                const auto* ca = codesOf(a, r.partA);
                const auto* cb = codesOf(b, r.partB);
                if (!ca || !cb)
                    throw std::runtime_error("composite of unknown parts in " +
                                             cachePath(cacheFolder, D, T));
                std::vector<std::string> codes;
                for (const auto& y : *cb)
                    for (const auto& x : *ca) codes.push_back(x + y);
                const int32_t id = patternID(D, T, 98, 1, r.number);
                w.pattern(D, T, current, id, percentages(fullCodes(), codes), ListComposite,
                          brenvik::KindComposite,
                          std::to_string(r.partA) + "-" + std::to_string(r.partB), "@");
                if (current)
                    row(Cell{D, T, 0, 2}, true, id, static_cast<int64_t>(codes.size()),
                        "composite");
            }
        }
    }

    std::string text;
    for (const auto& l : head) text += l + "\r\n";
    text += "PatternCount, " + std::to_string(w.patterns) + "\r\n";
    for (const auto& l : lists) text += l + "\r\n";
    text += ";\r\n";
    for (const auto& l : w.lines) text += l + "\r\n";
    std::size_t errors = 0;
    std::string bytes = brenvik::cp932::fromUtf8(text, &errors);
    if (errors != 0) throw std::runtime_error("a character CP932 lacks in the library text");
    return bytes;
}

}  // namespace qelgen
