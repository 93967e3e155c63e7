// The printer back end inside the program: pages, paper, orientation and embedded text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinterInfo>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "printing/MarkSheetPrint.h"
#include "support/Recorders.h"
#include "ui/toolkit/QtPrinterBackend.h"

namespace brenvik::ui {
namespace {

std::string runText(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

TEST(QtPrinterBackend, PdfPagesWithTheirTexts) {
    test::TempProgramFolder folder;
    test::MessageRecorder messages;
    MarkSheetPrint print(std::vector<int32_t>(21, 0), 45, "", "予想データ１２.kvr");
    PrintRequest r = print.InitialRequest(PrinterSettings{});
    r.settings.PrinterPageText = r.settings.PrinterFileText = r.settings.PrinterOpenText = true;
    r.settings.PrinterSendDataA = true;
    r.settings.PrinterOrientation = 2;
    PairingTexts pairings;
    for (int m = 1; m <= 13; ++m) pairings[static_cast<std::size_t>(m)] = "04/01 浦和　 鹿島　";
    const auto jobs = print.PrintJobs(r, pairings);
    ASSERT_EQ(jobs.size(), 1u);

    const std::string pdf = folder.str() + "/sheets.pdf";
    std::string error;
    ASSERT_TRUE(PrintJobToPdf(jobs[0], pdf, error)) << error;
    EXPECT_TRUE(messages.boxes.empty());  // set-up steps all succeeded

    const std::string info = runText("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("842 x 595 pts"), std::string::npos) << info;
    // The Japanese texts are real text in the PDF, in the substituted Gothic font.
    const std::string text = runText("pdftotext -f 3 -l 3 '" + pdf + "' -");
    EXPECT_NE(text.find("3/3"), std::string::npos) << text;
    EXPECT_NE(text.find("予想データ"), std::string::npos) << text;
    EXPECT_EQ(text.find("予想データ１"), std::string::npos) << text;
    EXPECT_NE(text.find("浦和"), std::string::npos) << text;
    EXPECT_NE(runText("pdffonts '" + pdf + "'").find("IPAGothic"), std::string::npos);

    EXPECT_FALSE(PrintJobToPdf(jobs[0], folder.str() + "/none/x.pdf", error));
    EXPECT_NE(error.find("/none/x.pdf"), std::string::npos);
}

TEST(QtPrinterBackend, InstalledPrintersAreListedByName) {
    const auto names = InstalledPrinterNames();
    EXPECT_EQ(names.size(), static_cast<std::size_t>(QPrinterInfo::availablePrinterNames().size()));
    EXPECT_EQ(DefaultPrinterName(), QPrinterInfo::defaultPrinterName().toStdString());
    // Without any printer a job cannot go anywhere: a failure, not a silent success.
    if (names.empty()) {
        PrintJob job;
        job.pages.emplace_back();
        job.printerName = "no-such-printer";
        std::string error;
        EXPECT_FALSE(PrintJobToPrinter(job, error));
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace brenvik::ui
