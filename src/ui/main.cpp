#include <QApplication>

#include "app/BusyPointer.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/ProgressLog.h"
#include "app/Screen.h"
#include "app/Shell.h"
#include "app/basMain.h"
#include "ui/ProgramStartup.h"
#include "ui/toolkit/AppSetup.h"
#include "ui/toolkit/QtBusyPointer.h"
#include "ui/toolkit/QtClipboard.h"
#include "ui/toolkit/QtMessages.h"
#include "ui/toolkit/QtProgressLog.h"
#include "ui/toolkit/QtScreen.h"
#include "ui/toolkit/QtShell.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    brenvik::ui::setUpApplication(app);

    brenvik::ui::QtMessages messages;
    brenvik::ui::QtBusyPointer busy;
    brenvik::ui::QtProgressLog progress;
    brenvik::ui::QtScreen screen;
    brenvik::ui::QtShell shell;
    brenvik::ui::QtClipboard clipboard;  // installs itself
    brenvik::setMessages(&messages);
    brenvik::setBusyPointer(&busy);
    brenvik::setProgressLog(&progress);
    brenvik::setScreen(&screen);
    brenvik::setShell(&shell);

    brenvik::programFolder().setPath(brenvik::ProgramFolder::detect(argv[0]));

    int rc = 1;
    {
        // The windows go before the adapters they may still call.
        brenvik::ui::ProgramStartup steps;
        if (brenvik::basMain::Startup(steps)) rc = QApplication::exec();
    }

    brenvik::setShell(nullptr);
    brenvik::setScreen(nullptr);
    brenvik::setProgressLog(nullptr);
    brenvik::setBusyPointer(nullptr);
    brenvik::setMessages(nullptr);
    return rc;
}
