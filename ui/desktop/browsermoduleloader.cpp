#include "browsermoduleloader.h"

#include "browser/browsermodule.h"
#include "browserrendering.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QThread>
#include <QTimer>

namespace tintmill {

namespace {

QString modulePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral(TINTMILL_BROWSER_MODULE_FILE));
}

} // namespace

QStringList defaultBrowserModuleFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    QStringList folders{program,
                        program + u'/' + QStringLiteral(TINTMILL_BROWSER_MODULE_FROM_PROGRAM),
                        QStringLiteral(TINTMILL_BROWSER_MODULE_INSTALL_DIR),
                        QStringLiteral(TINTMILL_BROWSER_MODULE_BUILD_DIR)};
    for (QString &folder : folders)
        folder = QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}

QThread *prepareBrowserModule(const QStringList &folders, QObject *receiver,
                              std::function<void()> ready)
{
    QStringList paths;
    for (const QString &folder : folders) {
        if (QFileInfo::exists(modulePath(folder)))
            paths.append(modulePath(folder));
    }
    if (paths.isEmpty()) {
        QTimer::singleShot(0, receiver, std::move(ready));
        return nullptr;
    }
    // Before the engine's library is loaded: it looks for the context then.
    prepareSoftwareBrowserRendering();
    // Loading the engine's libraries takes a while; the window stays
    // responsive meanwhile. A library loaded here stays loaded;
    // loadBrowserModule() finds it so and only makes the module's entry
    // object, on its own thread.
    QThread *worker = QThread::create([paths] {
        for (const QString &path : paths) {
            if (QPluginLoader(path).load())
                break;
        }
    });
    QObject::connect(worker, &QThread::finished, receiver, std::move(ready));
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
    return worker;
}

BrowserModule *loadBrowserModule(const QStringList &folders, QString *failure)
{
    QStringList tried;
    for (const QString &folder : folders) {
        const QString path = modulePath(folder);
        if (!QFileInfo::exists(path)) {
            tried.append(path + QStringLiteral(": not there"));
            continue;
        }
        // Before the engine makes its first view, which needs it.
        prepareSoftwareBrowserRendering();
        QPluginLoader loader(path);
        if (auto *module = qobject_cast<BrowserModule *>(loader.instance()))
            return module;
        // A broken or stale copy must not hide a good one further on.
        tried.append(path + QStringLiteral(": ") +
                     (loader.isLoaded() ? QStringLiteral("not a browser module of this version")
                                        : loader.errorString()));
    }
    if (failure)
        *failure = tried.join(u'\n');
    return nullptr;
}

} // namespace tintmill
