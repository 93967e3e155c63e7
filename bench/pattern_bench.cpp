// The conversion's hot spots: probabilities (neighbourhood counting against the literal
// grading of every pair), the report of 13 triples, the full expansion of 13 triples, loading
// a library of a few MB and the pattern list of a complete multi.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "app/Cp932.h"
#include "engine/PatternSelection.h"
#include "engine/basPattern.h"
#include "engine/clsQelFile.h"

namespace {

using namespace brenvik;
using Codes = std::vector<std::string>;

Codes randomPattern(int d, int t, double share, unsigned seed) {
    const Codes full = basPattern::FullCodes(d, t);
    std::mt19937 rng(seed);
    Codes codes;
    for (const auto& c : full) {
        if (std::uniform_real_distribution<>(0, 1)(rng) < share) codes.push_back(c);
    }
    if (codes.empty()) codes.push_back(full.front());
    return codes;
}

std::string joined(const Codes& codes) {
    std::string s;
    for (const auto& c : codes) s += (s.empty() ? "" : " ") + c;
    return s;
}

// A complete multi with `doubles` plain doubles, then `triples` plain triples.
MultiMarks multiOf(int doubles, int triples) {
    MultiMarks m{};
    for (int match = 1; match <= 13; ++match) {
        const auto i = static_cast<std::size_t>(match);
        m[i] = 2;
        if (match <= doubles + triples) m[13 + i] = 2;
        if (match > doubles && match <= doubles + triples) m[26 + i] = 2;
    }
    return m;
}

double peakRssMB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// Runs first, so the process peak it reports is its own.
void BM_PlainExpansion13Triples(benchmark::State& state) {
    const PatternLibrary lib({[] {
        PatternRecord p;
        p.ID = 1;
        p.Listed = 1;
        p.Triples = 13;
        p.Kind = KindPlain;
        return p;
    }()});
    const MultiMarks marks = multiOf(0, 13);
    const double before = peakRssMB();
    for (auto _ : state) {
        PatternSelection sel(lib);
        sel.ShowMultiHelp(marks);
        sel.SetQelData(marks);
        benchmark::DoNotOptimize(sel.GetSingleCount());
    }
    state.counters["singles"] = 1594323;
    state.counters["peak_rss_MB"] = peakRssMB();
    state.counters["peak_growth_MB"] = peakRssMB() - before;
}
BENCHMARK(BM_PlainExpansion13Triples)->Unit(benchmark::kMillisecond)->Iterations(5);

// Literal and fast on the same pattern in one run; the ratio is the figure that matters.
void BM_ProbabilityFastVsLiteral(benchmark::State& state) {
    const int d = static_cast<int>(state.range(0));
    const int t = static_cast<int>(state.range(1));
    const Codes universe = basPattern::FullCodes(d, t);
    const Codes codes = randomPattern(d, t, 0.05, 7);
    double literal = 0, fast = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(basPattern::ProbabilityTableLiteral(universe, codes));
        auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(basPattern::ProbabilityTable(universe, codes));
        auto t2 = std::chrono::steady_clock::now();
        literal += std::chrono::duration<double, std::milli>(t1 - t0).count();
        fast += std::chrono::duration<double, std::milli>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["codes"] = static_cast<double>(codes.size());
    state.counters["literal_ms"] = literal / n;
    state.counters["fast_ms"] = fast / n;
    state.counters["ratio"] = literal / fast;
}
BENCHMARK(BM_ProbabilityFastVsLiteral)
    ->Args({3, 3})
    ->Args({0, 6})
    ->Args({4, 4})
    ->Args({2, 6})
    ->Args({0, 8})
    ->Args({0, 9})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// The pattern view's report for 13 triples (universe of 1,594,323 entries), plain and
// conditional.
void BM_Report13Triples(benchmark::State& state) {
    const std::string codes = joined(randomPattern(0, 13, 2000.0 / 1594323, 11));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            basPattern::PatternReport(0, 13, codes, static_cast<int32_t>(state.range(0))));
    }
}
BENCHMARK(BM_Report13Triples)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

// ProbabilityTable with the 13-triple universe as texts.
void BM_ProbabilityTable13Triples(benchmark::State& state) {
    const Codes universe = basPattern::FullCodes(0, 13);
    const Codes codes = randomPattern(0, 13, 2000.0 / 1594323, 11);
    for (auto _ : state) benchmark::DoNotOptimize(basPattern::ProbabilityTable(universe, codes));
}
BENCHMARK(BM_ProbabilityTable13Triples)->Unit(benchmark::kMillisecond);

// A library of a few MB: every shape, 40 coded patterns each with up to 500 codes.
std::string bigLibrary() {
    std::string text = "FileID, 1\r\nPatternList, 1, 条件マルチ, 既定の説明\\二行目\r\n";
    int id = 1, count = 0;
    for (int d = 0; d <= 13; ++d) {
        for (int t = 0; d + t <= 13; ++t) {
            const Codes full = basPattern::FullCodes(std::min(d, 13), t);
            for (int k = 0; k < 40; ++k) {
                std::string codes;
                for (std::size_t i = 0; i < full.size() && i < 500; i += 1 + k % 3) {
                    codes += (codes.empty() ? "" : " ") + full[i];
                }
                char shape[16];
                std::snprintf(shape, sizeof shape, "D%02dT%02d", d, t);
                text += std::string(shape) + ", 1, " + std::to_string(id++) +
                        ", 50:60:10:20:30, 1, 1, " + codes + ", @\r\n";
                ++count;
            }
        }
    }
    return cp932::fromUtf8("PatternCount, " + std::to_string(count) + "\r\n" + text);
}

void BM_LoadLibrary(benchmark::State& state) {
    const std::string bytes = bigLibrary();
    for (auto _ : state) {
        std::vector<PatternRecord> table;
        clsQelFile qel;
        qel.LoadText(bytes, "bench/Qel.dat", table);
        const PatternLibrary lib(std::move(table));
        benchmark::DoNotOptimize(lib.count());
    }
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond);

// The pattern list of a complete multi against that library.
void BM_PatternList(benchmark::State& state) {
    std::vector<PatternRecord> table;
    clsQelFile().LoadText(bigLibrary(), "bench/Qel.dat", table);
    const PatternLibrary lib(std::move(table));
    const MultiMarks marks = multiOf(4, 3);
    PatternSelection sel(lib);
    for (auto _ : state) {
        sel.ShowMultiHelp(marks);
        benchmark::DoNotOptimize(sel.ListCount());
    }
    state.counters["rows"] = sel.ListCount();
    state.counters["library"] = lib.count();
}
BENCHMARK(BM_PatternList)->Unit(benchmark::kMicrosecond);

}  // namespace
