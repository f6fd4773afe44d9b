#include "pane.h"

#include "panelist.h"
#include "panescroller.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/twips.h"
#include "ui/widgets/wrappinglabel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>

namespace tintmill {

namespace {

// The buttons at a pane's foot are at least as wide as designed.
const int footButtonWidth = twips::toPixels(1200);

// Long enough to read a short notice, short enough not to linger.
constexpr std::chrono::milliseconds noticeShown{5000};

} // namespace

Pane::Pane(const char *name, QWidget *parent) : QDockWidget(parent)
{
    const PaneEntry &entry = paneEntry(name);
    setObjectName(QString::fromLatin1(entry.name));
    setWindowTitle(QString::fromUtf8(entry.title));
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("paneContent"));
    m_scroller = new PaneScroller(m_content);
    setWidget(m_scroller);
    m_close = new QPushButton(QStringLiteral("閉じる(&C)"), m_content);
    m_close->setObjectName(QString::fromLatin1(entry.closeButton));
    m_close->setMinimumWidth(footButtonWidth);
    connect(m_close, &QPushButton::clicked, this, &QDockWidget::close);

    m_page = new QVBoxLayout(m_content);
    m_body = new QVBoxLayout;
    m_body->setContentsMargins(0, 0, 0, 0);
    // Where the pane is taller than its parts need, a box that grows (a code
    // box) takes the room, and the buttons stay at the foot.
    m_page->addLayout(m_body, 1);
    m_foot = new QHBoxLayout;
    m_foot->addStretch();
    m_foot->addWidget(m_close);
    m_page->addLayout(m_foot);

    // Behind another pane's tab, the toolkit only moves a pane out of sight:
    // its controls would still be in the way of Tab, which would walk on
    // through them unseen. Put out of use, they are passed over; the focus
    // is let go first, or the toolkit would hand it on as if by Tab, which
    // would apply a colour button it landed on.
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool inView) {
        m_inView = inView;
        QWidget *focus = QApplication::focusWidget();
        if (!inView && isAncestorOf(focus))
            focus->clearFocus();
        m_scroller->setEnabled(inView);
    });
}

void Pane::addFootButton(QPushButton *button, Qt::AlignmentFlag side)
{
    button->setMinimumWidth(footButtonWidth);
    if (side == Qt::AlignLeft)
        m_foot->insertWidget(m_leadingButtons++, button);
    else
        m_foot->insertWidget(m_foot->count() - 1, button);
}

void Pane::setSpacing(const QMargins &margins, int spacing)
{
    m_page->setContentsMargins(margins);
    m_page->setSpacing(spacing);
    m_body->setSpacing(spacing);
    m_foot->setSpacing(spacing);
}

void Pane::setDesignedSize(const QSize &size)
{
    m_scroller->setDesignedSize(size);
}

void Pane::addNoticeLine(const char *objectName)
{
    m_notice = new WrappingLabel(QString(), m_content);
    m_notice->setObjectName(QString::fromLatin1(objectName));
    // A line kept for it, so that a notice coming or going moves nothing.
    keepLines(m_notice, 1);
    m_page->insertWidget(m_page->count() - 1, m_notice);
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(noticeShown);
    connect(m_noticeTimer, &QTimer::timeout, this, &Pane::clearNotice);
}

void Pane::showNotice(const QString &notice, bool brief)
{
    m_notice->setText(notice);
    if (brief)
        m_noticeTimer->start();
    else
        m_noticeTimer->stop();
}

void Pane::clearNotice()
{
    m_noticeTimer->stop();
    m_notice->clear();
}

void Pane::setDefaultButton(QPushButton *button)
{
    m_default = button;
    button->setDefault(true);
}

QList<QWidget *> Pane::tabStops() const
{
    // As the toolkit walks the focus chain on Tab.
    QList<QWidget *> stops;
    for (QWidget *widget = nextInFocusChain(); widget != this;
         widget = widget->nextInFocusChain()) {
        if (isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
            widget->focusProxy() == nullptr && widget->isVisibleTo(window()) && widget->isEnabled())
            stops.append(widget);
    }
    return stops;
}

bool Pane::isOnShow() const
{
    return isVisible() && m_inView;
}

void Pane::focusFirstControl()
{
    const QList<QWidget *> stops = tabStops();
    const auto field = std::find_if(stops.cbegin(), stops.cend(), [](const QWidget *widget) {
        return qobject_cast<const QLineEdit *>(widget) != nullptr;
    });
    focus(field != stops.cend() ? *field : stops.value(0, m_close));
}

void Pane::takeFocus()
{
    QWidget *last = focusWidget();
    if (tabStops().contains(last))
        focus(last);
    else
        focusFirstControl();
}

void Pane::focus(QWidget *control)
{
    // The main window's, or a window of its own while it floats.
    activateWindow();
    control->setFocus(Qt::OtherFocusReason);
}

void Pane::showEvent(QShowEvent *event)
{
    // The buttons at the foot are made first, but come last for Tab, left
    // to right, as they stand.
    if (!m_footOrdered) {
        m_footOrdered = true;
        QWidget *last = nullptr;
        for (QWidget *widget = nextInFocusChain(); widget != this;
             widget = widget->nextInFocusChain()) {
            // The toolkit orders only widgets that take the focus.
            if (isAncestorOf(widget) && widget->focusPolicy() != Qt::NoFocus &&
                m_foot->indexOf(widget) < 0)
                last = widget;
        }
        for (int k = 0; k < m_foot->count(); ++k) {
            if (QWidget *button = m_foot->itemAt(k)->widget()) {
                if (last != nullptr)
                    setTabOrder(last, button);
                last = button;
            }
        }
    }
    QDockWidget::showEvent(event);
}

void Pane::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && modifiers == Qt::NoModifier && m_default != nullptr && m_default->isVisible() &&
        m_default->isEnabled()) {
        m_default->click();
        return;
    }
    // A floating pane is a window of its own, and Esc closes it as it
    // would a dialog; docked, it is part of the main window.
    if (event->matches(QKeySequence::Cancel) && isFloating()) {
        close();
        return;
    }
    QDockWidget::keyPressEvent(event);
}

void Pane::closeEvent(QCloseEvent *event)
{
    emit closing();
    QDockWidget::closeEvent(event);
}

} // namespace tintmill
