// Prints, for each name given, the MIME type the desktop's database gives it
// by its name alone, whether that type is a kind of text/plain, and its
// comment in the language of the environment; one tab-separated line each.
// The install tree check points XDG_DATA_DIRS at the installed tree.
// Usage: tintmill_mimetypeof NAME...

#include <QCoreApplication>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QMimeDatabase database;
    for (const QString &name : QCoreApplication::arguments().mid(1)) {
        const QMimeType type = database.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        const QString line =
            QStringLiteral("%1\t%2\t%3\t%4\n")
                .arg(name, type.name(),
                     type.inherits(QStringLiteral("text/plain")) ? QStringLiteral("text")
                                                                 : QStringLiteral("not text"),
                     type.comment());
        std::fputs(line.toUtf8().constData(), stdout);
    }
    return 0;
}
