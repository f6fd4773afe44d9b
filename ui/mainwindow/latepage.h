#pragma once

#include <QWidget>
#include <functional>

namespace tintmill {

// A tab page whose controls are made when the page is first needed rather
// than with the window: the window paints sooner, and the pages behind the
// first one are made from the event loop right after (see `buildLatePages`).
// Whatever shows the page first (a click on its tab, a program switch, a
// screenshot) finds it complete: it is made just before it shows, never seen
// empty. Its controls show the state as it is then, as every page's controls
// do when made.
class LatePage : public QWidget
{
    Q_OBJECT

public:
    // `build` makes the page's content as a child of the given parent.
    using Build = std::function<QWidget *(QWidget *parent)>;

    explicit LatePage(Build build, QWidget *parent = nullptr);

    bool isBuilt() const { return m_content != nullptr; }
    // Makes the content, if it is not made yet, and returns it.
    QWidget *content();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Build m_build;
    QWidget *m_content = nullptr;
};

} // namespace tintmill
