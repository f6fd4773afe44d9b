#pragma once

#include <QCoreApplication>
#include <QTest>

// The main of a test of a library below the user interface: a
// QCoreApplication, no display, and no widget or GUI header in reach, so a
// test that needs one does not build.
#define TINTMILL_LIBRARY_TEST_MAIN(TestObject)                                                     \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        TestObject testObject;                                                                     \
        return QTest::qExec(&testObject, argc, argv);                                              \
    }
