#pragma once
// The main() of a test executable: like QTEST_MAIN, but runs offscreen even when the
// executable is started by hand (CTest sets QT_QPA_PLATFORM=offscreen too).
#include <QApplication>
#include <QTest>

namespace testsupport {

// Chooses the offscreen platform unless one is set.
void PrepareTestProcess();

} // namespace testsupport

#define TESTSUPPORT_MAIN(TestObject)                           \
    int main(int argc, char* argv[])                           \
    {                                                          \
        testsupport::PrepareTestProcess();                     \
        QApplication app(argc, argv);                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);               \
        TestObject tc;                                         \
        QTEST_SET_MAIN_SOURCE_PATH                             \
        return QTest::qExec(&tc, argc, argv);                  \
    }
