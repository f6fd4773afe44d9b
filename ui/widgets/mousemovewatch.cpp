#include "mousemovewatch.h"

#include <QEvent>

namespace tintmill {

namespace {

class MouseMoveWatch : public QObject
{
public:
    MouseMoveWatch(std::function<void()> react, QObject *context)
        : QObject(context), m_react(std::move(react))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove)
            m_react();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_react;
};

} // namespace

void onMouseMove(std::initializer_list<QWidget *> surfaces, QObject *context,
                 std::function<void()> react)
{
    auto *watch = new MouseMoveWatch(std::move(react), context);
    for (QWidget *surface : surfaces) {
        surface->setMouseTracking(true);
        surface->installEventFilter(watch);
    }
}

} // namespace tintmill
