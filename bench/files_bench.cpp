// The prediction files at their largest: a plain multi of 13 triples, 1,594,323 singles, saved
// and loaded as a data file and as CSV. Each is set against the bare write or read of the
// same bytes in the same run; the wait dialog's steps are counted.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/ProgressLog.h"
#include "app/clsFileStream.h"
#include "files/clsFileSingle.h"
#include "files/clsTFileKVR.h"
#include "lottery/clsTotoNo.h"

namespace {

using namespace brenvik;

class CountingProgress final : public ProgressLog {
  public:
    CountingProgress() { setProgressLog(this); }
    ~CountingProgress() override { setProgressLog(nullptr); }
    void open(const std::string&) override {}
    void addLine(const std::string&) override {}
    void setProgress(long long, long long) override { ++steps; }
    void close() override {}
    long long steps = 0;
};

std::string tempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

const KvrData& allSingles() {
    static const KvrData data = [] {
        KvrData d;
        d.Kaisaikai = 1201;
        for (std::size_t r = 0; r < 3; ++r)
            for (std::size_t e = 0; e < 13; ++e) d.Multi(r, e) = 2;
        d.PatternID = 20199001;
        d.SingleCount = clsTotoNo::kCount;
        d.Singles.resize(static_cast<std::size_t>(clsTotoNo::kCount));
        for (int32_t i = 0; i < clsTotoNo::kCount; ++i) d.Singles[static_cast<std::size_t>(i)] = i;
        return d;
    }();
    return data;
}

const std::vector<SingleRecord>& allSingleRecords() {
    static const std::vector<SingleRecord> singles = [] {
        std::vector<SingleRecord> v(static_cast<std::size_t>(clsTotoNo::kCount));
        const clsTotoNo numbers;
        for (int32_t i = 0; i < clsTotoNo::kCount; ++i)
            v[static_cast<std::size_t>(i)].Outcome = numbers.GetNoByte(i);
        return v;
    }();
    return singles;
}

void report(benchmark::State& state, const CountingProgress& progress) {
    state.counters["wait_dialog_steps"] =
        benchmark::Counter(static_cast<double>(progress.steps), benchmark::Counter::kAvgIterations);
}

void BM_KvrSave(benchmark::State& state) {
    const std::string path = tempPath("brenvik-bench.kvr");
    CountingProgress progress;
    clsTFileKVR kvr;
    for (auto _ : state)
        if (!kvr.Save(path, allSingles(), true)) state.SkipWithError("save failed");
    report(state, progress);
}

void BM_KvrLoad(benchmark::State& state) {
    const std::string path = tempPath("brenvik-bench.kvr");
    clsTFileKVR kvr;
    kvr.Save(path, allSingles(), true);
    CountingProgress progress;
    for (auto _ : state) {
        KvrData d;
        if (!kvr.Load(path, d) || d.SingleCount != clsTotoNo::kCount)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(d);
    }
    report(state, progress);
}

void BM_CsvSave(benchmark::State& state) {
    const std::string path = tempPath("brenvik-bench.csv");
    clsFileSingle csv;
    for (auto _ : state)
        if (!csv.SinglesSave(path, false, allSingleRecords(), clsTotoNo::kCount))
            state.SkipWithError("save failed");
}

void BM_CsvLoad(benchmark::State& state) {
    const std::string path = tempPath("brenvik-bench.csv");
    clsFileSingle().SinglesSave(path, false, allSingleRecords(), clsTotoNo::kCount);
    for (auto _ : state) {
        clsFileSingle csv;
        if (!csv.LoadCsvData(path) || csv.Count() != clsTotoNo::kCount)
            state.SkipWithError("load failed");
    }
}

// References: the same bytes written and read with nothing else done.
void BM_ReferenceWrite(benchmark::State& state, const char* name) {
    const std::string path = tempPath(name);
    const std::string bytes = clsFileStream::ReadWholeFile(path);
    for (auto _ : state) clsFileStream::WriteFileReplacing(path, bytes);
}

void BM_ReferenceRead(benchmark::State& state, const char* name) {
    const std::string path = tempPath(name);
    for (auto _ : state) benchmark::DoNotOptimize(clsFileStream::ReadWholeFile(path));
}

BENCHMARK(BM_KvrSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_KvrLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_ReferenceWrite, kvr, "brenvik-bench.kvr")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReferenceRead, kvr, "brenvik-bench.kvr")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_CsvSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CsvLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_ReferenceWrite, csv, "brenvik-bench.csv")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReferenceRead, csv, "brenvik-bench.csv")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
