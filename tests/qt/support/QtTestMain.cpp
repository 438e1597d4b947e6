// The main of every Qt window test: one application on the offscreen platform, set up as the
// program sets itself up.
#include <gtest/gtest.h>
#include <QApplication>

#include "ui/qt/AppSetup.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The tests need no display, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    veltrane::qt::SetUpApplication();
    return RUN_ALL_TESTS();
}
