#include "ui/frmLoadQel.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/AppInfo.h"
#include "app/basStandard.h"
#include "ui/toolkit/QtText.h"

namespace brenvik::ui {
namespace {

// The product logo: the name beside a small mark sheet with a few cells filled.
class Logo final : public QWidget {
  public:
    explicit Logo(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("picLogo"));
        setFixedSize(340, 120);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor line(254, 55, 67), stripe(254, 217, 211);
        p.fillRect(rect(), Qt::white);

        // Sheet: three outcome columns, five match rows, the marked cells filled.
        const QRectF sheet(16, 14, 78, 92);
        p.setPen(QPen(line, 1.5));
        p.setBrush(stripe);
        p.drawRoundedRect(sheet, 4, 4);
        static const int marks[5][3] = {{1, 0, 0}, {0, 1, 1}, {0, 0, 1}, {1, 1, 0}, {0, 1, 0}};
        const double cw = (sheet.width() - 12) / 3, ch = (sheet.height() - 12) / 5;
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col) {
                const QRectF cell(sheet.left() + 6 + col * cw + 4, sheet.top() + 6 + row * ch + 3,
                                  cw - 8, ch - 6);
                p.setPen(QPen(line, 1));
                p.setBrush(marks[row][col] ? QBrush(QColor(35, 35, 35)) : QBrush(Qt::white));
                p.drawRect(cell);
            }

        QFont title(QStringLiteral("IPAPGothic"));
        title.setPixelSize(44);
        title.setBold(true);
        p.setFont(title);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(110, 18, 230, 56), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(app::Title));
        p.setPen(QPen(line, 3));
        p.drawLine(QPointF(112, 78), QPointF(322, 78));
        QFont sub(QStringLiteral("ＭＳ Ｐゴシック"));
        sub.setPixelSize(13);
        p.setFont(sub);
        p.setPen(QColor(90, 90, 90));
        p.drawText(QRectF(112, 82, 220, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("toto マルチ・シングル変換"));
    }
};

}  // namespace

frmLoadQel::frmLoadQel(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmLoadQel"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(new Logo(this));
    lblCopyright = new QLabel(this);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCopyright->setAlignment(Qt::AlignCenter);
    lblCopyright->setText(QString::fromUtf8(app::LegalCopyright) + QStringLiteral("\n") +
                          QStringLiteral("Version ") + toQ(basStandard::AppVersionText()));
    layout->addWidget(lblCopyright);
    setFixedSize(sizeHint());
}

void frmLoadQel::paintEvent(QPaintEvent*) {
    // Frameless, so it draws its own border.
    QPainter p(this);
    p.setPen(QColor(254, 55, 67));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmLoadQel::ShowNow() {
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace brenvik::ui
