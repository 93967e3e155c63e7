#include "ui/toolkit/PictureButton.h"

#include <QPainter>
#include <utility>

namespace brenvik::ui {

PictureButton::PictureButton(const QString& caption, Picture picture, QWidget* parent)
    : QAbstractButton(parent), picture_(std::move(picture)) {
    setText(caption);
    setFixedSize(64, 64);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setSelected(bool on) {
    if (selected_ == on) return;
    selected_ = on;
    update();
}

void PictureButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = rect().adjusted(1, 1, -1, -1);
    QColor back = selected_ ? QColor(254, 217, 211) : QColor(255, 255, 255);
    if (hover_ && !selected_) back = QColor(255, 240, 236);
    p.setPen(selected_ ? QColor(254, 55, 67) : QColor(200, 200, 200));
    p.setBrush(back);
    p.drawRoundedRect(r, 6, 6);

    const QRect pictureArea(r.left() + (r.width() - 34) / 2, r.top() + 5, 34, 34);
    if (picture_) {
        p.save();
        picture_(p, pictureArea, selected_);
        p.restore();
    }
    p.setPen(isEnabled() ? QColor(40, 40, 40) : QColor(160, 160, 160));
    QFont f = font();
    if (selected_) f.setBold(true);
    p.setFont(f);
    p.drawText(
        QRect(r.left(), pictureArea.bottom() + 2, r.width(), r.bottom() - pictureArea.bottom() - 2),
        Qt::AlignHCenter | Qt::AlignTop, text());
}

}  // namespace brenvik::ui
