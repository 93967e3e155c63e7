// The drawing commands of a print: every mark and text where the sheet's geometry puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "printing/MarkSheetPrint.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

using Kind = PrintCommand::Kind;
using Point = std::pair<double, double>;

// Millimetres compared at 0.001 mm.
Point round3(double x, double y) {
    auto r = [](double v) { return std::round(v * 1000.0) / 1000.0; };
    return {r(x), r(y)};
}

std::set<Point> markCentres(const PrintPage& page, Kind kind = Kind::FillRect) {
    std::set<Point> centres;
    for (const auto& c : page.commands)
        if (c.kind == kind && c.color == PrintColor{}) {
            EXPECT_NEAR(c.x2 - c.x1, 1.0, 1e-9);
            EXPECT_NEAR(c.y2 - c.y1, 3.5, 1e-9);
            centres.insert(round3((c.x1 + c.x2) / 2, (c.y1 + c.y2) / 2));
        }
    return centres;
}

std::vector<PrintCommand> texts(const PrintPage& page) {
    std::vector<PrintCommand> out;
    for (const auto& c : page.commands)
        if (c.kind == Kind::Text) out.push_back(c);
    return out;
}

// A single as a selection number from its outcomes of matches 1..13.
int32_t number(const std::string& outcomes) {
    int32_t n = 0, w = 1;
    for (char c : outcomes) n += (c - '0') * w, w *= 3;
    return n;
}

PrintRequest request(int orientation = 1, const char* left = "0", const char* top = "0") {
    PrintRequest r;
    r.settings.PrinterOrientation = orientation;
    r.settings.PrinterLeftMargin = Currency::parse(left);
    r.settings.PrinterTopMargin = Currency::parse(top);
    return r;
}

struct MarkCase {
    const char* name;
    int orientation;
    const char* left;
    const char* top;
    int slot;              // which single of a page of ten
    const char* outcomes;  // its 13 outcomes
    int match;
    double x, y;  // where that match's mark lies
};

class SingleMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(SingleMark, LiesAtItsBox) {
    const MarkCase& c = GetParam();
    std::vector<int32_t> singles(10, 0);  // all draws: column 1 of every slot
    singles[static_cast<std::size_t>(c.slot - 1)] = number(c.outcomes);
    MarkSheetPrint print(singles, 0, "", "");
    const auto jobs = print.PrintJobs(request(c.orientation, c.left, c.top), std::nullopt);
    ASSERT_EQ(jobs.size(), 1u);
    ASSERT_EQ(jobs[0].pages.size(), 1u);
    const auto marks = markCentres(jobs[0].pages[0]);
    EXPECT_EQ(marks.size(), 130u);
    EXPECT_TRUE(marks.count(round3(c.x, c.y))) << c.name;
    EXPECT_EQ(jobs[0].orientation,
              c.orientation == 2 ? PrintOrientation::Landscape : PrintOrientation::Portrait);
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, SingleMark,
    ::testing::Values(
        MarkCase{"Slot1Home", 1, "0", "0", 1, "1000000000000", 1, 72.5, 4.75},
        MarkCase{"Slot1DrawRow13", 1, "0", "0", 1, "1000000000000", 13, 76.0, 64.75},
        MarkCase{"Slot10AwayRow13", 1, "0", "0", 10, "0000000000002", 13, 174.0, 64.75},
        MarkCase{"Slot10HomeRow1", 1, "0", "0", 10, "1000000000000", 1, 167.0, 4.75},
        MarkCase{"Slot5AwayRow7", 1, "0", "0", 5, "0000002000000", 7, 23.5 + 3.5 * 28, 34.75},
        MarkCase{"LeftShift", 1, "2.5", "0", 1, "1000000000000", 1, 70.0, 4.75},
        MarkCase{"NegativeShiftsMoveRightAndDown", 1, "-1.25", "-2", 1, "1000000000000", 1, 73.75,
                 6.75},
        MarkCase{"TopShift", 1, "0", "1.5", 10, "0000000000002", 13, 174.0, 63.25},
        MarkCase{"Landscape", 2, "0", "0", 1, "1000000000000", 1, 72.5, 132.25},
        MarkCase{"LandscapeShifted", 2, "1", "2", 10, "0000000000002", 13, 173.0, 190.25}),
    [](const ::testing::TestParamInfo<MarkCase>& p) { return std::string(p.param.name); });

TEST(MarkSheetPrint, TwentyFiveSinglesMakeThreePagesTheLastWithFiveSlots) {
    std::vector<int32_t> singles(25, number("2222222222222"));
    MarkSheetPrint print(singles, 0, "", "");
    EXPECT_EQ(print.PageCount(), 3);
    const PrintRequest all = print.InitialRequest(PrinterSettings{});
    EXPECT_EQ(all.startPage, 1);
    EXPECT_EQ(all.endPage, 3);
    EXPECT_EQ(print.PagesToPrint(all), (std::vector<int32_t>{1, 2, 3}));

    const auto jobs = print.PrintJobs(all, std::nullopt);
    ASSERT_EQ(jobs.size(), 3u);  // one print job per page
    const auto last = markCentres(jobs[2].pages[0]);
    EXPECT_EQ(last.size(), 5u * 13u);
    std::set<double> columns;
    for (const auto& [x, y] : last) columns.insert(x);
    // The "2" columns of slots 1 to 5.
    EXPECT_EQ(columns, (std::set<double>{79.5, 90.0, 100.5, 111.0, 121.5}));
}

TEST(MarkSheetPrint, SendDataAPutsAllPagesInOneJob) {
    MarkSheetPrint print(std::vector<int32_t>(25, 0), 0, "", "");
    PrintRequest r = print.InitialRequest(PrinterSettings{});
    r.settings.PrinterSendDataA = true;
    r.settings.PrinterName = "Office";
    const auto jobs = print.PrintJobs(r, std::nullopt);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].pages.size(), 3u);
    EXPECT_EQ(jobs[0].printerName, "Office");
}

TEST(MarkSheetPrint, RangeRules) {
    MarkSheetPrint print(std::vector<int32_t>(25, 0), 0, "", "");
    struct Range {
        bool all;
        int32_t start, end;
        std::vector<int32_t> pages;
    };
    const Range ranges[] = {
        {true, 5, 1, {1, 2, 3}},  // the range boxes do not count with 全て
        {false, 2, 3, {2, 3}},
        {false, 0, 9, {1, 2, 3}},  // outside the singles: only the pages that hold some
        {false, 3, 2, {}},         // start above end: nothing
        {false, 4, 6, {}},
        {false, -3, -1, {}},
    };
    for (const auto& range : ranges) {
        PrintRequest r;
        r.allPages = range.all;
        r.startPage = range.start;
        r.endPage = range.end;
        EXPECT_EQ(print.PagesToPrint(r), range.pages) << range.start << ".." << range.end;
        EXPECT_EQ(print.PrintJobs(r, std::nullopt).size(), range.pages.size());
    }
    // No singles: OK does nothing.
    MarkSheetPrint none({}, 0, "", "");
    EXPECT_TRUE(none.PrintJobs(none.InitialRequest(PrinterSettings{}), std::nullopt).empty());
}

TEST(MarkSheetPrint, RoundNumberAndGroupMarks) {
    struct Case {
        int32_t openNo;
        const char* handedKumi;
        const char* chosenKumi;
        std::set<Point> marks;  // outside the single columns
    };
    const Case cases[] = {
        {123, "", "", {{30.5, 29.75}, {34.0, 34.75}}},  // only the last two digits: 2, 3
        {7, "", "", {{30.5, 19.75}, {34.0, 54.75}}},    // 0, 7
        {100, "", "", {{30.5, 19.75}, {34.0, 19.75}}},
        {0, "A", "A", {{44.5, 34.75}}},  // no round: the group mark alone
        {45, "A", "B", {{30.5, 39.75}, {34.0, 44.75}, {48.0, 34.75}}},
        {45, "", "B", {{30.5, 39.75}, {34.0, 44.75}}},  // no group handed in: no group mark
        {-12, "", "", {}},                              // never a mark off the digit boxes
    };
    for (const auto& c : cases) {
        MarkSheetPrint print({0}, c.openNo, c.handedKumi, "");
        PrintRequest r = print.InitialRequest(PrinterSettings{});
        r.settings.PrinterOpenNo = true;
        r.kumi = c.chosenKumi;
        const auto marks = markCentres(print.PrintJobs(r, std::nullopt)[0].pages[0]);
        std::set<Point> extra;
        for (const auto& m : marks)
            if (m.first < 70) extra.insert(m);
        EXPECT_EQ(extra, c.marks) << c.openNo << " " << c.chosenKumi;

        r.settings.PrinterOpenNo = false;
        EXPECT_EQ(markCentres(print.PrintJobs(r, std::nullopt)[0].pages[0]).size(), 13u);
    }
}

TEST(MarkSheetPrint, TextsOfAPage) {
    MarkSheetPrint print(std::vector<int32_t>(25, 0), 0, "", "予想データ１.kvr");
    PrintRequest r = print.InitialRequest(PrinterSettings{});
    r.settings.PrinterPageText = true;
    r.settings.PrinterFileText = true;
    r.settings.PrinterOpenText = true;
    r.settings.PrinterLeftMargin = Currency::parse("1");
    PairingTexts pairings;
    for (int m = 1; m <= 13; ++m) pairings[static_cast<std::size_t>(m)] = "row" + std::to_string(m);
    const auto jobs = print.PrintJobs(r, pairings);
    const auto t = texts(jobs[1].pages[0]);
    ASSERT_EQ(t.size(), 15u);
    EXPECT_EQ(t[0].text, "      2/3");
    EXPECT_DOUBLE_EQ(t[0].x1, 2.0);
    EXPECT_DOUBLE_EQ(t[0].y1, 9.75);
    EXPECT_EQ(t[0].pointSize, 9.0);
    EXPECT_EQ(t[0].fontName, "ＭＳ ゴシック");
    EXPECT_EQ(t[1].text, "予想データ");
    EXPECT_DOUBLE_EQ(t[1].y1, 14.75);
    for (int m = 1; m <= 13; ++m) {
        const auto& row = t[static_cast<std::size_t>(m + 1)];
        EXPECT_EQ(row.text, "row" + std::to_string(m));
        EXPECT_DOUBLE_EQ(row.x1, 36.5);
        EXPECT_DOUBLE_EQ(row.y1, 4.75 + 5 * (m - 1));
        EXPECT_EQ(row.pointSize, 6.0);
    }
    // A schedule that is not cached: no pairings, the rest prints.
    EXPECT_EQ(texts(print.PrintJobs(r, std::nullopt)[0].pages[0]).size(), 2u);
}

TEST(MarkSheetPrint, TestPrintOutlinesEveryBox) {
    for (const int orientation : {1, 2}) {
        MarkSheetPrint print({}, 0, "A", "");
        PrintRequest r = request(orientation, "2", "1");
        const PrintJob job = print.TestJob(r);  // round-number marks even with PrinterOpenNo off
        ASSERT_EQ(job.pages.size(), 1u);
        const PrintPage& page = job.pages[0];
        const double dy = (orientation == 2 ? 127.5 : 0.0) - 1.0;

        const auto boxes = markCentres(page, Kind::Rect);
        EXPECT_EQ(boxes.size(), 390u + 20u + 2u);  // singles, digits 0-9 twice, groups A and B
        EXPECT_TRUE(boxes.count(round3(72.5 - 2, 4.75 + dy)));
        EXPECT_TRUE(boxes.count(round3(174.0 - 2, 64.75 + dy)));
        for (int d = 0; d <= 9; ++d) {
            EXPECT_TRUE(boxes.count(round3(30.5 - 2, 19.75 + 5 * d + dy)));
            EXPECT_TRUE(boxes.count(round3(34.0 - 2, 19.75 + 5 * d + dy)));
        }
        EXPECT_TRUE(boxes.count(round3(48.0 - 2, 34.75 + dy)));
        EXPECT_TRUE(markCentres(page, Kind::FillRect).empty());

        // Each box has its two diagonals; the grid adds 204 + 83 light and 21 + 9 blue lines.
        int light = 0, blue = 0, black = 0, red = 0;
        for (const auto& c : page.commands) {
            if (c.kind == Kind::Rect && c.color == PrintColor{255, 0, 0}) {
                ++red;
                EXPECT_DOUBLE_EQ(c.x1, -2.0);
                EXPECT_DOUBLE_EQ(c.y1, dy);
                EXPECT_DOUBLE_EQ(c.x2, 201.0);
                EXPECT_DOUBLE_EQ(c.y2, 82.5 + dy);
            }
            if (c.kind != Kind::Line) continue;
            if (c.color == PrintColor{200, 200, 255}) ++light;
            if (c.color == PrintColor{0, 0, 255}) ++blue;
            if (c.color == PrintColor{0, 0, 0}) ++black;
        }
        EXPECT_EQ(red, 1);
        EXPECT_EQ(light, 204 + 83);
        EXPECT_EQ(blue, 21 + 9);
        EXPECT_EQ(black, 2 * 412 + 22);

        // The combs sit unshifted at the page corner: top-left in portrait, bottom-left in
        // landscape.
        const double combTop = orientation == 2 ? 200.0 : 0.0;
        int combs = 0;
        for (const auto& c : page.commands)
            if (c.kind == Kind::Line && c.color == PrintColor{0, 0, 0} && c.x1 >= 0 && c.x2 <= 10 &&
                c.y1 >= combTop && c.y2 <= combTop + 10 &&
                (c.x1 == c.x2 ? c.y2 - c.y1 == 10 : c.x2 - c.x1 == 10))
                ++combs;
        EXPECT_EQ(combs, 22);
    }
}

TEST(MarkSheetPrint, TestPrintTexts) {
    MarkSheetPrint print({0}, 0, "", "");
    PrintRequest r = request();
    r.settings.PrinterPageText = r.settings.PrinterFileText = r.settings.PrinterOpenText = true;
    const auto t = texts(print.TestJob(r).pages[0]);
    ASSERT_EQ(t.size(), 15u);
    EXPECT_EQ(t[0].text, "9999/9999");
    EXPECT_EQ(t[1].text, "XXXXXXXXXX");
    EXPECT_EQ(t[2].text, "XX/XX ＸＸＸ ＸＸＸ");
    EXPECT_DOUBLE_EQ(t[14].y1, 64.75);
    // No group handed in: no group boxes.
    EXPECT_EQ(markCentres(print.TestJob(r).pages[0], Kind::Rect).size(), 410u);
}

}  // namespace
}  // namespace brenvik
