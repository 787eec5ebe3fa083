#include "ui/handlegeometry.h"

#include <algorithm>

namespace solvaro {

QPoint resizeHandlePlace(int handle, const QRect &bounds)
{
    const int left = bounds.x();
    const int top = bounds.y();
    const int right = left + bounds.width();
    const int bottom = top + bounds.height();
    const int middleX = left + bounds.width() / 2;
    const int middleY = top + bounds.height() / 2;
    const QPoint points[resizeHandleCount] = {
        { left, top },
        { middleX, top },
        { right, top },
        { right, middleY },
        { right, bottom },
        { middleX, bottom },
        { left, bottom },
        { left, middleY },
    };
    const int offset = resizeHandleSize / 2;
    return points[std::clamp(handle, 0, resizeHandleCount - 1)] - QPoint(offset, offset);
}

Qt::CursorShape resizeHandleCursor(int handle)
{
    switch (handle) {
    case 0:
    case 4:
        return Qt::SizeFDiagCursor;
    case 1:
    case 5:
        return Qt::SizeVerCursor;
    case 2:
    case 6:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::SizeHorCursor;
    }
}

QRect resizedBounds(int handle, const QRect &bounds, int dx, const QPoint &mouse, int smallest)
{
    int left = bounds.x();
    int top = bounds.y();
    int right = left + bounds.width();
    int bottom = top + bounds.height();
    const int width = bounds.width();
    const int height = bounds.height();
    // How far a corner may shrink the picture.
    const int shortest = std::min(width, height);
    const int shrinkable = shortest - std::min(smallest, shortest);
    switch (handle) {
    case 0:
        dx = std::min(dx, shrinkable);
        left += dx;
        top += dx;
        break;
    case 1:
        top = std::min(mouse.y(), bottom - std::min(smallest, height));
        break;
    case 2:
        dx = std::max(dx, -shrinkable);
        right += dx;
        top -= dx;
        break;
    case 3:
        right = std::max(mouse.x(), left + std::min(smallest, width));
        break;
    case 4:
        dx = std::max(dx, -shrinkable);
        right += dx;
        bottom += dx;
        break;
    case 5:
        bottom = std::max(mouse.y(), top + std::min(smallest, height));
        break;
    case 6:
        dx = std::min(dx, shrinkable);
        left += dx;
        bottom -= dx;
        break;
    case 7:
        left = std::min(mouse.x(), right - std::min(smallest, width));
        break;
    default:
        break;
    }
    return QRect(left, top, right - left, bottom - top);
}

} // namespace solvaro
