#pragma once

class QPainter;
class QRect;

namespace brenvik::ui {

// The pictures of the four page buttons of the main window's tool bar.
void DrawRoundListIcon(QPainter& p, const QRect& r, bool selected);
void DrawMultiIcon(QPainter& p, const QRect& r, bool selected);
void DrawSingleIcon(QPainter& p, const QRect& r, bool selected);
void DrawCheckIcon(QPainter& p, const QRect& r, bool selected);

}  // namespace brenvik::ui
