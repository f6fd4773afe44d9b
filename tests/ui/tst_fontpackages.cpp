#include "support/testmain.h"
#include "ui/widgets/fonts.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace tintmill;

namespace {

// What `program arguments` prints, or a null string when it failed.
QString outputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The packages the project's install script brings to a fresh machine.
QStringList installedByTheScripts()
{
    QFile script(QStringLiteral(TINTMILL_INSTALL_SCRIPT));
    if (!script.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(script.readAll());
    const QRegularExpressionMatch list =
        QRegularExpression(QStringLiteral("packages=\\(([^)]*)\\)")).match(text);
    return list.captured(1).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace

// The approved images are only worth something if a fresh machine draws with
// the same faces: every face the program asks for must come from a package
// the install script brings, and no icon may leave its glyphs to a font.
class TestFontPackages : public QObject
{
    Q_OBJECT

private slots:
    void everyFaceComesFromAnInstalledPackage_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::newRow("colour captions") << fonts::gothic(10.5);
        QTest::newRow("sample text") << fonts::proportionalGothic(9.75);
        fonts::applyApplicationFont();
        QTest::newRow("window font") << QApplication::font();
    }

    void everyFaceComesFromAnInstalledPackage()
    {
        QFETCH(QFont, font);
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg")).isEmpty())
            QSKIP("Only a Debian machine says which package holds a font file.");
        const QStringList packages = installedByTheScripts();
        QVERIFY2(!packages.isEmpty(), TINTMILL_INSTALL_SCRIPT " lists no packages");

        const QString family = font.family();
        const QStringList match =
            outputOf(QStringLiteral("fc-match"),
                     {QStringLiteral("--format=%{family[0]}\n%{file}"), family})
                .split(QLatin1Char('\n'));
        QCOMPARE(match.size(), 2);
        // fontconfig answers with some other face when it lacks the one asked for.
        QCOMPARE(match.at(0), family);

        const QString owner = outputOf(QStringLiteral("dpkg"), {QStringLiteral("-S"), match.at(1)});
        const QString package = owner.section(QLatin1Char(':'), 0, 0);
        QVERIFY2(packages.contains(package),
                 qPrintable(QStringLiteral("%1 is drawn from %2 of package '%3', which "
                                           "scripts/install-deps.sh does not install")
                                .arg(family, match.at(1), package)));
    }

    void iconsCarryTheirGlyphsAsPaths()
    {
        const QStringList icons = QDir(QStringLiteral(":/icons")).entryList({"*.svg"});
        QVERIFY(icons.size() >= 9);
        for (const QString &name : icons) {
            QFile icon(QStringLiteral(":/icons/") + name);
            QVERIFY(icon.open(QIODevice::ReadOnly));
            const QByteArray svg = icon.readAll();
            QVERIFY2(!svg.contains("<text") && !svg.contains("font"), qPrintable(name));
        }
    }
};

TINTMILL_TEST_MAIN(TestFontPackages)
#include "tst_fontpackages.moc"
