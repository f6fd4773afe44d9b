#include "latepage.h"

namespace tintmill {

namespace {

// Made late, the content's controls joined the end of the window's focus
// chain. Tab must reach them where it would have, had they been made with
// the page, that is right after the page itself: each focusable one is put
// back there in the order it was made. (QWidget::setTabOrder leaves
// controls that take no focus alone, and so the page takes the focus for as
// long as it serves as the anchor.)
void placeAfterPage(QWidget *page, QWidget *content)
{
    QList<QWidget *> made;
    QWidget *window = page->window();
    for (QWidget *widget = window->nextInFocusChain(); widget != window;
         widget = widget->nextInFocusChain()) {
        if ((widget == content || content->isAncestorOf(widget)) &&
            widget->focusPolicy() != Qt::NoFocus)
            made << widget;
    }
    const Qt::FocusPolicy pagePolicy = page->focusPolicy();
    page->setFocusPolicy(Qt::TabFocus);
    QWidget *previous = page;
    for (QWidget *widget : made) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    page->setFocusPolicy(pagePolicy);
}

} // namespace

LatePage::LatePage(Build build, QWidget *parent) : QWidget(parent), m_build(std::move(build)) {}

QWidget *LatePage::content()
{
    if (!m_content) {
        m_content = m_build(this);
        m_build = nullptr;
        m_content->setGeometry(rect());
        placeAfterPage(this, m_content);
        m_content->show();
    }
    return m_content;
}

void LatePage::showEvent(QShowEvent *event)
{
    content();
    QWidget::showEvent(event);
}

void LatePage::resizeEvent(QResizeEvent *event)
{
    if (m_content)
        m_content->setGeometry(rect());
    QWidget::resizeEvent(event);
}

} // namespace tintmill
