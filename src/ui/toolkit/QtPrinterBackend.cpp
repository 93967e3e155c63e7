#include "ui/toolkit/QtPrinterBackend.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "app/Messages.h"

namespace brenvik::ui {
namespace {

// Thin enough for the test print's millimetre grid, visible on any printer.
constexpr double LineWidthMm = 0.1;

QString toQ(const std::string& s) {
    return QString::fromStdString(s);
}

// Printing needs a GUI application for its fonts; the command line has none, so one is made
// for the duration of the job, without a display.
class GuiScope {
  public:
    GuiScope() {
        if (QGuiApplication::instance()) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Without a desktop session Qt warns about its runtime folder, which a PDF never needs.
        previous_ = qInstallMessageHandler(quietRuntimeDir);
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    ~GuiScope() {
        if (!app_) return;
        app_.reset();
        qInstallMessageHandler(previous_);
    }
    GuiScope(const GuiScope&) = delete;
    GuiScope& operator=(const GuiScope&) = delete;

  private:
    static void quietRuntimeDir(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
        if (text.startsWith(QStringLiteral("QStandardPaths: "))) return;
        if (previous_) previous_(type, context, text);
    }

    static inline QtMessageHandler previous_ = nullptr;
    int argc_ = 1;
    char name_[8] = "brenvik";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

void mapFonts() {
    // The sheet texts ask for the Windows Japanese font by name; the IPA font has its widths.
    if (QFont::substitutes(QStringLiteral("ＭＳ ゴシック")).isEmpty())
        QFont::insertSubstitutions(
            QStringLiteral("ＭＳ ゴシック"),
            {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
             QStringLiteral("VL Gothic")});
}

// A4, full page (origin at the paper corner), the orientation set to the other one first and
// then to the chosen one, as the print window's set-up does. Failures are reported and the
// printer keeps its previous state.
void initializePrinter(QPrinter& printer, PrintOrientation orientation) {
    const ErrorReport report("frmPrint");
    auto failed = [&report](const char* step) {
        report.message("Printer_Initialize", std::string(step) + "に失敗しました。");
    };
    printer.setFullPage(true);
    if (!printer.setPageSize(QPageSize(QPageSize::A4))) failed("用紙の設定");
    const auto chosen =
        orientation == PrintOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    const auto other =
        chosen == QPageLayout::Landscape ? QPageLayout::Portrait : QPageLayout::Landscape;
    if (!printer.setPageOrientation(other)) failed("印刷方向の設定");
    if (!printer.setPageOrientation(chosen)) failed("印刷方向の設定(2)");
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

QColor colorOf(const PrintColor& c) {
    return QColor(c.r, c.g, c.b);
}

// The painter is scaled to millimetres; point sizes are divided by the same factor because the
// scale applies to fonts too.
void drawPage(QPainter& p, const PrintPage& page, double dpmm) {
    p.save();
    p.scale(dpmm, dpmm);
    for (const PrintCommand& c : page.commands) {
        const QRectF rect = QRectF(QPointF(c.x1, c.y1), QPointF(c.x2, c.y2)).normalized();
        switch (c.kind) {
            case PrintCommand::Kind::FillRect:
                p.fillRect(rect, colorOf(c.color));
                break;
            case PrintCommand::Kind::Rect:
                p.setPen(QPen(colorOf(c.color), LineWidthMm));
                p.setBrush(Qt::NoBrush);
                p.drawRect(rect);
                break;
            case PrintCommand::Kind::Line:
                p.setPen(QPen(colorOf(c.color), LineWidthMm));
                p.drawLine(QPointF(c.x1, c.y1), QPointF(c.x2, c.y2));
                break;
            case PrintCommand::Kind::Text: {
                QFont font(toQ(c.fontName));
                font.setPointSizeF(c.pointSize / dpmm);
                p.setFont(font);
                p.setPen(colorOf(c.color));
                const QFontMetricsF metrics(font, p.device());
                // The text's top at the row's y less half the text height: centred on the row.
                const double top = c.y1 - metrics.height() / 2;
                p.drawText(QPointF(c.x1, top + metrics.ascent()), toQ(c.text));
                break;
            }
        }
    }
    p.restore();
}

bool run(QPrinter& printer, const PrintJob& job, std::string& error) {
    initializePrinter(printer, job.orientation);
    printer.setDocName(QStringLiteral("Brenvik"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = "印刷を開始できませんでした。";
        return false;
    }
    const double dpmm = printer.resolution() / 25.4;
    for (std::size_t i = 0; i < job.pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            error = "改ページに失敗しました。";
            painter.end();
            return false;
        }
        drawPage(painter, job.pages[i], dpmm);
    }
    if (!painter.end()) {
        error = "印刷を完了できませんでした。";
        return false;
    }
    return true;
}

}  // namespace

bool PrintJobToPdf(const PrintJob& job, const std::string& path, std::string& error) {
    GuiScope gui;
    mapFonts();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(toQ(path));
    if (!run(printer, job, error)) {
        error += " (" + path + ")";
        return false;
    }
    return true;
}

bool PrintJobToPrinter(const PrintJob& job, std::string& error) {
    GuiScope gui;
    mapFonts();
    QPrinter printer(QPrinter::HighResolution);
    if (!job.printerName.empty()) printer.setPrinterName(toQ(job.printerName));
    if (!printer.isValid()) {
        error = "プリンタが見つかりません。" + job.printerName;
        return false;
    }
    return run(printer, job, error);
}

std::vector<std::string> InstalledPrinterNames() {
    GuiScope gui;
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

std::string DefaultPrinterName() {
    GuiScope gui;
    return QPrinterInfo::defaultPrinterName().toStdString();
}

}  // namespace brenvik::ui
