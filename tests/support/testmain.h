#pragma once

#include <QApplication>
#include <QtTest>

namespace tintmill::test {

// Headless by default, and the browser engine may run as root. Nothing is
// prepared for the engine beyond that: tests start as the program does, and
// the engine comes with the browser module when a test needs it.
inline void prepareEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace tintmill::test

#define TINTMILL_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        tintmill::test::prepareEnvironment();                                                      \
        QApplication app(argc, argv);                                                              \
        TestObject testObject;                                                                     \
        return QTest::qExec(&testObject, argc, argv);                                              \
    }
