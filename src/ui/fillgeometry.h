#pragma once

#include "ui/alignments.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace solvaro {

// How a fill picture covers its box; ordinals as stored.
enum class TileMode {
    None,
    Center,
    Stretch,
    Tile,
};

// What a fill paints; ordinals as stored. The look editor offers only None,
// Brush and Bitmap; the others come from older files and are painted as their
// nearest plain style (a gradient has no second colour to run to).
enum class FillStyle {
    None,
    BrushBitmap,
    Brush,
    Bitmap,
    BitmapList,
    Gradient,
};

bool fillPaintsBrush(FillStyle style);
bool fillPaintsPicture(FillStyle style);

// The rectangle a picture of the given size occupies inside area for the tile
// modes None (natural size at the alignment, moved by the offset), Center
// (natural size in the middle, moved by the offset) and Stretch (the whole area;
// offsets do not apply). Tile mode has no single rectangle: see tileSourceOffset.
QRect picturePlacement(
    TileMode mode, NineAlignment alignment, QPoint offset, QSize picture, const QRect &area);

// Tiles start at the area's top-left corner moved by offset; this is the point
// of the picture that lands on that corner.
QPoint tileSourceOffset(QPoint offset, QSize picture);

} // namespace solvaro
