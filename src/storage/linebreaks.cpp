#include "storage/linebreaks.h"

namespace solvaro {

QString encodeLineBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            result += QLatin1Char('|');
        } else if (c == QLatin1Char('\n')) {
            result += QLatin1Char('|');
        } else {
            result += c;
        }
    }
    return result;
}

QString decodeLineBreaks(const QString &stored)
{
    QString result = stored;
    result.replace(QLatin1Char('|'), QLatin1String("\r\n"));
    return result;
}

} // namespace solvaro
