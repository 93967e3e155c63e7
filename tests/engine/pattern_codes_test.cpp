#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/basPattern.h"
#include "engine/clsBrenvik.h"
#include "engine/clsPattern.h"
#include "engine/clsQelFile.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Codes = std::vector<std::string>;

TEST(PatternCodes, FullCodesAreInFullListOrder) {
    EXPECT_EQ(basPattern::FullCodes(1, 1), (Codes{"00", "01", "02", "10", "11", "12"}));
    EXPECT_EQ(basPattern::FullCodes(2, 1), (Codes{"000", "001", "002", "010", "011", "012", "100",
                                                  "101", "102", "110", "111", "112"}));
    EXPECT_EQ(basPattern::FullCodes(0, 0), Codes{""});
    EXPECT_EQ(basPattern::CombinationCount(13, 0), 8192);
    EXPECT_EQ(basPattern::CombinationCount(0, 13), 1594323);
    EXPECT_EQ(basPattern::BinaryDigits(5, 4), "0101");
    EXPECT_EQ(basPattern::TernaryDigits(5, 3), "012");
    EXPECT_EQ(basPattern::TernaryDigits(-1, 3), "");
    EXPECT_EQ(basPattern::ConditionFilter(basPattern::FullCodes(2, 0), 1),
              (Codes{"00", "01", "10"}));
    EXPECT_EQ(basPattern::ConditionFilter(basPattern::FullCodes(2, 0), 0).size(), 4u);
}

TEST(PatternCodes, GradesByDifferingPositions) {
    test::MessageRecorder rec;
    EXPECT_EQ(basPattern::GradeCodes("012", "012"), 1);
    EXPECT_EQ(basPattern::GradeCodes("012", "011"), 2);
    EXPECT_EQ(basPattern::GradeCodes("012", "102"), 3);
    EXPECT_EQ(basPattern::GradeCodes("012", "120"), 0);
    EXPECT_EQ(basPattern::GradeCodes("", "120"), 1);
    EXPECT_TRUE(rec.boxes.empty());
    EXPECT_EQ(basPattern::GradeCodes("01", "012"), 0);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik");
    EXPECT_EQ(rec.boxes[0].text, "データのサイズが違う為、等数を取得する事ができません。");
}

TEST(PatternCodes, PercentagesRoundHalvesToEven) {
    const Codes u = basPattern::FullCodes(3, 0);  // 8 entries
    // 1 of 8 entries won: 12.5 -> 12; 3 of 8: 37.5 -> 38.
    EXPECT_EQ(basPattern::ProbabilityTable(u, {"000"})[basPattern::P1], 12);
    EXPECT_EQ(basPattern::ProbabilityTable(u, {"000", "011", "101"})[basPattern::P1], 38);
    const auto p = basPattern::ProbabilityTable(u, {"000"});
    // 000 wins 1等 once, 2等 against 3 entries, 3等 against 3.
    EXPECT_EQ(p, (basPattern::Probabilities{50, 12, 38, 38, 38, 0, 88}));
    EXPECT_EQ(basPattern::ProbabilityTable({}, {"0"}), basPattern::Probabilities{});
}

// Random patterns of every shape up to six positions, each compared entry by entry and in
// its percentages with grading every pair.
TEST(PatternCodes, NeighbourhoodCountsEqualTheLiteralAlgorithm) {
    std::mt19937 rng(20240601);
    for (int d = 0; d <= 6; ++d) {
        for (int t = 0; d + t <= 6; ++t) {
            const Codes full = basPattern::FullCodes(d, t);
            for (int trial = 0; trial < 4; ++trial) {
                Codes codes;
                const std::size_t n = 1 + rng() % full.size();
                for (std::size_t i = 0; i < n; ++i) codes.push_back(full[rng() % full.size()]);
                for (int N = 0; N <= d + t; ++N) {
                    const Codes u = basPattern::ConditionFilter(full, N);
                    SCOPED_TRACE(testing::Message() << "D" << d << "T" << t << " N" << N);
                    const auto fast = basPattern::GradeTable(u, codes);
                    const auto shape = basPattern::ShapeGradeTable(d, t, N, codes);
                    ASSERT_EQ(fast.size(), u.size());
                    ASSERT_EQ(shape.size(), u.size());
                    for (std::size_t i = 0; i < u.size(); ++i) {
                        const auto literal = basPattern::GradeCounts(codes, u, i);
                        ASSERT_EQ(fast[i], literal) << u[i];
                        ASSERT_EQ(shape[i], literal) << u[i];
                    }
                    EXPECT_EQ(basPattern::ProbabilityTable(u, codes),
                              basPattern::ProbabilityTableLiteral(u, codes));
                }
            }
        }
    }
}

TEST(PatternCodes, OddCodesCountAsTheLiteralAlgorithmGradesThem) {
    test::MessageRecorder rec;
    const Codes u = basPattern::FullCodes(2, 1);
    // A 2 at a double, a digit outside 0..2, an empty code, a code of the wrong length, a
    // letter and a character of several bytes.
    const Codes codes{"201", "091", "", "01", "0a2", "1０0", "111", "111"};
    const auto literal = basPattern::ProbabilityTableLiteral(u, codes);
    rec.boxes.clear();
    EXPECT_EQ(basPattern::ProbabilityTable(u, codes), literal);
    EXPECT_EQ(basPattern::ProbabilitiesOf(basPattern::ShapeGradeTable(2, 1, 0, codes)), literal);
    // Once per computation, not once per pair.
    EXPECT_EQ(rec.boxes.size(), 2u);
    // A universe that is not numbered codes is graded pair by pair.
    const Codes oddUniverse{"0a", "11", "1", ""};
    EXPECT_EQ(basPattern::ProbabilityTable(oddUniverse, {"01", "1a"}),
              basPattern::ProbabilityTableLiteral(oddUniverse, {"01", "1a"}));
}

TEST(PatternCodes, ShippedLibraryPercentagesMatchTheComputedOnes) {
    test::TempProgramFolder dir;
    dir.copyShippedSysData();
    test::MessageRecorder rec;
    ASSERT_TRUE(clsQelFile().GetAllData());
    for (const PatternRecord& p : PatternTable().records()) {
        SCOPED_TRACE(p.ID);
        const bool plain = p.Kind == KindPlain;
        // The full expansion's own neighbourhoods get large; the small shapes show the rule.
        if (plain && p.Doubles + 2 * p.Triples > 14) continue;
        const Codes codes = plain ? basPattern::FullCodes(p.Doubles, p.Triples) : p.Codes;
        const int32_t N = p.Kind >= 0 && p.Kind <= 13 ? p.Kind : 0;
        const Codes u = basPattern::ConditionFilter(basPattern::FullCodes(p.Doubles, p.Triples), N);
        const auto fast = basPattern::ProbabilityTable(u, codes);
        if (u.size() * codes.size() <= 300000) {
            EXPECT_EQ(fast, basPattern::ProbabilityTableLiteral(u, codes));
        }
        EXPECT_EQ(basPattern::ProbabilitiesOf(
                      basPattern::ShapeGradeTable(p.Doubles, p.Triples, N, codes)),
                  fast);
        EXPECT_EQ((std::vector<int32_t>{p.Pct12, p.Pct123, p.Pct1, p.Pct2, p.Pct3}),
                  (std::vector<int32_t>{fast[basPattern::P12], fast[basPattern::P123],
                                        fast[basPattern::P1], fast[basPattern::P2],
                                        fast[basPattern::P3]}));
    }
    EXPECT_TRUE(rec.boxes.empty());
}

const char* const ReportTail =
    "\r\n----------------------------------------\r\n※補足説明\r\n [No.]     ～ 通し番号\r\n"
    " [1]       ～ Pattern 時の１等 当選口数\r\n [2]       ～ Pattern 時の２等 当選口数\r\n"
    " [3]       ～ Pattern 時の３等 当選口数\r\n [x]       ～ Pattern 時の   未当選口数\r\n"
    " [Pattern] ～ パターン「0」本命「1」対抗「2」穴\r\n";

TEST(PatternReport, ListsPercentagesAndEveryEntrysGradeCounts) {
    EXPECT_EQ(basPattern::PatternReport(1, 0, "0", 0),
              std::string("マルチ\r\n"
                          " 「Multi」Double(1) Triple(0) Total(2)\r\n"
                          "----------------------------------------\r\n"
                          "「当選確率」      [100:100:050:050:000]\r\n"
                          "　１～２等 100%\r\n"
                          "　１～３等 100%\r\n"
                          "　　　１等  50%\r\n"
                          "　　　２等  50% (1: 50%) (2～:  0%)\r\n"
                          "　　　３等   0%\r\n"
                          "----------------------------------------\r\n"
                          "[No.][1][2][3][x]　　 [Pattern]\r\n"
                          " 001  1  -  -   -  >>> 0\r\n"
                          " 002  -  1  -   -  >>> 1\r\n") +
                  ReportTail);
}

TEST(PatternReport, ConditionalHeadingCountsAndTheCutOffAt999) {
    const std::string r = basPattern::PatternReport(2, 1, "000 000 011 111 012", 2);
    EXPECT_EQ(r.substr(0, r.find("\r\n")), "条件マルチ 「条件：本命を２試合まで外すことを許す」");
    // 000 against itself twice; 011 and 012 two away; 111 three away.
    EXPECT_NE(r.find(" 001  2  -  2   1  >>> 000\r\n"), std::string::npos) << r;
    EXPECT_EQ(r.find(">>> 111"), std::string::npos);  // three misses are outside N = 2

    const std::string big = basPattern::PatternReport(0, 7, "0000000", 0);
    EXPECT_NE(big.find(" 999 "), std::string::npos);
    EXPECT_EQ(big.find(" 1000 "), std::string::npos);
    EXPECT_NE(big.find("\r\n※ No.999以降は表示できません。\r\n\r\n---"), std::string::npos);
    EXPECT_EQ(basPattern::PatternReport(0, 6, "000000", 0).find("※ No.999"), std::string::npos);
}

TEST(PatternReport, ShapeBeyondThirteenPositionsIsReportedAndEmpty) {
    test::MessageRecorder rec;
    EXPECT_EQ(basPattern::PatternReport(7, 7, "0", 0), "");
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / basPattern / PatternReport");
}

TEST(PatternReport, ViewChoosesTheConditionByKind) {
    PatternRecord p;
    p.Doubles = 2;
    p.Codes = {"00", "11"};
    const std::string plain = basPattern::PatternReport(2, 0, "00 11", 0);
    const std::pair<int32_t, std::array<std::string, 2>> cases[] = {
        {0, {plain, plain}},
        {2, {plain, basPattern::PatternReport(2, 0, "00 11", 2)}},
        {9999, {plain, "条件マルチ 「合成理論のため未確定」"}},
        {10000, {"通常マルチです", "通常マルチです"}},
        {14, {plain, ""}},
    };
    for (const auto& [kind, texts] : cases) {
        p.Kind = kind;
        EXPECT_EQ(basPattern::ViewReport(p, false), texts[0]) << kind;
        EXPECT_EQ(basPattern::ViewReport(p, true), texts[1]) << kind;
    }
    EXPECT_NE(plain.find("\r\n 002  -  2  -   -  >>> 01\r\n 003  -  2  -   -  >>> 10\r\n 004  1  - "
                         " 1   -  >>> 11\r\n"),
              std::string::npos);
}

TEST(PatternMatrix, ByteFormMatchesTheTextForm) {
    clsPattern pat;
    EXPECT_EQ(pat.GetDoubleTriple(2, 3), 108);
    EXPECT_EQ(pat.GetCombinationCount(13, 2), 78);
    EXPECT_EQ(pat.GetCombinationCount(13, 0), 1);
    EXPECT_EQ(pat.GetCombinationCount(13, 13), 1);
    for (int N : {0, 1, 2}) {
        EXPECT_EQ(pat.GetByteToString(pat.GetMultiPatternEx(2, 2, N)),
                  basPattern::ConditionFilter(basPattern::FullCodes(2, 2), N));
    }
    const CodeMatrix m = pat.GetStrToByte("012 120");
    EXPECT_EQ(m.Rows, 2);
    EXPECT_EQ(m.Columns, 3);
    EXPECT_EQ(pat.GetByteToString(m), (Codes{"012", "120"}));
    EXPECT_EQ(pat.Get2Sin(6, 4), (std::vector<uint8_t>{0, 1, 1, 0}));
    EXPECT_EQ(pat.Get3Sin(5, 3), (std::vector<uint8_t>{2, 1, 0}));
}

TEST(PatternMatrix, BadArgumentsAreReported) {
    test::MessageRecorder rec;
    clsPattern pat;
    EXPECT_TRUE(pat.Get2Sin(-1, 3).empty());
    EXPECT_TRUE(pat.Get3Sin(4, 0).empty());
    EXPECT_EQ(pat.GetStrToByte("012 1").Rows, 0);
    EXPECT_EQ(pat.GetMultiPatternEx(14, 0, 0).Rows, 0);
    ASSERT_EQ(rec.boxes.size(), 4u);
    EXPECT_EQ(rec.boxes[0].title, "Brenvik / clsPattern / Get2Sin");
    EXPECT_EQ(rec.boxes[0].text, "値が異常です\r\nValue = -1 Bit=3");
    EXPECT_EQ(rec.boxes[1].title, "Brenvik / clsPattern / Get3Sin");
    EXPECT_EQ(rec.boxes[1].text, "値が異常です\r\nValue = 4 Bit=0");
    EXPECT_EQ(rec.boxes[2].icon, MessageIcon::Error);
}

TEST(PatternNames, RoundNumberFromFileName) {
    const std::pair<const char*, int32_t> cases[] = {
        {"qel-123.csv", 123}, {"QELEX45.csv", 45}, {"qel7.dat", 7},   {"mr0912_a.csv", 912},
        {"qel-123", 0},       {"data.csv", 0},     {"qela12.csv", 0}, {"qel", 0},
        {"Mr5x", 5},          {"qelex.csv", 0}};
    clsBrenvik b;
    for (const auto& [name, round] : cases) EXPECT_EQ(b.GetFileName_To_GameNo(name), round) << name;
}

}  // namespace
}  // namespace brenvik
