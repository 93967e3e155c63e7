#include "ui/toolkit/QtBusyPointer.h"

#include <QApplication>
#include <QCursor>

namespace brenvik::ui {

void QtBusyPointer::begin() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void QtBusyPointer::end() {
    // An unmatched end must not pop a cursor someone else set.
    if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

}  // namespace brenvik::ui
