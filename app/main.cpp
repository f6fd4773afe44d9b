#include "commandline.h"
#include "fontconfigpreload.h"
#include "platform/nativepath.h"
#include "ui/desktop/guardedapplication.h"
#include "ui/mainwindow/application.h"
#include "ui/mainwindow/frmcolor.h"

#include <unistd.h>

int main(int argc, char *argv[])
{
    // Names alone (a file manager opening colour files with the program)
    // ask for the window; anything with an option asks for the command line,
    // decided before anything of the user interface is set up: it needs no
    // display and starts at once.
    QStringList files;
    for (int k = 1; k < argc; ++k) {
        if (argv[k][0] == '-')
            return tintmill::runCommandLine(argc, argv);
        // Whole, and byte for byte: a name need not be UTF-8.
        files.append(tintmill::absolutePathFromArgument(QByteArray(argv[k])));
    }
    // The browser engine's sandbox refuses to run as root; the preview only
    // ever shows the program's own local page. (The engine itself is loaded
    // later, if at all, and reads this then.)
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    tintmill::FontconfigPreload fontconfig;
    tintmill::GuardedApplication application(argc, argv);
    fontconfig.wait();
    tintmill::identifyApplication();

    tintmill::Application tintmill;
    tintmill.window().show();
    tintmill.openGivenFiles(files);
    return QApplication::exec();
}
