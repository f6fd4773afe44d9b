#pragma once

namespace tintmill {

// The browser engine draws the preview in software, without OpenGL. The
// preview is one small still page: drawing it in software spares loading the
// GL driver (tens of MiB, and on a machine without a graphics card the driver's
// shader compiler) and starting the engine's GPU thread, which together were
// the larger part of the wait for the first preview.
//
// The engine still looks up Qt's global shared OpenGL context when it makes its
// first view, and crashes without one, even when it draws in software. It gets
// a context that is never created, so no driver is ever loaded.
//
// On the user-interface thread, before the engine's library is loaded. Does
// nothing once a shared context is in place (one this call made, or one Qt
// made because Qt::AA_ShareOpenGLContexts was set before the application).
void prepareSoftwareBrowserRendering();

} // namespace tintmill
