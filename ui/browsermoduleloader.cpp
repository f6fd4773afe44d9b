#include "browsermoduleloader.h"

#include "browser/browsermodule.h"
#include "globalsharecontext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QThread>
#include <QTimer>
#include <memory>

namespace tintmill {

namespace {

QString modulePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral(TINTMILL_BROWSER_MODULE_FILE));
}

} // namespace

QStringList defaultBrowserModuleFolders()
{
    QStringList folders{QCoreApplication::applicationDirPath(),
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
    const bool needsContext = !hasGlobalShareContext();
    // Before the engine's library is loaded: it checks for it then.
    if (needsContext)
        announceSharedContexts();
    auto context = std::make_shared<QOpenGLContext *>(nullptr);
    QThread *const userInterface = QThread::currentThread();
    QThread *worker = QThread::create([paths, needsContext, context, userInterface] {
        if (needsContext)
            *context = makeShareContext(userInterface);
        // A library loaded here stays loaded; loadBrowserModule() finds it
        // so and only makes the module's entry object, on its own thread.
        for (const QString &path : paths) {
            if (QPluginLoader(path).load())
                break;
        }
    });
    // The context is put in place whatever becomes of the receiver.
    QObject::connect(worker, &QThread::finished, QCoreApplication::instance(), [context] {
        if (*context)
            installGlobalShareContext(*context);
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
        ensureGlobalShareContext();
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
