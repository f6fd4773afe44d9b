#pragma once

class QOpenGLContext;
class QThread;

namespace tintmill {

// The OpenGL context that the browser engine shares its textures through.
// The engine expects it before its first view is made; making it at program
// start instead (Qt::AA_ShareOpenGLContexts before QApplication) would load
// the GL driver into every run, preview or not.

// Says that contexts are shared, as the engine checks when its library is
// loaded. On the user-interface thread, before the library is loaded.
void announceSharedContexts();

// Makes the context, which loads the GL driver and may take a while: on any
// thread. It is handed over to `owner`, the user-interface thread.
QOpenGLContext *makeShareContext(QThread *owner);

// Puts `context` in place for the rest of the run, unless there already is
// one (then `context` is dropped). On the user-interface thread.
void installGlobalShareContext(QOpenGLContext *context);

// All of the above at once, unless there already is a context.
void ensureGlobalShareContext();

// Whether a context is in place.
bool hasGlobalShareContext();

} // namespace tintmill
