// The multi's summary, replacements of the marks, results, and its events.
#include <gtest/gtest.h>

#include <map>

#include "app/Random.h"
#include "app/RuntimeError.h"
#include "multi_support.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using test::cellsOf;
using test::EventLog;
using test::kChanged;
using test::kReshaped;
using test::MatchCells;
using test::setCells;

// Builds marks from one triple of cells per match, in match order.
MultiMarks marksOf(const std::vector<MatchCells>& matches) {
    MultiMarks marks{};
    for (std::size_t i = 0; i < matches.size(); ++i)
        setCells(marks, static_cast<int>(i) + 1, matches[i]);
    return marks;
}

MultiMarks allMatches(MatchCells cells) {
    return marksOf(std::vector<MatchCells>(13, cells));
}

TEST(MultiSummary, CountsMatchesByMarkedCells) {
    struct Row {
        const char* name;
        MultiMarks marks;
        MultiSummary expected;
    };
    const Row rows[] = {
        {"empty", MultiMarks{}, {13, 0, 0, 0, 1}},
        {"thirteen singles", allMatches({0, 2, 0}), {0, 13, 0, 0, 1}},
        {"thirteen doubles", allMatches({1, 0, 2}), {0, 0, 13, 0, 8192}},
        {"thirteen triples", allMatches({1, 2, 3}), {0, 0, 0, 13, 1594323}},
        {"mixed",
         marksOf({{1, 0, 0},
                  {0, 2, 3},
                  {1, 2, 3},
                  {0, 0, 0},
                  {2, 2, 0},
                  {0, 3, 0},
                  {3, 1, 2},
                  {0, 0, 2},
                  {1, 0, 2},
                  {0, 0, 0},
                  {0, 1, 2}}),
         {4, 3, 4, 2, 144}},
        // Result marks count the same way: any non-zero byte is a mark.
        {"result values", marksOf({{4, 0, 0}, {0, 2, 0}, {1, 1, 1}}), {10, 2, 0, 1, 3}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const MultiSummary s = clsMulti::Summary(r.marks);
        EXPECT_EQ(s.Unmarked, r.expected.Unmarked);
        EXPECT_EQ(s.Singles, r.expected.Singles);
        EXPECT_EQ(s.Doubles, r.expected.Doubles);
        EXPECT_EQ(s.Triples, r.expected.Triples);
        EXPECT_EQ(s.Combinations, r.expected.Combinations);
    }
}

class MultiModel : public ::testing::Test {
  protected:
    test::SettingsScope settings;
    clsMulti multi;
};

TEST_F(MultiModel, SetMarksRaisesPatternChangeOnlyWhenTheShapeChanges) {
    EventLog log(multi);
    const MultiMarks doubles = marksOf({{1, 2, 0}, {0, 1, 3}});
    multi.SetMarks(doubles);
    EXPECT_EQ(multi.GetMarks(), doubles);
    EXPECT_EQ(log.take(), kReshaped);

    // Same singles, doubles and triples elsewhere on the sheet: no new pattern list.
    multi.SetMarks(marksOf({{0, 0, 0}, {0, 0, 0}, {2, 2, 0}, {3, 0, 1}}));
    EXPECT_EQ(log.take(), kChanged);

    multi.SetMarks(marksOf({{0, 0, 0}, {0, 0, 0}, {2, 2, 2}, {3, 0, 1}}));
    EXPECT_EQ(log.take(), kReshaped);
}

TEST_F(MultiModel, ClearRemovesEveryMark) {
    multi.SetMarks(allMatches({1, 2, 3}));
    EventLog log(multi);
    multi.cMulti_CancelClick();
    EXPECT_EQ(multi.GetMarks(), MultiMarks{});
    EXPECT_EQ(log.take(), kReshaped);
    multi.Clear();  // already empty: the owner still hears of it, but the shape is the same
    EXPECT_EQ(log.take(), kChanged);
}

TEST_F(MultiModel, RandomGivesEachUnmarkedMatchOnePlainMark) {
    randomEngine().seed(20240601u);
    MultiMarks start{};
    setCells(start, 3, {1, 0, 3});
    setCells(start, 10, {0, 3, 0});
    multi.SetMarks(start);
    EventLog log(multi);

    multi.cMulti_RandomClick();

    const MultiMarks marks = multi.GetMarks();
    EXPECT_EQ(cellsOf(marks, 3), (MatchCells{1, 0, 3}));
    EXPECT_EQ(cellsOf(marks, 10), (MatchCells{0, 3, 0}));
    for (int m = 1; m <= 13; ++m) {
        if (m == 3 || m == 10) continue;
        const MatchCells c = cellsOf(marks, m);
        EXPECT_EQ((c.home != 0) + (c.draw != 0) + (c.away != 0), 1) << "match " << m;
        EXPECT_EQ(c.home | c.draw | c.away, 2) << "match " << m;
    }
    EXPECT_EQ(log.take(), kReshaped);
}

TEST_F(MultiModel, RandomDrawsEveryOutcomeAboutEquallyOften) {
    randomEngine().seed(7u);
    std::map<int, int> cellCounts;  // by outcome code
    const int rounds = 300;
    for (int i = 0; i < rounds; ++i) {
        multi.Clear();
        multi.Random();
        const MultiMarks marks = multi.GetMarks();
        for (int m = 1; m <= 13; ++m) {
            const MatchCells c = cellsOf(marks, m);
            cellCounts[c.home ? 1 : c.draw ? 0 : 2]++;
        }
    }
    for (int outcome : {0, 1, 2}) {
        EXPECT_GT(cellCounts[outcome], rounds * 13 * 3 / 10) << outcome;
        EXPECT_LT(cellCounts[outcome], rounds * 13 * 37 / 100) << outcome;
    }
}

TEST_F(MultiModel, RandomOnAFullSheetChangesNothing) {
    const MultiMarks full = marksOf({{1, 2, 0},
                                     {0, 2, 0},
                                     {1, 2, 3},
                                     {0, 0, 2},
                                     {2, 0, 0},
                                     {0, 1, 0},
                                     {0, 0, 3},
                                     {2, 0, 1},
                                     {0, 2, 0},
                                     {2, 0, 0},
                                     {0, 0, 2},
                                     {0, 2, 0},
                                     {1, 0, 2}});
    multi.SetMarks(full);
    EventLog log(multi);
    multi.Random();
    EXPECT_EQ(multi.GetMarks(), full);
    EXPECT_EQ(log.take(), kChanged);
}

TEST_F(MultiModel, SetResultMarksTheOfficialResult) {
    multi.SelectMode(1);
    // Hand-made marks and an older result are replaced match by match.
    multi.SetMarks(marksOf({{2, 0, 0}, {0, 4, 0}, {1, 1, 1}, {0, 0, 2}, {2, 0, 0}}));
    EventLog log(multi);
    std::array<uint8_t, 14> results{};
    results[1] = 0;
    results[2] = 1;
    results[3] = 2;
    results[4] = 3;  // void: every outcome counts
    results[5] = 7;  // unknown code: left unmarked
    for (int m = 6; m <= 13; ++m) results[m] = static_cast<uint8_t>(m % 3);

    multi.SetResult(results);

    const MultiMarks marks = multi.GetMarks();
    EXPECT_EQ(cellsOf(marks, 1), (MatchCells{0, 1, 0}));
    EXPECT_EQ(cellsOf(marks, 2), (MatchCells{1, 0, 0}));
    EXPECT_EQ(cellsOf(marks, 3), (MatchCells{0, 0, 1}));
    EXPECT_EQ(cellsOf(marks, 4), (MatchCells{1, 1, 1}));
    EXPECT_EQ(cellsOf(marks, 5), (MatchCells{0, 0, 0}));
    EXPECT_EQ(cellsOf(marks, 6), (MatchCells{0, 1, 0}));
    EXPECT_EQ(cellsOf(marks, 7), (MatchCells{1, 0, 0}));
    EXPECT_EQ(cellsOf(marks, 8), (MatchCells{0, 0, 1}));
    // The result never asks for a new pattern list.
    EXPECT_EQ(log.take(), kChanged);
}

TEST_F(MultiModel, UserResultNeedsARound) {
    multi.SelectMode(1);
    multi.SetMarks(marksOf({{0, 2, 0}}));
    EventLog log(multi);

    CurrentRound() = 0;
    EXPECT_FALSE(multi.SaveResultUser());
    EXPECT_FALSE(multi.LoadResultUser());
    EXPECT_EQ(multi.GetMarks(), marksOf({{0, 2, 0}}));
    EXPECT_TRUE(log.take().empty());
}

TEST_F(MultiModel, DownloadWithoutARoundExplainsWhatToDo) {
    test::MessageRecorder boxes;
    multi.SelectMode(1);
    EventLog log(multi);
    CurrentRound() = 0;
    multi.cMulti_DloadClick();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Information);
    EXPECT_EQ(boxes.boxes[0].title, " 結果情報");
    EXPECT_EQ(boxes.boxes[0].text,
              "開催回が指定されていません。\r\n"
              "左上の[GameLoad]より試合データを読み込んでください。");
    EXPECT_TRUE(log.take().empty());
}

TEST_F(MultiModel, DividendButtonDoesNothing) {
    multi.SetMarks(marksOf({{1, 2, 0}}));
    EventLog log(multi);
    multi.cMulti_DividendClick();
    EXPECT_EQ(multi.GetMarks(), marksOf({{1, 2, 0}}));
    EXPECT_TRUE(log.take().empty());
}

TEST_F(MultiModel, AnErrorInTheOwnersHandlerIsReportedUnderTheOperation) {
    test::MessageRecorder boxes;
    multi.SelectChange.subscribe([] { throw RuntimeError(13, "型が一致しません。"); });
    multi.Clear();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(boxes.boxes[0].title, "Brenvik / clsMulti / Clear");
    EXPECT_EQ(boxes.boxes[0].text, "型が一致しません。 ( 13 )");
}

TEST(MultiSignal, CallsSubscribersInOrderAndLetsThemAnswer) {
    Signal<bool&> before;
    std::vector<int> calls;
    const auto first = before.subscribe([&](bool& ask) {
        calls.push_back(1);
        ask = true;
    });
    before.subscribe([&](bool& ask) { calls.push_back(ask ? 2 : -2); });
    bool ask = false;
    before.emit(ask);
    EXPECT_TRUE(ask);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));

    before.unsubscribe(first);
    calls.clear();
    ask = false;
    before.emit(ask);
    EXPECT_FALSE(ask);
    EXPECT_EQ(calls, (std::vector<int>{-2}));
}

TEST(MultiSignal, UnsubscribingDuringEmitTakesEffectNextTime) {
    Signal<> changed;
    int calls = 0;
    Signal<>::Token token = 0;
    token = changed.subscribe([&] {
        ++calls;
        changed.unsubscribe(token);
    });
    changed.subscribe([&] { ++calls; });
    changed.emit();
    changed.emit();
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(changed.subscriberCount(), 1u);
}

}  // namespace
}  // namespace brenvik
