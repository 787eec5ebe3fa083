#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

namespace solvaro {

// The eight handles by which the teacher resizes a picture, clockwise from the
// top-left corner: 0 top-left, 1 top middle, 2 top-right, 3 right middle,
// 4 bottom-right, 5 bottom middle, 6 bottom-left, 7 left middle.
inline constexpr int resizeHandleCount = 8;
inline constexpr int resizeHandleSize = 5;

// The top-left corner of a handle around bounds: its square is centred on the
// corner or edge middle it stands for, the right edge being left + width and
// the bottom one top + height.
QPoint resizeHandlePlace(int handle, const QRect &bounds);
Qt::CursorShape resizeHandleCursor(int handle);

// The bounds after a handle was dragged. A corner moves both of its edges by
// the horizontal movement dx, so width and height change alike; an edge
// handle takes its edge to the mouse, given in the coordinates of the bounds'
// parent. A drag never makes a side shorter than smallest (a side that is
// shorter already only grows), so a handle pulled past the opposite edge
// stops there instead of turning the picture inside out.
QRect resizedBounds(int handle, const QRect &bounds, int dx, const QPoint &mouse, int smallest);

} // namespace solvaro
