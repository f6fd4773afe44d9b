#include "browserrendering.h"

#include <QCoreApplication>
#include <QOpenGLContext>

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

// Runs while the application is still whole, before the platform is gone.
void releaseOwnContext()
{
    if (qt_gl_global_share_context() == ownContext)
        qt_gl_set_global_share_context(nullptr);
    delete ownContext;
    ownContext = nullptr;
}

} // namespace

void prepareSoftwareBrowserRendering()
{
    if (qt_gl_global_share_context())
        return;
    // The engine asks the platform whether it can do OpenGL before it settles
    // on software, and on X11 asking loads the GL driver. Nothing else in the
    // program draws with OpenGL, so the answer is no. Read once, lazily, by
    // the X11 platform; a choice of the user's own stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    ownContext = new QOpenGLContext; // never create()d: no driver behind it
    qt_gl_set_global_share_context(ownContext);
    qAddPostRoutine(releaseOwnContext);
}

} // namespace tintmill
