#include "ui/toolkit/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/toolkit/QtText.h"

namespace brenvik::ui {
namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// A window kept on top would hide a box that is not.
void keepAboveOwner(QMessageBox& box, const QWidget* owner) {
    if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

}  // namespace

void QtMessages::show(MessageIcon icon, const std::string& title, const std::string& text) {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(iconOf(icon), toQ(title), messageText(text), QMessageBox::Ok, owner);
    keepAboveOwner(box, owner);
    box.exec();
}

bool QtMessages::ask(const std::string& title, const std::string& text) {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, toQ(title), messageText(text),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::Yes);
    keepAboveOwner(box, owner);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace brenvik::ui
