#include "ui/frmWinInet.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/toolkit/QtText.h"

namespace brenvik::ui {

namespace {

// Quarter turns of a globe: enough to show that the program still lives.
const char* const Frames[] = {"◐", "◓", "◑", "◒"};
constexpr qint64 PaintIntervalMs = 50;

}  // namespace

bool QtOwnerWindow::isTopmost() const {
    return window_ && window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void QtOwnerWindow::repaint() {
    if (window_) window_->repaint();
}

frmWinInet::frmWinInet() = default;

frmWinInet::~frmWinInet() {
    if (&downloadProgress() == this) setDownloadProgress(nullptr);
}

void frmWinInet::install() {
    auto* window = new frmWinInet;
    window->setParent(QCoreApplication::instance());
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, window,
                     [window] {
                         setDownloadProgress(nullptr);
                         window->window_.reset();
                     });
    setDownloadProgress(window);
}

void frmWinInet::ensureWindow() {
    if (window_) return;
    window_ = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowTitleHint);
    window_->setObjectName(QStringLiteral("frmWinInet"));
    window_->setWindowTitle(toQ(DownloadProgressCaption));
    window_->setAttribute(Qt::WA_ShowWithoutActivating);
    window_->resize(400, 180);
    auto* outer = new QVBoxLayout(window_.get());
    outer->setContentsMargins(0, 0, 0, 0);
    auto* picBase = new QFrame(window_.get());
    picBase->setObjectName(QStringLiteral("picBase"));
    picBase->setFrameShape(QFrame::StyledPanel);
    picBase->setAutoFillBackground(true);
    outer->addWidget(picBase);
    auto* row = new QHBoxLayout(picBase);
    imgEarthAni_ = new QLabel(picBase);
    imgEarthAni_->setObjectName(QStringLiteral("imgEarthAni"));
    imgEarthAni_->setText(QString::fromUtf8(Frames[0]));
    QFont big = imgEarthAni_->font();
    big.setPointSize(big.pointSize() * 2);
    imgEarthAni_->setFont(big);
    imgEarthAni_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    imgEarthAni_->setFixedWidth(40);
    lstMsg_ = new QListWidget(picBase);
    lstMsg_->setObjectName(QStringLiteral("lstMsg"));
    row->addWidget(imgEarthAni_);
    row->addWidget(lstMsg_);
    sincePaint_.start();
}

void frmWinInet::repaintNow() {
    window_->repaint();
    // Paint and relayout only: a click must not start another command mid-download.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sincePaint_.restart();
}

void frmWinInet::openFor(const OwnerWindow* owner) {
    ensureWindow();
    const auto* qtOwner = dynamic_cast<const QtOwnerWindow*>(owner);
    QWidget* parent = qtOwner ? qtOwner->widget() : QApplication::activeWindow();
    const bool topmost = owner ? owner->isTopmost()
                               : parent && parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (!window_->isVisible()) {
        window_->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        if (parent) {
            const QRect area = parent->frameGeometry();
            window_->move(area.center() - window_->rect().center());
        }
    }
    window_->show();
    repaintNow();
}

void frmWinInet::addLine(const std::string& text) {
    ensureWindow();
    lstMsg_->addItem(toQ(text));
    lstMsg_->setCurrentRow(lstMsg_->count() - 1);
    lstMsg_->scrollToBottom();
    repaintNow();
}

void frmWinInet::appendText(const std::string& text) {
    ensureWindow();
    if (lstMsg_->count() == 0) {
        addLine(text);
        return;
    }
    QListWidgetItem* last = lstMsg_->item(lstMsg_->count() - 1);
    last->setText(last->text() + toQ(text));
    // Dots come with every kilobyte; paint at a pace the eye can follow.
    if (sincePaint_.elapsed() >= PaintIntervalMs) repaintNow();
}

void frmWinInet::setProgress(long long, long long) {
    if (!window_ || !window_->isVisible()) return;
    if (sincePaint_.elapsed() < PaintIntervalMs) return;
    frame_ = (frame_ + 1) % 4;
    imgEarthAni_->setText(QString::fromUtf8(Frames[frame_]));
    repaintNow();
}

void frmWinInet::close() {
    if (!window_) return;
    window_->hide();
    lstMsg_->clear();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace brenvik::ui
