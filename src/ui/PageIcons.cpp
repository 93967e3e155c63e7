#include "ui/PageIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>

namespace brenvik::ui {
namespace {

const QColor kLine(254, 55, 67);
const QColor kStripe(254, 217, 211);

QColor ink(bool selected) {
    return selected ? kLine : QColor(90, 90, 90);
}

}  // namespace

void DrawRoundListIcon(QPainter& p, const QRect& r, bool selected) {
    // A calendar sheet.
    const QRectF sheet = QRectF(r).adjusted(3, 5, -3, -1);
    p.setPen(QPen(ink(selected), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 6), ink(selected));
    for (double x : {sheet.left() + 7, sheet.right() - 7})
        p.drawLine(QPointF(x, r.top() + 2), QPointF(x, sheet.top() + 3));
    p.setPen(Qt::NoPen);
    p.setBrush(ink(selected));
    const double cw = (sheet.width() - 6) / 4, ch = (sheet.height() - 12) / 3;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(sheet.left() + 3 + col * cw + 1, sheet.top() + 9 + row * ch, cw - 3,
                              ch - 3));
}

void DrawMultiIcon(QPainter& p, const QRect& r, bool selected) {
    // A mark sheet: three columns of cells, some marked twice in a row.
    const QRectF area = QRectF(r).adjusted(4, 1, -4, -1);
    p.setPen(QPen(kLine, 1));
    p.setBrush(selected ? kStripe : Qt::white);
    p.drawRect(area);
    const double cw = area.width() / 3, ch = area.height() / 6;
    static const int marks[6][3] = {{1, 0, 0}, {1, 1, 0}, {0, 0, 1},
                                    {1, 1, 1}, {0, 1, 0}, {1, 0, 1}};
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF cell(area.left() + col * cw + 3, area.top() + row * ch + 1.5, cw - 6,
                              ch - 3);
            p.setPen(QPen(kLine, 0.8));
            p.setBrush(marks[row][col] ? QBrush(QColor(30, 30, 30)) : QBrush(Qt::white));
            p.drawRect(cell);
        }
}

void DrawSingleIcon(QPainter& p, const QRect& r, bool selected) {
    // A column of singles: one mark per row.
    const QRectF area = QRectF(r).adjusted(2, 1, -2, -1);
    const double rowH = area.height() / 5;
    static const int pick[5] = {0, 2, 1, 0, 2};
    for (int row = 0; row < 5; ++row) {
        const QRectF line(area.left(), area.top() + row * rowH, area.width(), rowH);
        p.fillRect(line, row % 2 ? QColor(255, 255, 255) : kStripe);
        p.setPen(QPen(ink(selected), 1));
        p.drawLine(line.bottomLeft(), line.bottomRight());
        const double cw = area.width() / 3;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(
            QRectF(area.left() + pick[row] * cw + cw / 2 - 2.5, line.center().y() - 2.5, 5, 5));
    }
}

void DrawCheckIcon(QPainter& p, const QRect& r, bool selected) {
    // A tick over a sheet.
    const QRectF sheet = QRectF(r).adjusted(4, 3, -4, -1);
    p.setPen(QPen(ink(selected), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int i = 1; i < 5; ++i) {
        const double y = sheet.top() + i * sheet.height() / 5;
        p.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));
    }
    QPainterPath tick;
    tick.moveTo(sheet.left() + 4, sheet.center().y());
    tick.lineTo(sheet.center().x() - 2, sheet.bottom() - 5);
    tick.lineTo(sheet.right() + 2, sheet.top() - 2);
    p.setPen(QPen(kLine, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

}  // namespace brenvik::ui
