// Test main of the program's windows: a Qt application on the offscreen platform, then the
// tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // No printers, whatever the machine has: printing goes to PDF files.
    setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
