#include "storage/iniline.h"

#include "storage/linebreaks.h"

#include <cmath>
#include <limits>

namespace solvaro {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

bool isEnclosedInQuotes(QStringView text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.back() == text.front();
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

qsizetype skipDigits(QStringView text, qsizetype i)
{
    while (i < text.size() && digitValue(text.at(i), 10) >= 0)
        ++i;
    return i;
}

} // namespace

QStringView trimIniBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

IniLine parseIniLine(QStringView line)
{
    IniLine result;
    const QStringView trimmed = trimIniBlanks(line);
    if (trimmed.isEmpty())
        return result;
    if (trimmed.front() == QLatin1Char(';')) {
        result.kind = IniLineKind::Comment;
        return result;
    }
    if (trimmed.front() == QLatin1Char('[')) {
        result.kind = IniLineKind::Section;
        QStringView name = trimmed.sliced(1);
        const qsizetype close = name.indexOf(QLatin1Char(']'));
        if (close >= 0)
            name.truncate(close);
        result.name = trimIniBlanks(name);
        return result;
    }
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals < 0)
        return result;
    result.kind = IniLineKind::Key;
    result.name = trimIniBlanks(trimmed.first(equals));
    QStringView value = trimIniBlanks(trimmed.sliced(equals + 1));
    if (isEnclosedInQuotes(value))
        value = value.sliced(1, value.size() - 2);
    result.value = value;
    return result;
}

QString iniStoredValue(const QString &value)
{
    const QString oneLine = encodeLineBreaks(value);
    const bool wouldChange = !oneLine.isEmpty()
        && (isBlank(oneLine.front()) || isBlank(oneLine.back()) || isEnclosedInQuotes(oneLine));
    if (!wouldChange)
        return oneLine;
    return QLatin1Char('"') + oneLine + QLatin1Char('"');
}

std::optional<int> parseIniInteger(QStringView text)
{
    text = trimIniBlanks(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (text.sliced(i).startsWith(QLatin1Char('$'))) {
        base = 16;
        i += 1;
    } else if (text.sliced(i).startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    // Decimal numbers must fit a signed 32-bit integer; hexadecimal ones are bit
    // patterns of up to 32 bits ($FFFFFFFF is -1), as the data's INI class reads them.
    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text.at(i), base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    const auto bits = static_cast<quint32>(magnitude);
    const quint32 result = negative ? 0u - bits : bits;
    return static_cast<int>(result);
}

std::optional<double> parseIniFloat(QStringView text, QChar decimalSeparator)
{
    text = trimIniBlanks(text);
    qsizetype i = 0;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    const qsizetype integerStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > integerStart;
    QString normalised = text.first(i).toString();
    if (i < text.size() && text.at(i) == decimalSeparator) {
        const qsizetype fractionStart = ++i;
        i = skipDigits(text, i);
        anyDigit = anyDigit || i > fractionStart;
        normalised += QLatin1Char('.');
        normalised += text.sliced(fractionStart, i - fractionStart);
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        const qsizetype exponentStart = i++;
        if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            ++i;
        const qsizetype digitsStart = i;
        i = skipDigits(text, i);
        if (i == digitsStart)
            return std::nullopt;
        normalised += text.sliced(exponentStart, i - exponentStart);
    }
    if (i != text.size())
        return std::nullopt;
    bool ok = false;
    const double value = normalised.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString formatIniFloat(double value, QChar decimalSeparator)
{
    QString text = QString::number(value, 'g', 15);
    // "1e+20" and "1e-07" are written "1E20" and "1E-7".
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        const QString mantissa = text.first(e);
        const int exponent = text.sliced(e + 1).toInt();
        text = mantissa + QLatin1Char('E') + QString::number(exponent);
    }
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

} // namespace solvaro
