#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <initializer_list>

namespace tintmill {

// Runs `react` whenever the mouse moves over one of `surfaces` itself (not
// over a child control), with or without a button held, as long as `context`
// lives. The lists use it to drop a hover mark when the pointer moves off
// the rows onto the frame, a header or the page around them.
void onMouseMove(std::initializer_list<QWidget *> surfaces, QObject *context,
                 std::function<void()> react);

} // namespace tintmill
