#pragma once

#include <QRect>
#include <QSize>

namespace solvaro {

// Stored left, width and font size refer to a screen DesignWidth pixels wide,
// stored top and height to one DesignHeight pixels high, so that a layout made
// on one screen fits another.
inline constexpr int DesignWidth = 3360;
inline constexpr int DesignHeight = 2100;

// Converts between stored (design-space) values and pixels of the present
// screen. Every computation runs in extended precision and is cut toward zero
// at the end, so the stored numbers are the ones existing installations hold;
// the order of the operations is part of that and differs between directions.
class DesignSpace
{
public:
    explicit DesignSpace(QSize screenSize);

    QSize screenSize() const { return m_screen; }

    // Stored value to pixels: trunc(W × v / 3360), trunc(H × v / 2100).
    int leftFromStored(int stored) const;
    int widthFromStored(int stored) const;
    int topFromStored(int stored) const;
    int heightFromStored(int stored) const;
    // trunc(v × (W / 3360)): a font size follows the screen width alone.
    int fontSizeFromStored(int stored) const;
    // A question group keeps its stored size as a real: trunc(W / 3360 × v).
    int fontSizeFromStoredReal(double stored) const;
    QRect rectFromStored(const QRect &stored) const;

    // Pixels to stored value: trunc((3360 / W) × p), trunc((2100 / H) × p).
    int leftToStored(int pixels) const;
    int widthToStored(int pixels) const;
    int topToStored(int pixels) const;
    int heightToStored(int pixels) const;
    int fontSizeToStored(int size) const;
    // (3360 / W) × size before cutting, as a question group stores it.
    long double fontSizeToStoredReal(int size) const;
    QRect rectToStored(const QRect &pixels) const;

private:
    long double fromStoredHorizontal(int stored) const;
    long double fromStoredVertical(int stored) const;
    long double horizontalToStoredFactor() const;
    long double verticalToStoredFactor() const;

    QSize m_screen;
};

// Cuts toward zero into the int range; not-a-number gives 0. Stored values come
// from files anyone can edit, so nothing may overflow on the way.
int cutToInt(long double value);

} // namespace solvaro
