#pragma once

#include <QList>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <utility>

namespace tintmill::test {

// Brings every tab page that holds `widget` to the front, the outermost tab
// control first, as the user does before reaching the control.
inline void showPagesOf(QWidget *widget)
{
    QList<std::pair<QTabWidget *, QWidget *>> pages;
    for (QWidget *inner = widget; inner != nullptr; inner = inner->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(inner->parentWidget());
        auto *tabs = stack != nullptr ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs != nullptr)
            pages.prepend({tabs, inner});
    }
    for (const auto &[tabs, page] : pages)
        tabs->setCurrentWidget(page);
}

// A left click near the control's left edge, where a check box or option has
// its mark, after showing the page the control is on.
inline void clickControl(QWidget *widget)
{
    QVERIFY2(widget != nullptr, "no such control");
    showPagesOf(widget);
    QVERIFY2(widget->isVisible() && widget->isEnabled(), qPrintable(widget->objectName()));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
}

} // namespace tintmill::test
