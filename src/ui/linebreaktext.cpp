#include "ui/linebreaktext.h"

namespace solvaro {

QString toLfLineBreaks(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString toCrLfLineBreaks(const QString &text)
{
    QString result = toLfLineBreaks(text);
    result.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return result;
}

} // namespace solvaro
