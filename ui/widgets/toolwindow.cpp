#include "toolwindow.h"

#include "controls.h"
#include "toolwindowplacement.h"
#include "toolwindowscroller.h"
#include "twips.h"
#include "wrappinglabel.h"

#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <chrono>

namespace tintmill {

namespace {

// The smallest client area a tool window is given: a few controls still
// show in it, and it scrolls to the rest.
const QSize minimumClient(160, 160);

// Before the window manager has framed a window its frame is unknown; a title
// bar and a thin border are the usual allowance.
const QMargins assumedFrame(4, 32, 4, 4);

// The buttons at a window's foot are at least as wide as designed.
const int footButtonWidth = twips::toPixels(1200);

// Long enough to read a short notice, short enough not to linger.
constexpr std::chrono::milliseconds noticeShown{5000};

QMargins frameOf(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
    return frame.isNull() ? assumedFrame : frame;
}

} // namespace

ToolWindow::ToolWindow(QWidget *host, const char *objectName, const QString &title,
                       const char *closeButtonName)
    : QDialog(host, Qt::Tool)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(title);
    setModal(false);
    // The page is inside the window before any control is made on it: a
    // button made the default outside a dialog is not the dialog's default.
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("toolContent"));
    m_scroller = new ToolWindowScroller(m_content, this);
    m_close = new QPushButton(QStringLiteral("閉じる(&C)"), m_content);
    m_close->setObjectName(QString::fromLatin1(closeButtonName));
    m_close->setMinimumWidth(footButtonWidth);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);

    m_page = new QVBoxLayout(m_content);
    m_body = new QVBoxLayout;
    m_body->setContentsMargins(0, 0, 0, 0);
    // Where the window is taller than its parts need, a box that grows
    // (a code box) takes the room, and the buttons stay at the foot.
    m_page->addLayout(m_body, 1);
    m_foot = new QHBoxLayout;
    m_foot->addStretch();
    m_foot->addWidget(m_close);
    m_page->addLayout(m_foot);
}

void ToolWindow::addFootButton(QPushButton *button, Qt::AlignmentFlag side)
{
    button->setMinimumWidth(footButtonWidth);
    if (side == Qt::AlignLeft)
        m_foot->insertWidget(m_leadingButtons++, button);
    else
        m_foot->insertWidget(m_foot->count() - 1, button);
}

void ToolWindow::addNoticeLine(const char *objectName)
{
    m_notice = new WrappingLabel(QString(), m_content);
    m_notice->setObjectName(QString::fromLatin1(objectName));
    // A line kept for it, so that a notice coming or going moves nothing.
    keepLines(m_notice, 1);
    m_page->insertWidget(m_page->count() - 1, m_notice);
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(noticeShown);
    connect(m_noticeTimer, &QTimer::timeout, this, &ToolWindow::clearNotice);
}

void ToolWindow::showNotice(const QString &notice, bool brief)
{
    m_notice->setText(notice);
    if (brief)
        m_noticeTimer->start();
    else
        m_noticeTimer->stop();
}

void ToolWindow::clearNotice()
{
    m_noticeTimer->stop();
    m_notice->clear();
}

void ToolWindow::setSpacing(const QMargins &margins, int spacing)
{
    m_page->setContentsMargins(margins);
    m_page->setSpacing(spacing);
    m_body->setSpacing(spacing);
    m_foot->setSpacing(spacing);
}

void ToolWindow::setDefaultButton(QPushButton *button)
{
    m_default = button;
    button->setDefault(true);
}

void ToolWindow::showEvent(QShowEvent *event)
{
    // Shown without a default of its own, a dialog makes its first button
    // the default, and Enter in a text box or on an option would press it:
    // copy, save or close by accident.
    if (!m_defaultsSettled) {
        m_defaultsSettled = true;
        for (QPushButton *button : findChildren<QPushButton *>()) {
            if (button != m_default)
                button->setAutoDefault(false);
        }
    }
    QDialog::showEvent(event);
}

void ToolWindow::showBeside(const ToolWindowHost &host)
{
    if (!m_placed) {
        m_placed = true;
        place(host);
    }
    show();
    // Once shown, the window's frame may be known and differ from the one
    // allowed for: placed again with it, the window fits exactly.
    if (frameOf(*this) != m_frame)
        place(host);
    raise();
    activateWindow();
}

void ToolWindow::place(const ToolWindowHost &host)
{
    const QWidget &main = *host.window;
    m_frame = frameOf(*this);
    const QMargins frame = m_frame;
    const QWidget *content = m_content;
    m_content->ensurePolished();
    const QSize narrowest = content->minimumSizeHint();
    const QSize designed =
        (m_designed.isValid() ? m_designed : content->sizeHint()).expandedTo(narrowest);
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroller);
    const ToolWindowNeeds needs{
        designed.grownBy(frame),
        QSize(narrowest.width(), minimumClient.height()).grownBy(frame),
        [content, designed, frame](int width) {
            const int client = width - frame.left() - frame.right();
            const int reflowed = content->hasHeightForWidth() ? content->heightForWidth(client) : 0;
            return std::max(designed.height(), reflowed) + frame.top() + frame.bottom();
        },
        extent,
    };
    ToolWindowSurroundings around{main.screen() != nullptr
                                      ? main.screen()->availableGeometry()
                                      : QRect(QPoint(), designed.grownBy(frame)),
                                  main.frameGeometry(),
                                  main.geometry().left() + host.previewLeft,
                                  {}};
    for (const ToolWindow *other : main.findChildren<ToolWindow *>(Qt::FindDirectChildrenOnly)) {
        if (other != this && other->isVisible())
            around.open.append(other->frameGeometry());
    }
    const QRect placed = placeToolWindow(needs, around);
    const QSize client = placed.size().shrunkBy(frame);
    // Never wider than the content with its scroll bar, nor too small to use;
    // as tall as the user likes where the content reflows.
    setMaximumSize(designed.width() + extent,
                   content->hasHeightForWidth() ? QWIDGETSIZE_MAX : designed.height() + extent);
    setMinimumSize(minimumClient.boundedTo(client));
    resize(client);
    move(placed.topLeft());
}

} // namespace tintmill
