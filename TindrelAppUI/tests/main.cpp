#include "TindrelAppUI/inspector/InspectorModel.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widgets and clipboard tests need the application object before the first test runs.
// Without a display they run offscreen, also when ctest lists them.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("TindrelTests");
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Models a test let go of may have left work running; it must end before the statics it uses.
    tindrel::InspectorModel::waitForWorkers(30000);
    return result;
}
