#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

namespace solvaro {

// How one line of an INI file reads.
enum class IniLineKind {
    Other, // blank, stray text, or a line without '='
    Comment, // first non-blank character ';'
    Section, // first non-blank character '['
    Key, // contains '='
};

struct IniLine {
    IniLineKind kind = IniLineKind::Other;
    // Section or key name as spelled, without surrounding blanks.
    QStringView name;
    // For a key: the value without surrounding blanks and with one matching pair
    // of outer quotes removed; not yet cut to the read limit.
    QStringView value;
};

// Reads one line (without its line break). The views point into `line`.
IniLine parseIniLine(QStringView line);

// Blanks are spaces and tabs; nothing else is trimmed.
QStringView trimIniBlanks(QStringView text);

// The text to put after '=' so that the value reads back as given: line breaks
// become '|', and a value that the reader would trim or unquote gets one extra
// pair of double quotes.
QString iniStoredValue(const QString &value);

// Integer as the data's INI class reads it: optional sign, then decimal digits
// or hexadecimal after '$' or "0x"; within 32 bits.
std::optional<int> parseIniInteger(QStringView text);
// Real number with the given decimal separator: optional sign, digits with at
// most one separator, optional exponent.
std::optional<double> parseIniFloat(QStringView text, QChar decimalSeparator);
// Shortest form with 15 significant digits, the way the data's INI class writes it.
QString formatIniFloat(double value, QChar decimalSeparator);

} // namespace solvaro
