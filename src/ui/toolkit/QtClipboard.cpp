#include "ui/toolkit/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/toolkit/QtText.h"

namespace brenvik::ui {

QtClipboard::QtClipboard() {
    setClipboard(this);
}

QtClipboard::~QtClipboard() {
    if (&clipboard() == this) setClipboard(nullptr);
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(messageText(text));
}

}  // namespace brenvik::ui
