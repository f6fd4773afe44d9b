#include "previewhost.h"

#include "browser/browsermodule.h"
#include "platform/textfile.h"
#include "scrollbar/legacyscrollbarstyle.h"
#include "scrollbar/previewpage.h"
#include "ui/desktop/browsermoduleloader.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QThread>
#include <QTimer>

namespace tintmill {

namespace {

QString pageText(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    const ReadResult page = readRegularFile(url.toLocalFile(), previewPageMaxBytes);
    return page.ok() ? decodeCp932(page.bytes) : QString();
}

QString displayStyle(const QUrl &url)
{
    return legacyDisplayStyle(pageText(url));
}

const char *const loadingNotice = "プレビューを準備しています…";
const char *const moduleMissingNotice = "プレビューを表示できません。\n"
                                        "ブラウザ部品を読み込めませんでした。\n"
                                        "ほかの機能はそのまま使えます。";
const char *const engineMissingNotice = "プレビューを表示できません。\n"
                                        "ブラウザエンジンを起動できませんでした。\n"
                                        "ほかの機能はそのまま使えます。";
const char *const engineStoppedNotice = "ブラウザエンジンが止まりました。\n"
                                        "色を変えると、もう一度表示します。";

} // namespace

PreviewHost::PreviewHost(QWidget *parent)
    : QWidget(parent), m_notice(new QLabel(this)), m_moduleFolders(defaultBrowserModuleFolders()),
      m_externalOpener([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    // Black, as the preview page is: the notice and the first frame of the
    // page follow each other without a flash. Only the notice fills its
    // background: under the view, a filled host would be painted again with
    // every frame of the page.
    QPalette colours = m_notice->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, Qt::white);
    m_notice->setPalette(colours);
    m_notice->setAutoFillBackground(true);
    m_notice->setObjectName(QStringLiteral("lblPreviewNotice"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    m_notice->setMargin(12);
    // Laid out while hidden too, so that it shows at its place at once.
    QSizePolicy policy = m_notice->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_notice->setSizePolicy(policy);
    m_notice->hide();

    // The view, when it comes, shares the cell; the notice stays on top of it.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_notice, 0, 0);
}

PreviewHost::~PreviewHost()
{
    // The worker may be inside the engine's library loading; the process
    // must not start to end under it.
    if (m_preparation)
        m_preparation->wait();
    // The view goes first, while the notice its last signals may touch is
    // still there.
    if (m_view) {
        QWidget *view = m_view->widget();
        m_view = nullptr;
        delete view;
    }
}

void PreviewHost::navigate(const QUrl &url)
{
    m_lastUrl = url;
    if (m_view)
        m_view->navigate(url);
}

void PreviewHost::setExternalOpener(std::function<void(const QUrl &)> opener)
{
    m_externalOpener = std::move(opener);
}

QWidget *PreviewHost::view() const
{
    return m_view ? m_view->widget() : nullptr;
}

void PreviewHost::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_state != State::NotLoaded)
        return;
    // Say what is coming first, and start once that notice has been painted:
    // making the view still holds the window for a moment.
    setState(State::Loading, QString::fromUtf8(loadingNotice));
    m_notice->installEventFilter(this);
}

bool PreviewHost::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_notice && event->type() == QEvent::Paint) {
        m_notice->removeEventFilter(this);
        // Queued, so that this paint reaches the screen before the load starts.
        QTimer::singleShot(0, this, [this] {
            if (!m_view)
                m_preparation =
                    prepareBrowserModule(m_moduleFolders, this, [this] { createView(); });
        });
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewHost::createView()
{
    if (m_view || m_state == State::Unavailable)
        return;
    // Asked for directly while the worker is still at it: let it finish, so
    // that the library is not loaded from two threads at once.
    if (m_preparation)
        m_preparation->wait();
    if (m_state == State::NotLoaded)
        setState(State::Loading, QString::fromUtf8(loadingNotice));

    QString failure;
    BrowserModule *module = loadBrowserModule(m_moduleFolders, &failure);
    if (!module) {
        m_notice->setToolTip(failure);
        setState(State::Unavailable, QString::fromUtf8(moduleMissingNotice));
        return;
    }
    PreviewViewHooks hooks{
        m_externalOpener,
        displayStyle,
        [this](bool) { pageLoaded(); },
        [this] { setState(State::EngineStopped, QString::fromUtf8(engineStoppedNotice)); },
    };
    m_view = module->createView(this, hooks, &failure);
    if (!m_view) {
        m_notice->setToolTip(failure);
        setState(State::Unavailable, QString::fromUtf8(engineMissingNotice));
        return;
    }
    static_cast<QGridLayout *>(layout())->addWidget(m_view->widget(), 0, 0);
    m_notice->raise();
    if (m_lastUrl.isEmpty())
        setState(State::Showing);
    else
        m_view->navigate(m_lastUrl);
    emit viewCreated();
}

void PreviewHost::pageLoaded()
{
    if (m_state == State::Loading || m_state == State::EngineStopped)
        setState(State::Showing);
}

void PreviewHost::setState(State state, const QString &notice)
{
    m_state = state;
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
}

} // namespace tintmill
