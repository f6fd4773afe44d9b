#include "browsermoduleloader.h"

#include "browser/browsermodule.h"
#include "globalsharecontext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace tintmill {

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

BrowserModule *loadBrowserModule(const QStringList &folders, QString *failure)
{
    QStringList tried;
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QStringLiteral(TINTMILL_BROWSER_MODULE_FILE));
        if (!QFileInfo::exists(path)) {
            tried.append(path + QStringLiteral(": not there"));
            continue;
        }
        // Before the engine's library is loaded: it looks for the context then.
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
