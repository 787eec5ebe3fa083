#pragma once

#include <functional>

class QWidget;

namespace solvaro {

// Runs an action once, from the event loop, as soon as the widget's first paint
// has gone to the screen; nothing happens if the widget is gone by then.
void afterFirstPaint(QWidget *widget, std::function<void()> action);

} // namespace solvaro
