#pragma once

#include <QPoint>

namespace solvaro {

// The straight path along which a moving picture walks, in pixels of its
// parent: from (X1, Y1) towards (X2, Y2) by DX pixels a tick. X2 < 0 means the
// picture stands still; -1 marks a point that was never set.
struct GifPath {
    int X1 = -1;
    int Y1 = -1;
    int X2 = -1;
    int Y2 = -1;
    int DX = 1;

    bool moves() const { return X2 >= 0; }
    QPoint start() const { return QPoint(X1, Y1); }

    bool operator==(const GifPath &) const = default;
};

// One step of the motion from the picture's present top-left corner: along a
// vertical path the top changes, along any other path the left, and on a
// slanted path the top follows the line through both ends. Once the end is
// passed the picture goes back to the start of its path.
struct GifStep {
    QPoint position;
    bool restarted = false;
};
GifStep stepAlongPath(const GifPath &path, QPoint position);

// The step for a speed, signed so that the picture heads from the start of its
// path towards the end.
int directedStep(const GifPath &path, int speed);

} // namespace solvaro
