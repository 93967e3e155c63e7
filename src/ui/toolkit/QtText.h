#pragma once
#include <QString>
#include <string>

namespace brenvik::ui {

// The core's UTF-8 strings and Qt's strings.
inline QString toQ(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string fromQ(const QString& s) {
    return s.toStdString();
}

// A message text: the core breaks lines with CR LF, Qt with LF.
inline QString messageText(const std::string& s) {
    QString t = toQ(s);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

}  // namespace brenvik::ui
