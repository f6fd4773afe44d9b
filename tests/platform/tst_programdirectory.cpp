#include "editor/settingsfile.h"
#include "platform/programdirectory.h"
#include "support/diskentries.h"
#include "support/fakes.h"
#include "support/librarytestmain.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
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
        // An account that has its documents folder (see the test below).
        QVERIFY(QDir().mkpath(tree.user().documents));

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

    // An installed program's colour file dialogs start in the documents
    // folder the desktop names, or, on an account that has none (yet), in the
    // nearest folder above it that exists: given a missing folder, a file
    // dialog would take its last name for a file name.
    void dialogsStartInAFolderThatExists_data()
    {
        // The XDG_DOCUMENTS_DIR line of user-dirs.dirs; none when empty.
        QTest::addColumn<QString>("userDirs");
        // Under the home before the program starts ("file NAME" a file), and
        // while it runs.
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("whileRunning");
        // Where the dialogs start, under the home.
        QTest::addColumn<QString>("start");

        const QStringList none;
        const QString papers = R"(XDG_DOCUMENTS_DIR="$HOME/Papers/Work")";
        QTest::newRow("fresh account") << "" << none << none << "";
        QTest::newRow("Documents there") << "" << QStringList{"Documents"} << none << "Documents";
        QTest::newRow("Documents made while running")
            << "" << none << QStringList{"Documents"} << "Documents";
        QTest::newRow("a file named Documents")
            << "" << QStringList{"file Documents"} << none << "";
        QTest::newRow("named folder missing, its parent there")
            << papers << QStringList{"Papers"} << none << "Papers";
        QTest::newRow("named folder there")
            << papers << QStringList{"Papers/Work"} << none << "Papers/Work";
    }
    void dialogsStartInAFolderThatExists()
    {
        FakeInstall tree;
        const QString home = tree.path("home");
        QVERIFY(QDir().mkpath(home + "/.config"));
        const QByteArrayList variables{"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"};
        QList<QByteArray> saved;
        for (const QByteArray &variable : variables)
            saved << qgetenv(variable.constData());
        const auto restore = qScopeGuard([&] {
            for (qsizetype i = 0; i < variables.size(); ++i)
                qputenv(variables.at(i).constData(), saved.at(i));
        });
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + "/.config"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home + "/.cache"));
        QFETCH(QString, userDirs);
        if (!userDirs.isEmpty())
            QVERIFY(test::putFile(home + "/.config/user-dirs.dirs", userDirs.toUtf8() + '\n'));
        const auto make = [&home](const QStringList &entries) {
            for (const QString &entry : entries) {
                if (entry.startsWith(QLatin1String("file ")))
                    QVERIFY(test::putFile(home + '/' + entry.mid(5), "x"));
                else
                    QVERIFY(QDir().mkpath(home + '/' + entry));
            }
        };
        QFETCH(QStringList, before);
        make(before);

        const AppProgramDirectory directory(tree.path("Tintmill"), false, currentUserFolders());
        QFETCH(QStringList, whileRunning);
        make(whileRunning);
        QFETCH(QString, start);
        QCOMPARE(directory.documentsDirectory(), QDir::cleanPath(home + '/' + start));
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
