#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for every test program, so that widget tests and logic tests share a main.
// The CTest environment selects the offscreen platform; without it this falls back to it.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
