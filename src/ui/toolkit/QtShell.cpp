#include "ui/toolkit/QtShell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "ui/toolkit/QtText.h"

namespace brenvik::ui {
namespace {

bool isAddress(const QString& s) {
    return s.contains(QStringLiteral("://"));
}

QUrl urlOf(const QString& s) {
    if (isAddress(s)) return QUrl(s);
    return QUrl::fromLocalFile(QFileInfo(s).absoluteFilePath());
}

// Runs the process to its end, letting the windows repaint meanwhile.
bool runAndWait(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted()) return false;
    while (process.state() != QProcess::NotRunning) {
        QApplication::processEvents(QEventLoop::AllEvents, 100);
        process.waitForFinished(100);
    }
    return true;
}

}  // namespace

bool QtShell::open(const std::string& file, const std::string& parameters, int /*showCode*/,
                   bool wait) {
    const QString target = toQ(file);
    if (target.isEmpty()) return false;
    // A program with parameters is run, as the desktop's "open" runs a program.
    const QFileInfo info(target);
    if (!isAddress(target) && info.isFile() && info.isExecutable()) {
        const QStringList args = QProcess::splitCommand(toQ(parameters));
        if (wait) return runAndWait(info.absoluteFilePath(), args);
        return QProcess::startDetached(info.absoluteFilePath(), args);
    }
    if (!isAddress(target) && !info.exists()) return false;
    if (!wait) return QDesktopServices::openUrl(urlOf(target));
    return runAndWait(QStringLiteral("xdg-open"), {urlOf(target).toString()});
}

bool QtShell::start(const std::string& commandLine, bool wait) {
    QStringList args = QProcess::splitCommand(toQ(commandLine));
    if (args.isEmpty()) return false;
    const QString program = args.takeFirst();
    if (wait) return runAndWait(program, args);
    return QProcess::startDetached(program, args);
}

}  // namespace brenvik::ui
