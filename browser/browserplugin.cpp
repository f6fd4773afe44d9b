#include "browserplugin.h"

#include "webpreviewview.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QQuickWindow>

namespace tintmill {

namespace {

// The engine runs its pages in a helper program and ends the whole process
// at once when it cannot find it. Look where the engine looks, first, so that
// a missing helper costs the preview only.
QString missingHelperProgram()
{
    const QString name = QStringLiteral("QtWebEngineProcess");
    const QString fromEnvironment = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    const QStringList candidates =
        !fromEnvironment.isEmpty()
            ? QStringList{fromEnvironment}
            : QStringList{QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + u'/' + name,
                          QCoreApplication::applicationDirPath() + u'/' + name};
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isExecutable())
            return {};
    }
    return candidates.join(QStringLiteral(", "));
}

} // namespace

PreviewView *BrowserPlugin::createView(QWidget *parent, const PreviewViewHooks &hooks,
                                       QString *failure)
{
    if (const QString missing = missingHelperProgram(); !missing.isEmpty()) {
        if (failure)
            *failure = QStringLiteral("QtWebEngineProcess not found: ") + missing;
        return nullptr;
    }
    // Before the first view: the engine's views are Qt Quick scenes, and Qt
    // Quick settles how it draws when it makes its first one. The program
    // gave the engine no OpenGL (see the program's browserrendering.h).
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return new WebPreviewView(parent, hooks);
}

} // namespace tintmill
