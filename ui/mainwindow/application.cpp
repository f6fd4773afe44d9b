#include "application.h"

#include "core/product.h"
#include "frmcolor.h"
#include "tintmill_version.h"
#include "ui/desktop/guardedapplication.h"
#include "ui/desktop/unixsignalclose.h"
#include "ui/preview/previewhost.h"
#include "ui/widgets/fonts.h"
#include "workbench/workbench.h"

#include <QGuiApplication>
#include <QTimer>

namespace tintmill {

void identifyApplication()
{
    // No organisation: the per-user folders are then ~/.config/Tintmill and
    // ~/.cache/Tintmill rather than a Tintmill folder inside another.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QString::fromLatin1(product::title));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(TINTMILL_VERSION_MAJOR)
                                                .arg(TINTMILL_VERSION_MINOR)
                                                .arg(TINTMILL_VERSION_PATCH));
    // The desktop matches the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(product::applicationId));
}

Application::Application() : m_previewHost(new PreviewHost)
{
    fonts::applyApplicationFont();
    m_workbench = std::make_unique<Workbench>(Services{
        m_messageBox, m_inputBox, m_fileDialog, m_clipboard, *m_previewHost, m_programDirectory});
    m_window = std::make_unique<FrmColor>(*m_workbench, m_previewHost);
    m_messageBox.setParent(m_window.get());
    m_inputBox.setParent(m_window.get());
    m_fileDialog.setParent(m_window.get());
    // Before the first file is written: from then on a logout keeps the settings.
    m_signalClose = std::make_unique<UnixSignalClose>(*m_window);
    m_signalClose->setBeforeClose([this] { m_workbench->darkKeeping.keepForRecovery(); });
    if (auto *guarded = qobject_cast<GuardedApplication *>(QCoreApplication::instance()))
        guarded->setReport([this](const QString &what) { reportUnexpectedFailure(what); });
    m_window->startUp();
    // Once the window is up, before any file given opens.
    QTimer::singleShot(0, m_window.get(), [this] { m_workbench->darkKeeping.tellRecovered(); });
}

Application::~Application()
{
    if (auto *guarded = qobject_cast<GuardedApplication *>(QCoreApplication::instance()))
        guarded->setReport({});
}

void Application::openGivenFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    QTimer::singleShot(0, m_window.get(), [this, paths] { m_workbench->intake.openFiles(paths); });
}

void Application::reportUnexpectedFailure(const QString &what)
{
    QString text = QStringLiteral("予期しないエラーが発生したため、この操作を中止しました。\n"
                                  "プログラムはこのまま続けて使えます。");
    if (!what.isEmpty())
        text += QStringLiteral("\n\n%1").arg(what);
    m_messageBox.show(text, MessageBox::Icon::Exclamation);
}

} // namespace tintmill
