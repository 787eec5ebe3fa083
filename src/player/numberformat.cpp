#include "player/numberformat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace solvaro {

namespace {

constexpr int significantDigits = 15;

// A value as decimal digits: 0.d1 d2 d3 ... x 10^exponent. Zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }

    void dropTrailingZeros()
    {
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        if (digits.empty())
            exponent = 0;
    }

    // The digit at a position counted from the decimal point: 0 is the first
    // decimal, -1 the units, and so on.
    char digitAfterPoint(int position) const
    {
        const int index = exponent + position;
        if (index < 0 || index >= int(digits.size()))
            return '0';
        return digits[std::size_t(index)];
    }

    QString integerPart() const
    {
        QString result;
        for (int position = -exponent; position < 0; ++position)
            result += QLatin1Char(digitAfterPoint(position));
        return result;
    }

    QString decimals(int count) const
    {
        QString result;
        for (int position = 0; position < count; ++position)
            result += QLatin1Char(digitAfterPoint(position));
        return result;
    }
};

Decimal toDecimal(double value)
{
    Decimal result;
    result.negative = std::signbit(value);
    if (value == 0.0)
        return result;
    // "d.dddddddddddddde+XX"; to_chars is independent of the C locale.
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
        std::chars_format::scientific, significantDigits - 1);
    const std::string text(buffer, converted.ptr);
    const std::size_t e = text.find('e');
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.exponent = std::stoi(text.substr(e + 1)) + 1;
    result.dropTrailingZeros();
    return result;
}

// Rounds half away from zero to the given number of decimals.
Decimal rounded(Decimal value, int decimals)
{
    if (value.isZero())
        return value;
    const int keep = value.exponent + decimals;
    if (keep >= int(value.digits.size()))
        return value;
    if (keep < 0) {
        value.digits.clear();
        value.exponent = 0;
        return value;
    }
    const bool up = value.digits[std::size_t(keep)] >= '5';
    value.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && value.digits[std::size_t(i)] == '9') {
            value.digits[std::size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++value.digits[std::size_t(i)];
        } else {
            value.digits.insert(value.digits.begin(), '1');
            ++value.exponent;
        }
    }
    value.dropTrailingZeros();
    return value;
}

QString signOf(const Decimal &value)
{
    return value.negative && !value.isZero() ? QStringLiteral("-") : QString();
}

std::optional<QString> nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    return std::nullopt;
}

} // namespace

QString formatThreeDecimals(double value, QChar decimalSeparator)
{
    if (const auto special = nonFinite(value))
        return *special;
    const Decimal decimal = rounded(toDecimal(value), 3);
    QString integer = decimal.integerPart();
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    return signOf(decimal) + integer + decimalSeparator + decimal.decimals(3);
}

QString formatUpToThreeDecimals(double value, QChar decimalSeparator)
{
    if (const auto special = nonFinite(value))
        return *special;
    const Decimal decimal = rounded(toDecimal(value), 3);
    QString decimals = decimal.decimals(3);
    while (decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    QString result = signOf(decimal) + decimal.integerPart();
    if (!decimals.isEmpty())
        result += decimalSeparator + decimals;
    return result;
}

QString formatWholeNumber(double value)
{
    if (const auto special = nonFinite(value))
        return *special;
    const Decimal decimal = rounded(toDecimal(value), 0);
    return signOf(decimal) + decimal.integerPart();
}

QString formatGeneral(double value, QChar decimalSeparator)
{
    if (const auto special = nonFinite(value))
        return *special;
    const Decimal decimal = toDecimal(value);
    if (decimal.isZero())
        return QStringLiteral("0");
    const QString digits
        = QString::fromLatin1(decimal.digits.data(), qsizetype(decimal.digits.size()));
    QString result = signOf(decimal);
    if (decimal.exponent < -3 || decimal.exponent > significantDigits) {
        result += digits.at(0);
        if (digits.size() > 1)
            result += decimalSeparator + digits.mid(1);
        return result + QLatin1Char('E') + QString::number(decimal.exponent - 1);
    }
    QString integer = decimal.integerPart();
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    result += integer;
    const int decimalCount = int(decimal.digits.size()) - decimal.exponent;
    if (decimalCount > 0)
        result += decimalSeparator + decimal.decimals(decimalCount);
    return result;
}

std::optional<double> parseNumber(const QString &text, QChar decimalSeparator)
{
    const QString trimmed = text.trimmed();
    std::string number;
    bool negative = false;
    bool separatorSeen = false;
    bool digitSeen = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-'))) {
            negative = c == QLatin1Char('-');
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number += char(c.unicode());
            digitSeen = true;
        } else if (c == decimalSeparator && !separatorSeen) {
            number += '.';
            separatorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    // Complete "5." and ".5" so every reader of decimals takes them.
    if (number.front() == '.')
        number.insert(number.begin(), '0');
    if (number.back() == '.')
        number += '0';
    double value = 0.0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec != std::errc() || parsed.ptr != number.data() + number.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace solvaro
