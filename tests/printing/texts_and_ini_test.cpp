// The small texts of a sheet, the pairings from the schedule cache, and Printer.ini.
#include <gtest/gtest.h>

#include "app/Cp932.h"
#include "official/clsXmlSchedule.h"
#include "printing/MarkSheetPrint.h"
#include "printing/PrinterIni.h"
#include "support/Recorders.h"

namespace brenvik {
namespace {

TEST(PrintTexts, PageText) {
    EXPECT_EQ(MarkSheetPrint::PageText(2, 3), "      2/3");
    EXPECT_EQ(MarkSheetPrint::PageText(12, 130), "   12/130");
    EXPECT_EQ(MarkSheetPrint::PageText(9999, 9999), "9999/9999");
    EXPECT_EQ(MarkSheetPrint::PageText(12345, 12345), "345/12345");
}

TEST(PrintTexts, FileTextKeepsTenBytesWithoutHalfACharacter) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"Qel-123.kvr", "Qel-123.kv"},
        {"short.csv", "short.csv"},
        {"予想データ１.kvr", "予想データ"},  // five double-byte characters are ten bytes
        {"a予想データ.kvr", "a予想デー"},    // the fifth would end at byte 11
        {"ab予想データ", "ab予想デー"},
        {"ﾖｿｳﾃﾞｰﾀ123456", "ﾖｿｳﾃﾞｰﾀ123"},  // half-width katakana is one byte
        {"", ""},
    };
    for (const auto& c : cases) {
        const std::string cut = MarkSheetPrint::FileText(c.name);
        EXPECT_EQ(cut, c.text) << c.name;
        EXPECT_LE(cp932::fromUtf8(cut).size(), 10u);
    }
}

TEST(PrintTexts, PairingText) {
    EXPECT_EQ(MarkSheetPrint::PairingText(3, 7, "浦和", "鹿島アントラーズ"), "03/07 浦和　 鹿島ア");
    EXPECT_EQ(MarkSheetPrint::PairingText(11, 23, "G大阪", "C"), "11/23 G大阪 C　　");
}

ScheduleRecord scheduleOf(int32_t round, const std::string& group) {
    ScheduleRecord r;
    r.Kaisaikai = round;
    r.Group = group;
    for (int m = 1; m <= 13; ++m) {
        auto& match = r.Matches[static_cast<std::size_t>(m)];
        match.Home = m == 1 ? "横浜FM" : "ホーム" + std::to_string(m);
        match.Away = "札幌";
        match.MatchDate = DateTime::fromDate(2026, 3, m);
        match.StartTime = DateTime::fromTime(14, 0, 0);
        match.Stadium = "競技場";
        match.MatchState = "VS";
    }
    r.SaleStart = DateTime::fromDate(2026, 2, 20);
    r.SaleEnd = DateTime::fromFields(2026, 2, 28, 13, 50, 0);
    r.ResultDate = DateTime::fromDate(2026, 3, 14);
    return r;
}

TEST(PrintTexts, PairingsComeFromTheScheduleCacheOnly) {
    test::TempProgramFolder folder;
    test::MessageRecorder messages;
    clsXmlSchedule xml;
    xml.Schedule(scheduleOf(123, ""));
    ASSERT_TRUE(xml.XmlSave(xml.GetFileName(123, "")));

    const auto pairings = MarkSheetPrint::CachedPairings(123, "");
    ASSERT_TRUE(pairings);
    EXPECT_EQ((*pairings)[1], "03/01 横浜F 札幌　");
    EXPECT_EQ((*pairings)[13], "03/13 ホーム 札幌　");
    EXPECT_FALSE(MarkSheetPrint::CachedPairings(124, ""));
    EXPECT_FALSE(MarkSheetPrint::CachedPairings(123, "A"));  // another group's file
    EXPECT_FALSE(MarkSheetPrint::CachedPairings(0, ""));

    // Through a print: the round of the round box and the chosen group pick the file.
    MarkSheetPrint print({0}, 123, "", "x");
    PrintRequest r = print.InitialRequest(PrinterSettings{});
    r.settings.PrinterOpenText = true;
    auto jobs = print.PrintJobs(r);
    int rows = 0;
    for (const auto& c : jobs[0].pages[0].commands)
        if (c.kind == PrintCommand::Kind::Text) ++rows;
    EXPECT_EQ(rows, 13);
    r.openNo = 124;
    jobs = print.PrintJobs(r);
    for (const auto& c : jobs[0].pages[0].commands) EXPECT_NE(c.kind, PrintCommand::Kind::Text);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(PrintDialogValues, BoxesAndShiftText) {
    EXPECT_EQ(MarkSheetPrint::BoxValue("12"), 12.0);
    EXPECT_EQ(MarkSheetPrint::BoxValue(" -2.5 "), -2.5);
    EXPECT_EQ(MarkSheetPrint::BoxValue("1-2"), 0.0);
    EXPECT_EQ(MarkSheetPrint::BoxValue(""), 0.0);
    EXPECT_EQ(MarkSheetPrint::ShiftText(Currency::parse("2.5")), "2.50");
    EXPECT_EQ(MarkSheetPrint::ShiftText(Currency::parse("-0.125")), "-0.13");
    EXPECT_EQ(MarkSheetPrint::ShiftText(Currency::parse("0")), "0.00");
    EXPECT_EQ(MarkSheetPrint::ShiftText(Currency::parse("123.456")), "123.46");

    MarkSheetPrint print(std::vector<int32_t>(11, 0), 45, "B", "");
    const PrintRequest r = print.InitialRequest(PrinterSettings{});
    EXPECT_TRUE(r.allPages);
    EXPECT_EQ(r.endPage, 2);
    EXPECT_EQ(r.openNo, 45);
    EXPECT_EQ(r.kumi, "B");
    EXPECT_EQ(MarkSheetPrint({}, 0, "C", "").InitialRequest(PrinterSettings{}).kumi, "");
}

const char* const DefaultFile =
    ";Talvenmoore Printer Ini File (Printer.ini)\r\n"
    ";Copyright (C) 2026 Talvenmoore\r\n"
    "\r\n"
    ";[Printer]\r\n"
    "PrinterName = 事務所のプリンタ\r\n"
    "PrinterOrientation = 1\r\n"
    "PrinterLeftMargin = 0\r\n"
    "PrinterTopMargin = 0\r\n"
    "PrinterOpenNo = False\r\n"
    "PrinterOpenText = False\r\n"
    "PrinterPageText = False\r\n"
    "PrinterFileText = False\r\n"
    "PrinterSendDataA = False\r\n";

TEST(PrinterIni, DefaultsAreWrittenOnceInCp932) {
    test::TempProgramFolder folder;
    folder.write("SysData/.keep", "");
    const std::string path = PrinterIni::FilePath();
    EXPECT_EQ(path, folder.str() + "/SysData/Printer.ini");
    ASSERT_TRUE(PrinterIni::CreateIfMissing(path, "事務所のプリンタ"));
    EXPECT_EQ(folder.read("SysData/Printer.ini"), cp932::fromUtf8(DefaultFile));

    folder.write("SysData/Printer.ini", "PrinterOrientation = 2\r\n");
    ASSERT_TRUE(PrinterIni::CreateIfMissing(path, "other"));  // an existing file stays
    EXPECT_EQ(folder.read("SysData/Printer.ini"), "PrinterOrientation = 2\r\n");
}

TEST(PrinterIni, WriteAndReadBack) {
    test::TempProgramFolder folder;
    folder.write("SysData/.keep", "");
    PrinterSettings s;
    s.PrinterName = "PDF";
    s.PrinterOrientation = 2;
    s.PrinterLeftMargin = Currency::parse("3.5");
    s.PrinterTopMargin = Currency::parse("-1.25");
    s.PrinterOpenNo = s.PrinterPageText = s.PrinterSendDataA = true;
    const std::string path = PrinterIni::FilePath();
    ASSERT_TRUE(PrinterIni::Save(path, s));
    EXPECT_EQ(folder.read("SysData/Printer.ini"),
              ";Talvenmoore Printer Ini File (Printer.ini)\r\n"
              ";Copyright (C) 2026 Talvenmoore\r\n\r\n;[Printer]\r\n"
              "PrinterName = PDF\r\nPrinterOrientation = 2\r\nPrinterLeftMargin = 3.5\r\n"
              "PrinterTopMargin = -1.25\r\nPrinterOpenNo = True\r\nPrinterOpenText = False\r\n"
              "PrinterPageText = True\r\nPrinterFileText = False\r\nPrinterSendDataA = True\r\n");
    PrinterSettings back;
    ASSERT_TRUE(PrinterIni::Load(path, "default", back));
    EXPECT_EQ(back, s);
    // Replaced safely: no temporary file is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path() / "SysData"))
        files += e.path().filename() != ".keep";
    EXPECT_EQ(files, 1);
}

TEST(PrinterIni, ReadingRules) {
    // Missing keys keep their defaults; a flag is set when its text converts to true.
    PrinterSettings s = PrinterIni::ParseText(
        "PrinterOrientation = 2\r\nprinteropenno = -1\r\nPrinterOpenText = 0\r\n"
        "PrinterPageText = true\r\nPrinterFileText = yes\r\nPrinterLeftMargin = 1.5\r\n"
        "PrinterTopMargin = abc\r\n",
        "Default");
    EXPECT_EQ(s.PrinterName, "Default");
    EXPECT_EQ(s.PrinterOrientation, 2);
    EXPECT_TRUE(s.PrinterOpenNo);
    EXPECT_FALSE(s.PrinterOpenText);
    EXPECT_TRUE(s.PrinterPageText);
    EXPECT_FALSE(s.PrinterFileText);  // no Boolean text: not set
    EXPECT_FALSE(s.PrinterSendDataA);
    EXPECT_EQ(s.PrinterLeftMargin, Currency::parse("1.5"));
    EXPECT_EQ(s.PrinterTopMargin, Currency());

    EXPECT_EQ(PrinterIni::ParseText("", "P"), PrinterIni::Defaults("P"));
}

TEST(PrinterIni, FailuresAreReported) {
    test::TempProgramFolder folder;
    test::MessageRecorder messages;
    PrinterSettings s;
    EXPECT_FALSE(PrinterIni::Load(folder.str() + "/SysData/none.ini", "", s));
    EXPECT_FALSE(PrinterIni::Save(folder.str() + "/missing/Printer.ini", s));
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text,
              "ファイルの読込に失敗しました。\r\n" + folder.str() + "/SysData/none.ini");
    EXPECT_EQ(messages.boxes[1].title, "Brenvik / frmPrint / Form_Unload");
}

}  // namespace
}  // namespace brenvik
