#pragma once

#include <QByteArray>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace tintmill::test {

// The offscreen platform's own screen is 800 x 600, smaller than the main
// window. Tests of the usual case get the room of a desktop screen instead;
// tests of small screens ask for theirs with TINTMILL_TEST_SCREEN=WIDTHxHEIGHT
// (device pixels; QT_SCALE_FACTOR scales it as a desktop setting would).
inline void prepareScreen()
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen")
        return;
    int width = 1920;
    int height = 1080;
    const QRegularExpressionMatch asked = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$"))
                                              .match(qEnvironmentVariable("TINTMILL_TEST_SCREEN"));
    if (asked.hasMatch()) {
        width = asked.captured(1).toInt();
        height = asked.captured(2).toInt();
    }
    static QTemporaryFile config(
        QDir::temp().filePath(QStringLiteral("tintmill-screen-XXXXXX.json")));
    if (!config.open())
        return;
    config.write(QStringLiteral("{\"screens\":[{\"name\":\"test\",\"x\":0,\"y\":0,\"width\":%1,"
                                "\"height\":%2,\"logicalDpi\":96,\"logicalBaseDpi\":96,"
                                "\"dpr\":1}]}")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}

} // namespace tintmill::test
