#include "ui/toolkit/QtProgressLog.h"

#include <QApplication>
#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/toolkit/QtText.h"

namespace brenvik::ui {

QtProgressLog::QtProgressLog() = default;
QtProgressLog::~QtProgressLog() = default;

void QtProgressLog::ensureWindow() {
    if (window_) return;
    window_ = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowTitleHint);
    window_->setObjectName(QStringLiteral("frmProgress"));
    window_->setAttribute(Qt::WA_ShowWithoutActivating);
    window_->resize(420, 220);
    auto* layout = new QVBoxLayout(window_.get());
    lines_ = new QListWidget(window_.get());
    lines_->setObjectName(QStringLiteral("lstProgress"));
    lines_->setSelectionMode(QAbstractItemView::NoSelection);
    bar_ = new QProgressBar(window_.get());
    bar_->setObjectName(QStringLiteral("barProgress"));
    bar_->setVisible(false);
    layout->addWidget(lines_);
    layout->addWidget(bar_);
}

void QtProgressLog::repaintNow() {
    window_->repaint();
    // Paint and relayout only; a click must not start another command in the middle.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtProgressLog::open(const std::string& title) {
    ensureWindow();
    // Stay above a main window that is kept on top.
    if (QWidget* active = QApplication::activeWindow())
        window_->setWindowFlag(Qt::WindowStaysOnTopHint,
                               active->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window_->setWindowTitle(toQ(title));
    lines_->clear();
    bar_->setVisible(false);
    window_->show();
    repaintNow();
}

void QtProgressLog::addLine(const std::string& text) {
    ensureWindow();
    lines_->addItem(toQ(text));
    lines_->scrollToBottom();
    repaintNow();
}

void QtProgressLog::setProgress(long long value, long long maximum) {
    ensureWindow();
    if (maximum <= 0) {
        bar_->setVisible(false);
    } else {
        // QProgressBar counts in int; scale long jobs down to per mille.
        const long long clamped = value < 0 ? 0 : (value > maximum ? maximum : value);
        bar_->setRange(0, 1000);
        bar_->setValue(static_cast<int>(clamped * 1000 / maximum));
        bar_->setVisible(true);
    }
    repaintNow();
}

void QtProgressLog::close() {
    if (!window_) return;
    window_->hide();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace brenvik::ui
