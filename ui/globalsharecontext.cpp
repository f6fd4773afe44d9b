#include "globalsharecontext.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QThread>

// QtGui's own hook for the context that Qt::AA_ShareOpenGLContexts would
// create at start-up. It is exported but declared only in a private header;
// the browser module's rendering test fails loudly should it ever change.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

namespace tintmill {

namespace {

QOpenGLContext *ownContext = nullptr;

QtMessageHandler previousHandler = nullptr;

// Qt warns that the attribute belongs before the application is made, which
// is true of the context it makes there; here the context comes with it.
void withoutLateAttributeWarning(QtMsgType type, const QMessageLogContext &context,
                                 const QString &message)
{
    if (type == QtWarningMsg && message.contains(QStringLiteral("AA_ShareOpenGLContexts")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

// Runs while the application is still whole, before the platform is gone.
void releaseOwnContext()
{
    if (qt_gl_global_share_context() == ownContext)
        qt_gl_set_global_share_context(nullptr);
    delete ownContext;
    ownContext = nullptr;
}

} // namespace

void announceSharedContexts()
{
    if (QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
        return;
    // Widgets that render with OpenGL (the engine's among them) ask for it too.
    previousHandler = qInstallMessageHandler(withoutLateAttributeWarning);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previousHandler);
}

QOpenGLContext *makeShareContext(QThread *owner)
{
    // Made as QGuiApplication makes it, with the default format. Where no GL
    // is available create() fails, and the engine draws in software as it
    // would with the attribute set early.
    auto *context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    context->moveToThread(owner);
    return context;
}

void installGlobalShareContext(QOpenGLContext *context)
{
    if (qt_gl_global_share_context()) {
        delete context;
        return;
    }
    ownContext = context;
    qt_gl_set_global_share_context(ownContext);
    qAddPostRoutine(releaseOwnContext);
}

void ensureGlobalShareContext()
{
    if (hasGlobalShareContext())
        return;
    announceSharedContexts();
    installGlobalShareContext(makeShareContext(QThread::currentThread()));
}

bool hasGlobalShareContext()
{
    return qt_gl_global_share_context() != nullptr;
}

} // namespace tintmill
