#pragma once

#include <QString>
#include <QStringList>

namespace solvaro {

// The lines of a stored multi-line text ("|" for each line break), as a list
// holds them: "a|b" and "a|b|" give a, b; "a||b" gives a, "", b; "" gives none.
QStringList storedLines(const QString &stored);

// storedLines followed by 50 lines "?", so that every step finds a line.
QStringList paddedStepLines(const QString &stored);

} // namespace solvaro
