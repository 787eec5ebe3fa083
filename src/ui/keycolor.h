#pragma once

#include <QImage>

namespace solvaro {

// A picture without an alpha channel shown "transparent" lets its background
// through: every pixel of the colour of its bottom-left pixel becomes clear.
// A picture that has an alpha channel is returned as it is.
QImage withKeyColorTransparent(const QImage &image);

} // namespace solvaro
