#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// The widgets need one application object for the whole run; without a display the tests
// run on the offscreen platform, and nothing touches the user's own settings.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
