#include <gtest/gtest.h>

#include <QApplication>

#include "ui/toolkit/AppSetup.h"

int main(int argc, char* argv[]) {
    // Test discovery runs the program outside CTest's environment, where there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    brenvik::ui::setUpApplication(app);
    return RUN_ALL_TESTS();
}
