#pragma once

#include <QString>

namespace solvaro {

// File dialog filters are written in the screens as description|patterns pairs
// ("*.bmp|*.bmp|*.jpg|*jpg"); the dialogs take Qt's form ("*.bmp (*.bmp);;...").
// A filter without '|' is taken to be in Qt's form already.
QString toQtFileFilter(const QString &filter);

// Gives a file name without an extension the default one. The extension may be
// written "gif", ".gif" or "*.gif"; a name that has one keeps it.
QString withDefaultExtension(const QString &fileName, const QString &extension);

} // namespace solvaro
