#include "printing/MarkSheetPrint.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "app/Classic.h"
#include "app/Cp932.h"
#include "app/Utf8.h"
#include "lottery/clsTNumber.h"
#include "official/clsSchedule.h"
#include "printing/MarkSheetGeometry.h"

namespace brenvik {
namespace {

namespace geo = MarkSheetGeometry;

constexpr PrintColor Black{0, 0, 0};
constexpr PrintColor GridLight{200, 200, 255};
constexpr PrintColor GridBlue{0, 0, 255};
constexpr PrintColor FrameRed{255, 0, 0};

// Draws onto one page with the user's shift and the orientation applied.
class PageDrawer {
  public:
    PageDrawer(const PrinterSettings& s, bool testMode, PrintPage& page)
        : left_(s.PrinterLeftMargin.toDouble()),
          top_(s.PrinterTopMargin.toDouble()),
          landscape_(s.PrinterOrientation == 2),
          test_(testMode),
          page_(page) {}

    double x(double x0) const { return x0 - left_; }
    double y(double y0) const { return y0 - top_ + (landscape_ ? geo::LandscapeOffset : 0.0); }

    void mark(int column, int row) {
        const double cx = x(geo::columnX(column));
        const double cy = y(geo::rowY(row));
        const double x1 = cx - geo::MarkWidth / 2, x2 = cx + geo::MarkWidth / 2;
        const double y1 = cy - geo::MarkHeight / 2, y2 = cy + geo::MarkHeight / 2;
        if (!test_) {
            add(PrintCommand::Kind::FillRect, x1, y1, x2, y2, Black);
            return;
        }
        add(PrintCommand::Kind::Rect, x1, y1, x2, y2, Black);
        add(PrintCommand::Kind::Line, x1, y1, x2, y2, Black);
        add(PrintCommand::Kind::Line, x1, y2, x2, y1, Black);
    }

    void text(double left, int row, const std::string& s, double pointSize) {
        PrintCommand c;
        c.kind = PrintCommand::Kind::Text;
        c.x1 = x(left);
        c.y1 = y(geo::rowY(row));
        c.text = s;
        c.fontName = geo::TextFont;
        c.pointSize = pointSize;
        page_.commands.push_back(std::move(c));
    }

    // Unshifted page coordinates.
    void rawLine(double x1, double y1, double x2, double y2, PrintColor color) {
        add(PrintCommand::Kind::Line, x1, y1, x2, y2, color);
    }
    void line(double x1, double y1, double x2, double y2, PrintColor color) {
        rawLine(x(x1), y(y1), x(x2), y(y2), color);
    }
    void rect(double x1, double y1, double x2, double y2, PrintColor color) {
        add(PrintCommand::Kind::Rect, x(x1), y(y1), x(x2), y(y2), color);
    }

    bool landscape() const { return landscape_; }

  private:
    void add(PrintCommand::Kind kind, double x1, double y1, double x2, double y2, PrintColor c) {
        PrintCommand cmd;
        cmd.kind = kind;
        cmd.x1 = x1, cmd.y1 = y1, cmd.x2 = x2, cmd.y2 = y2;
        cmd.color = c;
        page_.commands.push_back(std::move(cmd));
    }

    double left_, top_;
    bool landscape_, test_;
    PrintPage& page_;
};

void roundMarks(PageDrawer& d, int32_t n) {
    // A negative round would put marks above the digit boxes, onto other fields of the sheet.
    if (n <= 0) return;
    d.mark(geo::TensColumn, geo::DigitRow0 + (n % 100) / 10);
    d.mark(geo::UnitsColumn, geo::DigitRow0 + n % 10);
}

void groupMark(PageDrawer& d, const std::string& kumi) {
    if (kumi.empty()) return;
    d.mark(kumi == "B" ? geo::GroupBColumn : geo::GroupAColumn, geo::GroupRow);
}

void pairingRows(PageDrawer& d, const PairingTexts& texts) {
    for (int m = 1; m <= 13; ++m)
        d.text(geo::columnX(geo::PairingColumn), m - 1, texts[static_cast<std::size_t>(m)],
               geo::PairingPointSize);
}

PrintJob newJob(const PrinterSettings& s) {
    PrintJob job;
    job.printerName = s.PrinterName;
    job.orientation =
        s.PrinterOrientation == 2 ? PrintOrientation::Landscape : PrintOrientation::Portrait;
    return job;
}

// The bytes a character takes in the Windows Japanese code page (a character it lacks is
// written as "?", one byte).
std::size_t cp932Bytes(char32_t c) {
    if (c < 0x80) return 1;
    return cp932::fromUtf8(utf8::encode(c)).size();
}

}  // namespace

MarkSheetPrint::MarkSheetPrint(std::vector<int32_t> lngSingleNo, int32_t lngOpenNo,
                               std::string strKumi, std::string strFileName)
    : singles_(std::move(lngSingleNo)),
      openNo_(lngOpenNo),
      kumi_(std::move(strKumi)),
      fileName_(std::move(strFileName)) {}

std::string MarkSheetPrint::effectiveKumi(const PrintRequest& request) const {
    // The group box counts only when the caller handed a group in.
    return kumi_.empty() ? std::string() : request.kumi;
}

std::vector<int32_t> MarkSheetPrint::PagesToPrint(const PrintRequest& request) const {
    std::vector<int32_t> pages;
    if (singles_.empty()) return pages;
    const int32_t first = request.allPages ? 1 : request.startPage;
    const int32_t last = request.allPages ? PageCount() : request.endPage;
    // Pages outside the singles print nothing, so the loop stays within them.
    for (int64_t p = std::max<int64_t>(first, 1); p <= std::min<int64_t>(last, PageCount()); ++p)
        pages.push_back(static_cast<int32_t>(p));
    return pages;
}

std::vector<PrintJob> MarkSheetPrint::PrintJobs(const PrintRequest& request) const {
    std::optional<PairingTexts> pairings;
    if (request.settings.PrinterOpenText && !PagesToPrint(request).empty())
        pairings = CachedPairings(request.openNo, effectiveKumi(request));
    return PrintJobs(request, pairings);
}

std::vector<PrintJob> MarkSheetPrint::PrintJobs(const PrintRequest& request,
                                                const std::optional<PairingTexts>& pairings) const {
    std::vector<PrintJob> jobs;
    const PrinterSettings& s = request.settings;
    const std::string kumi = effectiveKumi(request);
    const clsTNumber numbers;
    for (const int32_t p : PagesToPrint(request)) {
        if (jobs.empty() || !s.PrinterSendDataA) jobs.push_back(newJob(s));
        PrintPage& page = jobs.back().pages.emplace_back();
        PageDrawer d(s, false, page);
        for (int k = 1; k <= geo::SlotsPerPage; ++k) {
            const std::size_t index =
                static_cast<std::size_t>(p - 1) * 10 + static_cast<std::size_t>(k - 1);
            if (index >= singles_.size()) break;
            clsTNumber::Digits digits{};
            numbers.NoToByte(singles_[index], digits);
            for (int m = 1; m <= 13; ++m) {
                const int column = geo::singleColumn(k, digits[static_cast<std::size_t>(m - 1)]);
                if (column >= 0) d.mark(column, m - 1);
            }
        }
        if (s.PrinterPageText)
            d.text(geo::InfoTextX, geo::PageTextRow, PageText(p, PageCount()), geo::InfoPointSize);
        if (s.PrinterFileText)
            d.text(geo::InfoTextX, geo::FileTextRow, FileText(fileName_), geo::InfoPointSize);
        if (s.PrinterOpenText && pairings) pairingRows(d, *pairings);
        if (s.PrinterOpenNo) {
            roundMarks(d, request.openNo);
            groupMark(d, kumi);
        }
    }
    return jobs;
}

PrintJob MarkSheetPrint::TestJob(const PrintRequest& request) const {
    const PrinterSettings& s = request.settings;
    PrintJob job = newJob(s);
    PrintPage& page = job.pages.emplace_back();
    PageDrawer d(s, true, page);

    // The sheet area: a millimetre grid, every tenth line in blue, and the red frame.
    for (int gx = 0; gx <= static_cast<int>(geo::SheetWidth); ++gx)
        d.line(gx, 0, gx, geo::SheetHeight, GridLight);
    for (int gy = 0; gy <= static_cast<int>(geo::SheetHeight); ++gy)
        d.line(0, gy, geo::SheetWidth, gy, GridLight);
    for (int gx = 0; gx <= static_cast<int>(geo::SheetWidth); gx += 10)
        d.line(gx, 0, gx, geo::SheetHeight, GridBlue);
    for (int gy = 0; gy <= static_cast<int>(geo::SheetHeight); gy += 10)
        d.line(0, gy, geo::SheetWidth, gy, GridBlue);
    d.rect(0, 0, geo::SheetWidth, geo::SheetHeight, FrameRed);

    // Two combs at the corner of the page itself, to measure the printer's own offset.
    const double top = d.landscape() ? 200.0 : 0.0;
    for (int i = 0; i <= 10; ++i) d.rawLine(i, top, i, top + 10, Black);
    for (int i = 0; i <= 10; ++i) d.rawLine(0, top + i, 10, top + i, Black);

    if (s.PrinterPageText)
        d.text(geo::InfoTextX, geo::PageTextRow, PageText(9999, 9999), geo::InfoPointSize);
    if (s.PrinterFileText)
        d.text(geo::InfoTextX, geo::FileTextRow, "XXXXXXXXXX", geo::InfoPointSize);
    if (s.PrinterOpenText) {
        PairingTexts texts;
        for (int m = 1; m <= 13; ++m) texts[static_cast<std::size_t>(m)] = "XX/XX ＸＸＸ ＸＸＸ";
        pairingRows(d, texts);
    }
    for (int n = 11; n <= 99; n += 11) roundMarks(d, n);
    roundMarks(d, 100);
    if (!kumi_.empty()) {
        groupMark(d, "A");
        groupMark(d, "B");
    }
    for (int k = 1; k <= geo::SlotsPerPage; ++k)
        for (const int outcome : {1, 0, 2})
            for (int m = 1; m <= 13; ++m) d.mark(geo::singleColumn(k, outcome), m - 1);
    return job;
}

PrintRequest MarkSheetPrint::InitialRequest(const PrinterSettings& settings) const {
    PrintRequest r;
    r.settings = settings;
    r.allPages = true;
    r.startPage = 1;
    r.endPage = PageCount();
    r.openNo = openNo_;
    r.kumi = kumi_ == "A" || kumi_ == "B" ? kumi_ : std::string();
    return r;
}

double MarkSheetPrint::BoxValue(const std::string& strText) {
    try {
        if (classic::isNumeric(strText)) return classic::toDouble(strText);
    } catch (const std::exception&) {
    }
    return 0.0;
}

std::string MarkSheetPrint::ShiftText(Currency curMillimetres) {
    const int64_t raw = curMillimetres.raw();
    // "##0.00": two decimals, rounded half away from zero as the classic Format does.
    const int64_t hundredths = (raw >= 0 ? raw + 50 : raw - 50) / 100;
    const int64_t a = hundredths < 0 ? -hundredths : hundredths;
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", hundredths < 0 ? "-" : "",
                  static_cast<long long>(a / 100), static_cast<long long>(a % 100));
    return text;
}

std::string MarkSheetPrint::PageText(int32_t lngPage, int32_t lngPageCount) {
    return utf8::right(
        std::string(10, ' ') + std::to_string(lngPage) + "/" + std::to_string(lngPageCount), 9);
}

std::string MarkSheetPrint::FileText(const std::string& strFileName) {
    std::string out;
    std::size_t bytes = 0;
    for (const char32_t c : utf8::decode(strFileName)) {
        bytes += cp932Bytes(c);
        if (bytes > 10) break;
        out += utf8::encode(c);
    }
    return out;
}

std::string MarkSheetPrint::PairingText(int month, int day, const std::string& strHome,
                                        const std::string& strAway) {
    auto name = [](const std::string& n) {
        std::string s = utf8::left(n, 3);
        for (std::size_t i = utf8::length(s); i < 3; ++i) s += "　";
        return s;
    };
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d ", month, day);
    return date + name(strHome) + " " + name(strAway);
}

std::optional<PairingTexts> MarkSheetPrint::CachedPairings(int32_t lngOpenNo,
                                                           const std::string& strKumi) {
    clsSchedule schedule;
    schedule.Initialize(nullptr);
    if (!schedule.GetSchedule(lngOpenNo, strKumi, 1, false)) return std::nullopt;
    const ScheduleRecord record = schedule.Schedule();
    PairingTexts texts;
    for (int m = 1; m <= 13; ++m) {
        const ScheduleMatch& match = record.Matches[static_cast<std::size_t>(m)];
        texts[static_cast<std::size_t>(m)] =
            PairingText(match.MatchDate.month(), match.MatchDate.day(), match.Home, match.Away);
    }
    return texts;
}

}  // namespace brenvik
