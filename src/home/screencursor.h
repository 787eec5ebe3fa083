#pragma once

#include <Qt>

namespace solvaro {

// The application-wide cursor that dragging shows over every widget, and the
// way back to each widget's own cursor.
void setScreenCursor(Qt::CursorShape shape);
void restoreScreenCursor();

} // namespace solvaro
