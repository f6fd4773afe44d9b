#include "editor/settingsfile.h"
#include "platform/programdirectory.h"
#include "support/diskentries.h"
#include "support/fakes.h"
#include "support/librarytestmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace tintmill;

namespace {

// A program folder and a home folder side by side in one temporary tree.
struct FakeInstall
{
    QTemporaryDir root;

    QString path(const QString &relative) const { return QDir(root.path()).filePath(relative); }
    UserFolders user() const
    {
        return {path("home/.config/Tintmill"), path("home/.cache/Tintmill"),
                path("home/Documents")};
    }
    void put(const QString &relative) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QVERIFY(test::putFile(path(relative), "False\r\n"));
    }
    // Names each folder the way the rows do.
    QString nameOf(const QString &folderOrFile, const QString &programFolder) const
    {
        // A file is named by its folder.
        const QString folder = QFileInfo(folderOrFile).fileName().contains(u'.')
                                   ? QFileInfo(folderOrFile).path()
                                   : folderOrFile;
        const UserFolders home = user();
        const std::pair<QString, const char *> names[] = {{programFolder, "program"},
                                                          {home.configuration, "config"},
                                                          {home.cache, "cache"},
                                                          {home.documents, "documents"}};
        for (const auto &[candidate, name] : names)
            if (QDir::cleanPath(candidate) == QDir::cleanPath(folder))
                return QString::fromLatin1(name);
        return folder;
    }
};

} // namespace

class TestProgramDirectory : public QObject
{
    Q_OBJECT

private slots:
    void filesGoWhereTheProgramCanKeepThem_data()
    {
        QTest::addColumn<QString>("programFolder"); // inside the fake tree, or absolute
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("present"); // files put in the tree beforehand
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("settingsRead");
        QTest::addColumn<QString>("scratch");
        QTest::addColumn<QString>("documents");

        const QString desktopEntry = "prefix/share/applications/org.example.tintmill.desktop";
        QTest::newRow("writable folder of its own")
            << "Tintmill" << true << QStringList{} << "program"
            << "program"
            << "program"
            << "program";
        QTest::newRow("read-only folder") << "Tintmill" << false << QStringList{} << "config"
                                          << "config"
                                          << "cache"
                                          << "documents";
        QTest::newRow("installed bin/ folder, writable")
            << "prefix/bin" << true << QStringList{desktopEntry} << "config"
            << "config"
            << "cache"
            << "documents";
        QTest::newRow("bin/ folder without an installed tree")
            << "prefix/bin" << true << QStringList{} << "program"
            << "program"
            << "program"
            << "program";
        QTest::newRow("read-only folder, seeded settings")
            << "Tintmill" << false << QStringList{"Tintmill/Tintmill.ini"} << "config"
            << "program"
            << "cache"
            << "documents";
        QTest::newRow("seeded settings, but the user's own come first")
            << "Tintmill" << false
            << QStringList{"Tintmill/Tintmill.ini", "home/.config/Tintmill/Tintmill.ini"}
            << "config"
            << "config"
            << "cache"
            << "documents";
        QTest::newRow("system folder, run as root")
            << "/usr/bin" << true << QStringList{} << "config"
            << "config"
            << "cache"
            << "documents";
    }

    void filesGoWhereTheProgramCanKeepThem()
    {
        QFETCH(QString, programFolder);
        QFETCH(bool, writable);
        QFETCH(QStringList, present);
        FakeInstall tree;
        const QString folder =
            QDir::isAbsolutePath(programFolder) ? programFolder : tree.path(programFolder);
        if (!QDir::isAbsolutePath(programFolder))
            QVERIFY(QDir().mkpath(folder));
        for (const QString &file : present)
            tree.put(file);

        const AppProgramDirectory directory(folder, writable, tree.user());
        const QString ini = QStringLiteral("Tintmill.ini");
        QTEST(tree.nameOf(directory.settingsFilePath(ini), folder), "settings");
        QTEST(tree.nameOf(directory.settingsFileToRead(ini), folder), "settingsRead");
        QTEST(tree.nameOf(directory.scratchFilePath(QStringLiteral("tmp.htm")), folder), "scratch");
        QTEST(tree.nameOf(directory.documentsDirectory(), folder), "documents");
        // Files are written without further checks: the folders must be there.
        QVERIFY(QFileInfo(directory.settingsDirectory()).isDir());
        QVERIFY(QFileInfo(directory.scratchDirectory()).isDir());
    }

    void settingsSeededBesideAnInstalledProgramAreReadThenKeptPerUser()
    {
        FakeInstall tree;
        tree.put("Tintmill/Tintmill.ini"); // one line: the large block's All item off
        const AppProgramDirectory directory(tree.path("Tintmill"), false, tree.user());
        test::FakeMessageBox messageBox;
        ViewOptions options;
        SettingsFile file(options, directory, messageBox);
        file.read();
        QVERIFY(!options.item(ViewOptions::LargeBlock, ViewOptions::All).isChecked());

        file.write();
        QVERIFY(messageBox.shown.isEmpty());
        QCOMPARE(test::entryAt(tree.path("home/.config/Tintmill/Tintmill.ini")).count("\r\n"), 18);
        // The seed is left as the administrator wrote it.
        QCOMPARE(test::entryAt(tree.path("Tintmill/Tintmill.ini")),
                 QStringLiteral("file:False\r\n"));
    }
};

TINTMILL_LIBRARY_TEST_MAIN(TestProgramDirectory)
#include "tst_programdirectory.moc"
