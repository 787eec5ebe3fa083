#include "schemes/formulapattern.h"

namespace solvaro {

QString formulaPattern(int operations)
{
    QString pattern;
    for (int i = 0; i <= operations; ++i) {
        pattern += QChar(u'A' + i);
        pattern += i < operations ? QLatin1Char('o') : QLatin1Char('=');
    }
    return pattern + QLatin1Char('X');
}

int operationCount(const QString &pattern)
{
    return int(pattern.count(QLatin1Char('o')));
}

std::optional<int> parseOperationCount(const QString &text)
{
    bool ok = false;
    const int operations = text.trimmed().toInt(&ok);
    if (!ok || operations < 0 || operations > maxFormulaOperations)
        return std::nullopt;
    return operations;
}

} // namespace solvaro
