#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace solvaro {

// Numbers as the program shows and reads them, with the user's decimal separator
// passed in and never a thousands separator. Before any rounding a value is taken
// to 15 significant digits, the precision a typed number survives with, so 2.0005
// rounds up as it reads and 0.1 + 0.2 shows as 0.3. Halves round away from zero.
// A value that rounds to zero never shows a minus sign.

// Pattern "0.000": '0' is a forced digit, so always an integer digit and exactly
// three decimals: 19 -> "19,000", -5 -> "-5,000", 0.0004 -> "0,000".
QString formatThreeDecimals(double value, QChar decimalSeparator);

// Pattern "####.###": '#' is a digit shown only when it is significant, and no
// digit is forced on either side of the separator. So at most three decimals,
// trailing zeros dropped, the separator only when decimals remain, no leading
// zero before it, and nothing at all for zero: 19.0004 -> "19", 12.5 -> "12,5",
// 0.5 -> ",5", 1234567 -> "1234567", 0.0004 -> "".
QString formatUpToThreeDecimals(double value, QChar decimalSeparator);

// Pattern "#####": a whole number, rounded, with no separator; empty for 0.
QString formatWholeNumber(double value);

// The shortest general form with up to 15 significant digits: 12 -> "12",
// 0.5 -> "0,5", 0.1 + 0.2 -> "0,3". Plain decimals from 0.0001 up to numbers of
// 15 integer digits; outside that a mantissa and an "E" exponent: 1e-7 -> "1E-7",
// 1.5e20 -> "1,5E20".
QString formatGeneral(double value, QChar decimalSeparator);

// Reads a number as the user types it: blanks around it, an optional sign, then
// digits with at most one decimal separator and at least one digit ("3", "3,5",
// ",5", "3," with a comma separator). No exponent and no thousands separator.
// Nothing when the text is not such a number or is beyond the range of a double.
std::optional<double> parseNumber(const QString &text, QChar decimalSeparator);

} // namespace solvaro
