#pragma once

namespace tintmill {

// Puts in place the OpenGL context that the browser engine shares its
// textures through, unless there already is one. The engine expects it to
// exist before its library is loaded; making it at program start instead
// (Qt::AA_ShareOpenGLContexts before QApplication) would load the GL driver
// into every run, preview or not.
void ensureGlobalShareContext();

} // namespace tintmill
