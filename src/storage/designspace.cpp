#include "storage/designspace.h"

#include <cmath>
#include <limits>

namespace solvaro {

int cutToInt(long double value)
{
    if (std::isnan(value))
        return 0;
    const long double cut = std::trunc(value);
    if (cut >= static_cast<long double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (cut <= static_cast<long double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(cut);
}

DesignSpace::DesignSpace(QSize screenSize)
    : m_screen(screenSize)
{
}

long double DesignSpace::fromStoredHorizontal(int stored) const
{
    // The product first, then the division: W × v / 3360.
    return static_cast<long double>(m_screen.width()) * stored / DesignWidth;
}

long double DesignSpace::fromStoredVertical(int stored) const
{
    return static_cast<long double>(m_screen.height()) * stored / DesignHeight;
}

long double DesignSpace::horizontalToStoredFactor() const
{
    return static_cast<long double>(DesignWidth) / m_screen.width();
}

long double DesignSpace::verticalToStoredFactor() const
{
    return static_cast<long double>(DesignHeight) / m_screen.height();
}

int DesignSpace::leftFromStored(int stored) const
{
    return cutToInt(fromStoredHorizontal(stored));
}

int DesignSpace::widthFromStored(int stored) const
{
    return cutToInt(fromStoredHorizontal(stored));
}

int DesignSpace::topFromStored(int stored) const
{
    return cutToInt(fromStoredVertical(stored));
}

int DesignSpace::heightFromStored(int stored) const
{
    return cutToInt(fromStoredVertical(stored));
}

int DesignSpace::fontSizeFromStored(int stored) const
{
    // The factor first, then the product: v × (W / 3360).
    const long double factor = static_cast<long double>(m_screen.width()) / DesignWidth;
    return cutToInt(stored * factor);
}

int DesignSpace::fontSizeFromStoredReal(double stored) const
{
    const long double factor = static_cast<long double>(m_screen.width()) / DesignWidth;
    return cutToInt(factor * static_cast<long double>(stored));
}

QRect DesignSpace::rectFromStored(const QRect &stored) const
{
    return QRect(leftFromStored(stored.x()), topFromStored(stored.y()),
        widthFromStored(stored.width()), heightFromStored(stored.height()));
}

int DesignSpace::leftToStored(int pixels) const
{
    return cutToInt(horizontalToStoredFactor() * pixels);
}

int DesignSpace::widthToStored(int pixels) const
{
    return cutToInt(horizontalToStoredFactor() * pixels);
}

int DesignSpace::topToStored(int pixels) const
{
    return cutToInt(verticalToStoredFactor() * pixels);
}

int DesignSpace::heightToStored(int pixels) const
{
    return cutToInt(verticalToStoredFactor() * pixels);
}

int DesignSpace::fontSizeToStored(int size) const
{
    return cutToInt(fontSizeToStoredReal(size));
}

long double DesignSpace::fontSizeToStoredReal(int size) const
{
    return horizontalToStoredFactor() * size;
}

QRect DesignSpace::rectToStored(const QRect &pixels) const
{
    return QRect(leftToStored(pixels.x()), topToStored(pixels.y()), widthToStored(pixels.width()),
        heightToStored(pixels.height()));
}

} // namespace solvaro
