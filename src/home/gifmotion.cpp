#include "home/gifmotion.h"

#include "storage/designspace.h"

namespace solvaro {

namespace {

// Paths come from files anyone can edit; a step never overflows.
int addSaturated(int value, int step)
{
    return cutToInt(static_cast<long double>(value) + step);
}

bool passedEnd(const GifPath &path, QPoint position)
{
    if (path.X2 > path.X1)
        return position.x() > path.X2;
    if (path.X2 < path.X1)
        return position.x() < path.X2;
    if (path.DX > 0)
        return position.y() > path.Y2;
    if (path.DX < 0)
        return position.y() < path.Y2;
    return false;
}

} // namespace

GifStep stepAlongPath(const GifPath &path, QPoint position)
{
    int left = position.x();
    int top = position.y();
    if (path.X1 == path.X2 && path.Y1 != path.Y2) {
        top = addSaturated(top, path.DX);
    } else if (path.Y1 == path.Y2 && path.X1 != path.X2) {
        left = addSaturated(left, path.DX);
    } else {
        left = addSaturated(left, path.DX);
        // The small addend keeps a path whose ends share their left finite.
        const long double slope = (static_cast<long double>(path.Y2) - path.Y1)
            / (static_cast<long double>(path.X2) - path.X1 + 0.0001L);
        top = cutToInt(slope * (static_cast<long double>(left) - path.X1) + path.Y1);
    }

    GifStep step;
    step.position = QPoint(left, top);
    if (passedEnd(path, step.position)) {
        step.position = path.start();
        step.restarted = true;
    }
    return step;
}

int directedStep(const GifPath &path, int speed)
{
    if (path.X2 != path.X1)
        return path.X2 > path.X1 ? speed : -speed;
    return path.Y2 >= path.Y1 ? speed : -speed;
}

} // namespace solvaro
