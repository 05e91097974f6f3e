#include <QApplication>
#include <gtest/gtest.h>

// Widgets and clipboard tests need the application object before the first test runs.
// Without a display they run offscreen, also when ctest lists them.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("TindrelTests");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
