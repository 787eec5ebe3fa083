#include "player/storedlines.h"

namespace solvaro {

QStringList storedLines(const QString &stored)
{
    QStringList lines = stored.split(QLatin1Char('|'));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList paddedStepLines(const QString &stored)
{
    constexpr int padding = 50;
    QStringList lines = storedLines(stored);
    for (int i = 0; i < padding; ++i)
        lines.append(QStringLiteral("?"));
    return lines;
}

} // namespace solvaro
