#include "ui/fillgeometry.h"

namespace solvaro {

namespace {

int positiveModulo(int value, int divisor)
{
    if (divisor <= 0)
        return 0;
    const int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

QPoint alignedTopLeft(NineAlignment alignment, QSize picture, const QRect &area)
{
    const int position = static_cast<int>(alignment);
    const int column = (position >= 0 && position <= 8) ? position % 3 : 0;
    const int row = (position >= 0 && position <= 8) ? position / 3 : 0;
    const int freeWidth = area.width() - picture.width();
    const int freeHeight = area.height() - picture.height();
    return area.topLeft() + QPoint(column * freeWidth / 2, row * freeHeight / 2);
}

} // namespace

bool fillPaintsBrush(FillStyle style)
{
    return style == FillStyle::Brush || style == FillStyle::BrushBitmap
        || style == FillStyle::Gradient;
}

bool fillPaintsPicture(FillStyle style)
{
    return style == FillStyle::Bitmap || style == FillStyle::BrushBitmap
        || style == FillStyle::BitmapList;
}

QRect picturePlacement(
    TileMode mode, NineAlignment alignment, QPoint offset, QSize picture, const QRect &area)
{
    switch (mode) {
    case TileMode::Stretch:
        return area;
    case TileMode::Center:
        return QRect(alignedTopLeft(NineAlignment::Center, picture, area) + offset, picture);
    case TileMode::None:
    case TileMode::Tile:
        break;
    }
    return QRect(alignedTopLeft(alignment, picture, area) + offset, picture);
}

QPoint tileSourceOffset(QPoint offset, QSize picture)
{
    return QPoint(positiveModulo(-offset.x(), picture.width()),
        positiveModulo(-offset.y(), picture.height()));
}

} // namespace solvaro
