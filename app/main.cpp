#include "ui/application.h"
#include "ui/frmcolor.h"

#include <QApplication>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // The browser engine's sandbox refuses to run as root; the preview only
    // ever shows the program's own local page.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    tintmill::identifyApplication();

    tintmill::Application tintmill;
    tintmill.window().show();
    return QApplication::exec();
}
