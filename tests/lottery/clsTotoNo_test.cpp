#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

#include "app/RuntimeError.h"
#include "lottery/clsTotoNo.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Composition = clsTotoNo::Composition;

constexpr int32_t kLast = 1594322;

// Numbers across the whole range, with both ends and their neighbours.
std::vector<int32_t> sampleNumbers() {
    std::vector<int32_t> v = {0, 1, 2, 3, 797161, kLast - 1, kLast};
    for (int32_t n = 5; n < kLast; n += 12347) v.push_back(n);
    return v;
}

Composition comp(std::initializer_list<std::pair<int, uint8_t>> digits) {
    Composition c{};
    for (auto [k, d] : digits) c[static_cast<std::size_t>(k)] = d;
    return c;
}

// The matches (1..13) whose digits differ, with the new digits.
std::vector<std::pair<int, int>> changes(int32_t from, int32_t to) {
    const clsTotoNo t;
    const auto a = t.GetNoByte(from), b = t.GetNoByte(to);
    std::vector<std::pair<int, int>> out;
    for (int k = 1; k <= 13; ++k)
        if (a[static_cast<std::size_t>(k)] != b[static_cast<std::size_t>(k)])
            out.emplace_back(k, b[static_cast<std::size_t>(k)]);
    return out;
}

TEST(clsTotoNo, NumberIsBaseThreeWithMatchOneLeastSignificant) {
    const struct {
        int32_t number;
        Composition composition;
    } cases[] = {
        {0, comp({})},
        {1, comp({{1, 1}})},
        {2, comp({{1, 2}})},
        {6, comp({{2, 2}})},
        {531441, comp({{13, 1}})},
        {kLast, comp({{1, 2},
                      {2, 2},
                      {3, 2},
                      {4, 2},
                      {5, 2},
                      {6, 2},
                      {7, 2},
                      {8, 2},
                      {9, 2},
                      {10, 2},
                      {11, 2},
                      {12, 2},
                      {13, 2}})},
    };
    const clsTotoNo t;
    for (const auto& c : cases) {
        EXPECT_EQ(t.GetNoByte(c.number), c.composition) << c.number;
        EXPECT_EQ(t.GetByteNo(c.composition), c.number) << c.number;
    }
    for (int32_t n : sampleNumbers()) EXPECT_EQ(t.GetByteNo(t.GetNoByte(n)), n);
}

TEST(clsTotoNo, SlotZeroIsIgnoredAndLargeNumbersOverflowIntoMatch13) {
    test::MessageRecorder rec;
    const clsTotoNo t;
    Composition c = comp({{1, 1}});
    c[0] = 7;
    EXPECT_EQ(t.GetByteNo(c), 1);
    EXPECT_EQ(t.GetNoByte(1594323), comp({{13, 3}}));
    EXPECT_EQ(t.GetByteNo(comp({{13, 255}})), 255 * 531441);
    EXPECT_TRUE(rec.boxes.empty());
}

TEST(clsTotoNo, NegativeNumberIsReportedAsConversionError) {
    test::MessageRecorder rec;
    const clsTotoNo t;
    EXPECT_EQ(t.GetNoByte(-5), Composition{});
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsTotoNo / GetNoToArray");
    EXPECT_EQ(rec.boxes[0].text, err::describe(err::Overflow) + " ( 6 )");
}

TEST(clsTotoNo, CheckNoAndCheckArray) {
    const clsTotoNo t;
    EXPECT_FALSE(t.CheckNo(-1));
    EXPECT_TRUE(t.CheckNo(0));
    EXPECT_TRUE(t.CheckNo(kLast));
    EXPECT_FALSE(t.CheckNo(kLast + 1));

    Composition all2 = t.GetNoByte(kLast);
    all2[0] = 9;  // not a match
    EXPECT_TRUE(t.CheckArray(all2));
    for (std::size_t k = 1; k <= 13; ++k) {
        Composition c{};
        c[k] = 3;
        EXPECT_FALSE(t.CheckArray(c)) << k;
    }
}

TEST(clsTotoNo, ListsOfAllDrawsAndAllAwayWinsBeginAndEndAsDocumented) {
    const clsTotoNo t;
    const auto one0 = t.Get2List(0);
    ASSERT_EQ(one0.size(), 26u);
    EXPECT_EQ(std::vector<int32_t>(one0.begin(), one0.begin() + 4),
              (std::vector<int32_t>{1, 2, 3, 6}));
    EXPECT_EQ(one0[24], 531441);
    EXPECT_EQ(one0[25], 1062882);

    const auto oneLast = t.Get2List(kLast);
    EXPECT_EQ(oneLast[0], 1594320);  // match 1 draw
    EXPECT_EQ(oneLast[1], 1594321);  // match 1 home
    EXPECT_EQ(oneLast[25], kLast - 531441);

    const auto two0 = t.Get3List(0);
    ASSERT_EQ(two0.size(), 312u);
    // Matches 1 and 2: (home, home), (home, away), (away, home), (away, away).
    EXPECT_EQ(std::vector<int32_t>(two0.begin(), two0.begin() + 4),
              (std::vector<int32_t>{4, 7, 5, 8}));
    EXPECT_EQ(two0[311], 2 * 177147 + 2 * 531441);  // matches 12 and 13 away
}

TEST(clsTotoNo, NeighbourListsHoldEverySingleOneOrTwoAwayInDocumentedOrder) {
    const clsTotoNo t;
    for (int32_t n : sampleNumbers()) {
        SCOPED_TRACE(n);
        const auto one = t.Get2List(n);
        const auto two = t.Get3List(n);
        ASSERT_EQ(one.size(), 26u);
        ASSERT_EQ(two.size(), 312u);
        const std::set<int32_t> oneSet(one.begin(), one.end()), twoSet(two.begin(), two.end());
        EXPECT_EQ(oneSet.size(), 26u);
        EXPECT_EQ(twoSet.size(), 312u);
        EXPECT_FALSE(oneSet.count(n));
        EXPECT_FALSE(twoSet.count(n));

        std::pair<int, int> prev1{0, 0};
        for (int32_t m : one) {
            ASSERT_TRUE(t.CheckNo(m));
            EXPECT_EQ(t.Comparison(n, m), 1);
            const auto c = changes(n, m);
            EXPECT_LT(prev1, c[0]);  // match ascending, then digit ascending
            prev1 = c[0];
        }
        std::tuple<int, int, int, int> prev2{0, 0, 0, 0};
        for (int32_t m : two) {
            ASSERT_TRUE(t.CheckNo(m));
            EXPECT_FALSE(oneSet.count(m));
            ASSERT_EQ(t.Comparison(n, m), 2);
            const auto c = changes(n, m);
            const std::tuple<int, int, int, int> key{c[0].first, c[1].first, c[0].second,
                                                     c[1].second};
            EXPECT_LT(prev2, key);
            prev2 = key;
        }

        const auto l12 = t.Get12List(n);
        const auto l123 = t.Get123List(n);
        ASSERT_EQ(l12.size(), 27u);
        ASSERT_EQ(l123.size(), 339u);
        EXPECT_EQ(l12[0], n);
        EXPECT_EQ(l123[0], n);
        EXPECT_TRUE(std::equal(one.begin(), one.end(), l12.begin() + 1));
        EXPECT_TRUE(std::equal(one.begin(), one.end(), l123.begin() + 1));
        EXPECT_TRUE(std::equal(two.begin(), two.end(), l123.begin() + 27));
    }
}

TEST(clsTotoNo, ListsOfANumberOutsideTheRangeAreRefused) {
    test::MessageRecorder rec;
    const clsTotoNo t;
    EXPECT_TRUE(t.Get2List(-1).empty());
    EXPECT_TRUE(t.Get3List(kLast + 1).empty());
    EXPECT_TRUE(t.Get12List(kLast + 1).empty());
    EXPECT_TRUE(t.Get123List(INT32_MAX).empty());
    ASSERT_EQ(rec.boxes.size(), 4u);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsTotoNo / Get2List");
    EXPECT_EQ(rec.boxes[3].title, "Brenvik / clsTotoNo / Get123List");
    EXPECT_EQ(rec.boxes[0].text, err::describe(err::InvalidCall) + " ( 5 )");
}

TEST(clsTotoNo, ComparisonCountsDifferingMatches) {
    const clsTotoNo t;
    EXPECT_EQ(t.Comparison(0, 0), 0);
    EXPECT_EQ(t.Comparison(kLast, kLast), 0);
    EXPECT_EQ(t.Comparison(0, kLast), 13);
    EXPECT_EQ(t.Comparison(1, 2), 1);       // match 1 home vs away
    EXPECT_EQ(t.Comparison(0, 3 + 9), 2);   // matches 2 and 3
    EXPECT_EQ(t.Comparison(531441, 1), 2);  // match 13 vs match 1
}

}  // namespace
}  // namespace brenvik
