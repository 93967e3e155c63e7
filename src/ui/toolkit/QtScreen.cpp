#include "ui/toolkit/QtScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace brenvik::ui {

double QtScreen::logicalDpiX() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double QtScreen::logicalDpiY() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}

}  // namespace brenvik::ui
