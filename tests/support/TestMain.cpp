#include <gtest/gtest.h>

#ifdef DAYLARK_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication; // fonts and painting, no widgets
#endif

#include <ctime>

// One application object for every test program, in a pinned environment: the time zone and
// the locale are fixed, whatever the machine's, and without a platform chosen (CTest chooses
// offscreen) there is no display either.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    // The language a developer's desktop prefers must not reach the tests: they speak English
    // unless a test installs a translation itself.
    qunsetenv("LANGUAGE");
    tzset();
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
