#pragma once

#include "base/error.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

namespace solvaro {

// Formula steps are judged by arithmetic and by the operations performed, not by
// text: RPN turns a typed formula into postfix form and CalcolaRPN evaluates it,
// listing the two-operand operations it did so that a pupil's way to a result can
// be compared with the teacher's.

// A number that does not read, a division by zero, an overflow or a formula too
// long for the room it is given. It ends the current action and reaches the
// application's general error box.
class ExpressionError : public Error
{
public:
    using Error::Error;
};

// How many numbers CalcolaRPN holds.
inline constexpr int evaluatorCapacity = 30;

// Turns an infix formula into a postfix string of numbers and operators joined by
// '_' ("12+7" -> "12_7_+", "(2+3)*4" -> "2_3_+_4_*"). The formula is read in upper
// case with ':' as '/' and 'X' as '*', up to its first '='. Its characters are
// digits, ',', '.', letters, "+-*/", the brackets "()[]{}"; every other character,
// '#' and blanks included, is skipped, so "1 2" and "1#2" both read as 12.
//
// Records the formula's numbers in numbers[0..n] and its operators in
// signs[0..n-1], then '=' in signs[n], where n, the operator count, is returned
// in operatorCount. A number before an operator is read with decimalSeparator; the
// last one only with '.', and when it does not read so, numbers[n] keeps its
// earlier value. The caller sizes numbers and signs: a formula that needs more
// entries throws, as does a number before an operator that does not read.
QString RPN(const QString &expression, QVector<double> &numbers, QVector<QChar> &signs,
    int &operatorCount, QChar decimalSeparator);

// Evaluates a postfix string from RPN and returns its value. operations is
// cleared and filled with the operations done, "a<op>b" with both numbers in
// "0.000" form, "+" and "*" in both orders; when every operation was an addition
// (or there was none) or every one a multiplication, the list holds instead every
// ordered pair of the numbers read, "+" or "*" between them. A last entry holds
// the result. A number counts only once a '_' follows it, so "5" evaluates to 0.
// Throws on a number that does not read, on a division by zero, on a result out
// of range and on more than evaluatorCapacity numbers.
double CalcolaRPN(const QString &postfix, QStringList &operations, QChar decimalSeparator);

} // namespace solvaro
