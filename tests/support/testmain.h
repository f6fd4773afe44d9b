#pragma once

#include "testscreen.h"

#include <QApplication>
#include <QtTest>

namespace tintmill::test {

// Headless by default, and the browser engine may run as root.
inline void prepareEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace tintmill::test

#define TINTMILL_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        tintmill::test::prepareEnvironment();                                                      \
        tintmill::test::prepareScreen();                                                           \
        QApplication app(argc, argv);                                                              \
        TestObject testObject;                                                                     \
        return QTest::qExec(&testObject, argc, argv);                                              \
    }
