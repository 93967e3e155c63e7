// The payout list of every single of 13 triples against the literal estimate, and grading a
// million singles against a result.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "lottery/clsTotoNo.h"
#include "payout/MoneyListModel.h"
#include "payout/clsCheckLogic.h"
#include "payout/clsMoney.h"

namespace {

using namespace brenvik;

VoteRecord randomVotes(unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int64_t> count(1000, 3000000);
    VoteRecord v;
    v.Kaisaikai = 1234;
    for (std::size_t m = 1; m <= 13; ++m)
        for (auto& o : v.Matches[m].Outcomes) o.Votes = Currency::fromInteger(count(rng));
    return v;
}

std::vector<int32_t> everySingle() {
    std::vector<int32_t> all(clsTotoNo::kCount);
    for (int32_t i = 0; i < clsTotoNo::kCount; ++i) all[static_cast<std::size_t>(i)] = i;
    return all;
}

// The estimate as written: every product from 1 over all 13 matches.
double literalD(const double (&P)[14][3], const double (&Q)[14][3], const uint8_t* s) {
    double d1 = 1, d2 = 0, d3 = 0;
    for (int i = 1; i <= 13; ++i) d1 *= P[i][s[i]];
    for (int i = 1; i <= 13; ++i) {
        double t = 1;
        for (int j = 1; j <= 13; ++j) t *= j == i ? Q[j][s[j]] : P[j][s[j]];
        d2 += t;
    }
    for (int i = 1; i <= 12; ++i)
        for (int j = i + 1; j <= 13; ++j) {
            double t = 1;
            for (int l = 1; l <= 13; ++l) t *= (l == i || l == j) ? Q[l][s[l]] : P[l][s[l]];
            d3 += t;
        }
    return d1 + d2 + d3;
}

// The whole list: estimate, reach and outcome profile of 1,594,323 rows.
void BM_FillAll13Triples(benchmark::State& state) {
    const VoteRecord v = randomVotes(1);
    const auto all = everySingle();
    for (auto _ : state) {
        MoneyListModel list;
        list.Fill(v, all, MoneyListModel::AllPossible());
        benchmark::DoNotOptimize(list.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * clsTotoNo::kCount);
}
BENCHMARK(BM_FillAll13Triples)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_EstimateAll13Triples(benchmark::State& state) {
    clsMoney money;
    money.SetVote(randomVotes(1));
    const clsTotoNo no;
    for (auto _ : state) {
        int64_t sum = 0;
        for (int32_t n = 0; n < clsTotoNo::kCount; ++n) {
            money.SingleNo(no.GetNoByte(n));
            money.Calculate();
            sum += money.Money1().raw();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * clsTotoNo::kCount);
}
BENCHMARK(BM_EstimateAll13Triples)->Unit(benchmark::kMillisecond)->Iterations(3);

// The reference: the same sums computed literally, without the conversion to yen.
void BM_LiteralAll13Triples(benchmark::State& state) {
    clsMoney money;
    money.SetVote(randomVotes(1));
    double P[14][3], Q[14][3];
    for (int i = 1; i <= 13; ++i)
        for (int k = 0; k < 3; ++k) P[i][k] = money.P(i, k), Q[i][k] = money.Q(i, k);
    const clsTotoNo no;
    for (auto _ : state) {
        double sum = 0;
        for (int32_t n = 0; n < clsTotoNo::kCount; ++n)
            sum += literalD(P, Q, no.GetNoByte(n).data());
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * clsTotoNo::kCount);
}
BENCHMARK(BM_LiteralAll13Triples)->Unit(benchmark::kMillisecond)->Iterations(3);

std::vector<SingleRecord> millionSingles() {
    const clsTotoNo no;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> pick(0, clsTotoNo::kCount - 1);
    std::vector<SingleRecord> singles(1000000);
    for (auto& s : singles) s.Outcome = no.GetNoByte(pick(rng));
    return singles;
}

MultiMarks resultMarks() {
    MultiMarks r{};
    for (std::size_t j = 1; j <= 13; ++j) r[j % 3 == 0 ? 13 + j : j % 3 == 1 ? j : 26 + j] = 1;
    return r;
}

// arg 0: no grade shown (counts only); arg 1: every grade shown.
void BM_GradeMillion(benchmark::State& state) {
    const auto singles = millionSingles();
    const MultiMarks result = resultMarks();
    clsCheckLogic::ShowFlags show;
    show.fill(state.range(0) != 0);
    clsCheckLogic check;
    for (auto _ : state) benchmark::DoNotOptimize(check.Grade(singles, result, show));
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_GradeMillion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same from mark arrays, as the window hands them in.
void BM_GradeMillionMarks(benchmark::State& state) {
    const auto records = millionSingles();
    std::vector<MultiMarks> singles;
    singles.reserve(records.size());
    for (const auto& s : records) singles.push_back(clsCheckLogic::SingleMarks(s));
    const MultiMarks result = resultMarks();
    clsCheckLogic::ShowFlags show;
    show.fill(true);
    clsCheckLogic check;
    for (auto _ : state) benchmark::DoNotOptimize(check.Grade(singles, result, show));
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_GradeMillionMarks)->Unit(benchmark::kMillisecond);

}  // namespace
