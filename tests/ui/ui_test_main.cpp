// The main of the window tests: offscreen unless a platform is chosen (the test
// discovery runs this binary at build time, with no display), Qt's own file dialog,
// one application for all tests, numbers with a point whatever the locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The Qt file dialog, not a desktop portal, so that the tests can drive it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
