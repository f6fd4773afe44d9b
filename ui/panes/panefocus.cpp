#include "panefocus.h"

#include "pane.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <algorithm>
#include <tuple>

namespace tintmill {

namespace {

QAction *addKey(QMainWindow &window, const char *name, const QKeySequence &keys)
{
    auto *action = new QAction(&window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    // A floating pane counts as part of the window for its shortcuts.
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

} // namespace

PaneFocus::PaneFocus(QMainWindow &window, QWidget &content,
                     std::function<QList<Pane *>()> panesOnShow)
    : QObject(&window), m_window(window), m_content(content), m_panesOnShow(std::move(panesOnShow))
{
    connect(addKey(window, "actNextPane", QKeySequence(Qt::Key_F6)), &QAction::triggered, this,
            [this] { move(true); });
    connect(addKey(window, "actPreviousPane", QKeySequence(Qt::SHIFT | Qt::Key_F6)),
            &QAction::triggered, this, [this] { move(false); });
    connect(addKey(window, "actClosePane", QKeySequence(Qt::CTRL | Qt::Key_W)), &QAction::triggered,
            this, &PaneFocus::closeFocusedPane);
}

void PaneFocus::enterContent()
{
    QWidget *target = m_content.focusWidget();
    if (target == nullptr || !m_content.isAncestorOf(target) || !target->isVisible() ||
        !target->isEnabled()) {
        // The first control of the content that Tab reaches.
        target = nullptr;
        for (QWidget *widget = m_content.nextInFocusChain(); widget != &m_content;
             widget = widget->nextInFocusChain()) {
            if (m_content.isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
                widget->isVisible() && widget->isEnabled()) {
                target = widget;
                break;
            }
        }
    }
    m_window.activateWindow();
    // Not a Tab: the focus coming back applies no colour button it lands on.
    if (target != nullptr)
        target->setFocus(Qt::OtherFocusReason);
}

Pane *PaneFocus::focusedPane()
{
    for (QWidget *widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (auto *pane = qobject_cast<Pane *>(widget))
            return pane;
    }
    return nullptr;
}

void PaneFocus::move(bool forward)
{
    // The docked panes left to right and top to bottom as they stand, then
    // the floating ones.
    QList<Pane *> panes = m_panesOnShow();
    std::stable_sort(panes.begin(), panes.end(), [](const Pane *a, const Pane *b) {
        const QPoint atA = a->mapToGlobal(QPoint());
        const QPoint atB = b->mapToGlobal(QPoint());
        return std::tuple(a->isFloating(), atA.x(), atA.y()) <
               std::tuple(b->isFloating(), atB.x(), atB.y());
    });
    // The content is the first stop; the focus anywhere else (the menu bar,
    // the panes' tabs) counts as being there.
    const qsizetype stops = panes.size() + 1;
    const qsizetype now = panes.indexOf(focusedPane()) + 1;
    const qsizetype next = (now + (forward ? 1 : stops - 1)) % stops;
    if (next == 0)
        enterContent();
    else
        panes.at(next - 1)->takeFocus();
}

void PaneFocus::closeFocusedPane()
{
    if (Pane *pane = focusedPane())
        pane->close();
}

} // namespace tintmill
