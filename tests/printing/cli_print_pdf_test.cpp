// brenvik-cli print as a user runs it: the PDF rendered at 10 pixels per millimetre shows the
// marks and texts where the sheet's geometry puts them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "app/Cp932.h"
#include "official/clsXmlSchedule.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

struct CliRun {
    int code = -1;
    std::string err;
};

CliRun runCli(const test::TempProgramFolder& home, const std::string& arguments) {
    const std::string errFile = home.str() + "/stderr.txt";
    const std::string command = "BRENVIK_HOME='" + home.str() + "' '" BRENVIK_CLI_PATH "' " +
                                arguments + " 2>'" + errFile + "'";
    CliRun r;
    const int status = std::system(command.c_str());
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = home.read("stderr.txt");
    return r;
}

#if BRENVIK_CLI_PRINTS

// A grey page from pdftoppm -gray (binary PGM).
struct Page {
    int width = 0, height = 0;
    std::string pixels;

    // The darkest pixel within 0.2 mm of the point.
    int darkest(double xMm, double yMm) const {
        int best = 255;
        const int cx = static_cast<int>(xMm * 10), cy = static_cast<int>(yMm * 10);
        for (int y = cy - 2; y <= cy + 2; ++y)
            for (int x = cx - 2; x <= cx + 2; ++x)
                if (x >= 0 && y >= 0 && x < width && y < height)
                    best = std::min(best, static_cast<int>(static_cast<unsigned char>(
                                              pixels[static_cast<std::size_t>(y) * width + x])));
        return best;
    }
    bool dark(double xMm, double yMm) const { return darkest(xMm, yMm) < 100; }
    // Mean row (mm) of the dark pixels in a band, -1 when none.
    double darkRowCentre(double x1, double x2, double y1, double y2) const {
        double sum = 0;
        int n = 0;
        for (int y = static_cast<int>(y1 * 10); y < static_cast<int>(y2 * 10); ++y)
            for (int x = static_cast<int>(x1 * 10); x < static_cast<int>(x2 * 10); ++x)
                if (static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * width + x]) <
                    128)
                    sum += y, ++n;
        return n ? sum / n / 10.0 : -1;
    }
};

Page render(const test::TempProgramFolder& home, const std::string& pdf, int page) {
    const std::string prefix = home.str() + "/page";
    const std::string command = "pdftoppm -r 254 -gray -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " -singlefile '" + home.str() + "/" + pdf +
                                "' '" + prefix + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    const std::string bytes = home.read("page.pgm");
    std::istringstream header(bytes);
    std::string magic;
    int maxValue = 0;
    Page p;
    header >> magic >> p.width >> p.height >> maxValue;
    const auto start = static_cast<std::size_t>(header.tellg()) + 1;  // one blank after 255
    p.pixels = start < bytes.size() ? bytes.substr(start) : std::string();
    EXPECT_EQ(magic, "P5");
    EXPECT_EQ(p.pixels.size(), static_cast<std::size_t>(p.width) * p.height);
    return p;
}

void writeSchedule(int32_t round) {
    ScheduleRecord r;
    r.Kaisaikai = round;
    for (int m = 1; m <= 13; ++m) {
        auto& match = r.Matches[static_cast<std::size_t>(m)];
        match.Home = "浦和";
        match.Away = "鹿島";
        match.MatchDate = DateTime::fromDate(2026, 4, m);
        match.Stadium = "埼玉";
        match.MatchState = "VS";
    }
    r.SaleStart = DateTime::fromDate(2026, 3, 28);
    r.SaleEnd = DateTime::fromDate(2026, 4, 1);
    r.ResultDate = DateTime::fromDate(2026, 4, 14);
    clsXmlSchedule xml;
    xml.Schedule(r);
    ASSERT_TRUE(xml.XmlSave(xml.GetFileName(round, "")));
}

// The x of a single box before the shift: slot 1..10, outcome 1, 0, 2.
double boxX(int slot, int outcome) {
    const int offset = outcome == 1 ? 0 : outcome == 0 ? 1 : 2;
    return 23.5 + 3.5 * (14 + 3 * (slot - 1) + offset);
}
double rowY(int row) {
    return 4.75 + 5 * row;
}

TEST(CliPrint, MarkSheetsOfACsvFile) {
    test::TempProgramFolder home;
    test::MessageRecorder messages;
    home.write("SysData/Printer.ini",
               "PrinterLeftMargin = 2.5\r\nPrinterTopMargin = -1\r\nPrinterOpenNo = True\r\n"
               "PrinterPageText = True\r\nPrinterOpenText = True\r\nPrinterFileText = True\r\n");
    writeSchedule(45);
    // Twelve singles: single i has outcome "2" in match i (i = 1..12), draws elsewhere.
    std::string csv;
    std::vector<std::array<int, 14>> singles;
    for (int i = 1; i <= 12; ++i) {
        std::array<int, 14> s{};
        s[static_cast<std::size_t>(i)] = 2;
        s[13] = i % 2;  // home wins and draws alternate in match 13
        singles.push_back(s);
        for (int m = 1; m <= 13; ++m)
            csv += (m > 1 ? "," : "") + std::to_string(s[static_cast<std::size_t>(m)]);
        csv += "\r\n";
    }
    home.write("Qel-045.csv", csv);

    const CliRun run =
        runCli(home, "print '" + home.str() + "/Qel-045.csv' '" + home.str() + "/out.pdf'");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const double dx = -2.5, dy = 1.0;
    for (int pageNo = 1; pageNo <= 2; ++pageNo) {
        const Page page = render(home, "out.pdf", pageNo);
        ASSERT_NEAR(page.width, 2100, 1);
        ASSERT_NEAR(page.height, 2970, 2);
        for (int slot = 1; slot <= 10; ++slot) {
            const std::size_t index = static_cast<std::size_t>((pageNo - 1) * 10 + slot - 1);
            for (int m = 1; m <= 13; ++m)
                for (const int outcome : {1, 0, 2}) {
                    const bool expected = index < singles.size() &&
                                          singles[index][static_cast<std::size_t>(m)] == outcome;
                    EXPECT_EQ(page.dark(boxX(slot, outcome) + dx, rowY(m - 1) + dy), expected)
                        << "page " << pageNo << " slot " << slot << " match " << m << " outcome "
                        << outcome;
                }
        }
        // Round 45 from the file name: tens 4 and units 5.
        for (int d = 0; d <= 9; ++d) {
            EXPECT_EQ(page.dark(30.5 + dx, 19.75 + 5 * d + dy), d == 4) << d;
            EXPECT_EQ(page.dark(34.0 + dx, 19.75 + 5 * d + dy), d == 5) << d;
        }
        // The texts are centred on their rows: page number, file name, pairings.
        EXPECT_NEAR(page.darkRowCentre(0.5, 20, 7.5, 12), rowY(1) + dy, 0.5);
        EXPECT_NEAR(page.darkRowCentre(0.5, 20, 12.5, 17), rowY(2) + dy, 0.5);
        for (int m = 1; m <= 13; ++m)
            EXPECT_NEAR(
                page.darkRowCentre(37.5 + dx, 65, rowY(m - 1) + dy - 2, rowY(m - 1) + dy + 2),
                rowY(m - 1) + dy, 0.5)
                << m;
        EXPECT_EQ(page.darkRowCentre(37.5 + dx, 65, 70, 80), -1);
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(CliPrint, LandscapeTestPrintAndRoundOption) {
    test::TempProgramFolder home;
    home.write("SysData/Printer.ini", "PrinterOrientation = 2\r\nPrinterOpenNo = True\r\n");
    CliRun run = runCli(home, "print unused.csv '" + home.str() + "/test.pdf' --test");
    ASSERT_EQ(run.code, 0) << run.err;
    const Page test = render(home, "test.pdf", 1);
    EXPECT_NEAR(test.width, 2970, 2);
    // Every box outlined with its diagonals: dark where they cross, in the bottom sheet.
    EXPECT_TRUE(test.dark(72.5, 132.25));
    EXPECT_TRUE(test.dark(174.0, 192.25));
    EXPECT_TRUE(test.dark(30.5, 19.75 + 127.5));
    EXPECT_FALSE(test.dark(72.5, 4.75));
    // The comb at the bottom-left corner of the page, the red frame of the sheet area.
    EXPECT_LT(test.darkest(5.0, 205.0), 160);
    EXPECT_LT(test.darkest(5.0, 129.0), 250);

    home.write("s.csv", "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n");
    run = runCli(home, "print --round 1207 '" + home.str() + "/s.csv' '" + home.str() + "/r.pdf'");
    ASSERT_EQ(run.code, 0) << run.err;
    const Page page = render(home, "r.pdf", 1);
    EXPECT_TRUE(page.dark(72.5, 132.25));
    EXPECT_TRUE(page.dark(30.5, 19.75 + 127.5));          // tens digit 0
    EXPECT_TRUE(page.dark(34.0, 19.75 + 5 * 7 + 127.5));  // units digit 7
}

#endif

TEST(CliPrint, Errors) {
    test::TempProgramFolder home;
    home.write("bad.csv", "1,0,2\r\n");
    home.write("empty.csv", "");
    struct Case {
        std::string arguments;
        int code;
        const char* err;
    };
    const std::string out = " '" + home.str() + "/out.pdf'";
    std::vector<Case> cases = {
        {"print", 2, "usage: brenvik-cli"},
        {"print a.csv", 2, "usage: brenvik-cli"},
        {"print a.csv b.pdf --round x", 2, "usage: brenvik-cli"},
        {"print a.csv b.pdf --landscape", 2, "usage: brenvik-cli"},
    };
#if BRENVIK_CLI_PRINTS
    cases.push_back({"print '" + home.str() + "/none.csv'" + out, 1, "no such file"});
    cases.push_back(
        {"print '" + home.str() + "/bad.csv'" + out, 1, "ファイルの読込に失敗しました。"});
    cases.push_back({"print '" + home.str() + "/empty.csv'" + out, 1, "no singles to print"});
    cases.push_back({"print '" + home.str() + "/bad.csv' /no/such/folder/x.pdf --test", 1,
                     "/no/such/folder/x.pdf"});
#else
    for (auto& c : cases) c = {"print a.csv b.pdf", 1, "printing is not available in this build"};
#endif
    for (const auto& c : cases) {
        const CliRun run = runCli(home, c.arguments);
        EXPECT_EQ(run.code, c.code) << c.arguments;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << c.arguments << "\n" << run.err;
    }
    EXPECT_FALSE(home.exists("out.pdf"));
}

}  // namespace
}  // namespace brenvik
