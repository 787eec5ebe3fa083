#include "player/expectedtext.h"

#include "schemes/scheme.h"

namespace solvaro {

namespace {

constexpr int partLength = 15;

bool isDigitOrSeparator(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',')
        || c == QLatin1Char('.');
}

bool isUnitCharacter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

void splitQuantity(QStringView text, QString &number, QString &unit)
{
    for (const QChar c : text) {
        if (isDigitOrSeparator(c))
            number += c;
        else if (isUnitCharacter(c))
            unit += c;
    }
    number.truncate(partLength);
    unit.truncate(partLength);
}

} // namespace

QStringList splitEquivalence(const QString &text)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const QStringView left = equals < 0 ? QStringView(text) : QStringView(text).left(equals);
    const QStringView right = equals < 0 ? QStringView() : QStringView(text).mid(equals + 1);
    QString number1, unit1, number2, unit2;
    splitQuantity(left, number1, unit1);
    splitQuantity(right, number2, unit2);
    return { number1, unit1, QStringLiteral("="), number2, unit2 };
}

QString expressionBoxValue(QChar kind, const QString &typed)
{
    if (kind != stepKind::formula)
        return typed;
    QString value = typed;
    value.remove(QLatin1Char(' '));
    value.replace(QLatin1Char('x'), QLatin1Char('*'));
    value.replace(QLatin1Char('X'), QLatin1Char('*'));
    value.replace(QLatin1Char(':'), QLatin1Char('/'));
    return value;
}

} // namespace solvaro
