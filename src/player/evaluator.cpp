#include "player/evaluator.h"

#include "player/numberformat.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace solvaro {

namespace {

const QChar endMarker = QLatin1Char('e');

bool isOperator(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('*')
        || c == QLatin1Char('/');
}

bool isOpeningBracket(QChar c)
{
    return c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{');
}

// The opening bracket a closing one pops back to; a null QChar when c closes
// nothing.
QChar openingFor(QChar c)
{
    if (c == QLatin1Char(')'))
        return QLatin1Char('(');
    if (c == QLatin1Char(']'))
        return QLatin1Char('[');
    if (c == QLatin1Char('}'))
        return QLatin1Char('{');
    return QChar();
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isNumberCharacter(QChar c)
{
    return isDigit(c) || c == QLatin1Char(',') || c == QLatin1Char('.')
        || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

int precedence(QChar op)
{
    return op == QLatin1Char('*') || op == QLatin1Char('/') ? 2 : 1;
}

// The operator stack's top is its last character; an empty stack pops the end
// marker.
QChar popOperator(QString &stack)
{
    if (stack.isEmpty())
        return endMarker;
    const QChar top = stack.back();
    stack.chop(1);
    return top;
}

// Upper case for ASCII only: no other letter may turn into one of the grammar.
QString normalised(const QString &expression)
{
    QString result;
    for (QChar c : expression) {
        if (c == QLatin1Char('='))
            break;
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
        if (c == QLatin1Char(':'))
            c = QLatin1Char('/');
        else if (c == QLatin1Char('X'))
            c = QLatin1Char('*');
        result += c;
    }
    return result;
}

void checkRoom(qsizetype index, const QVector<double> &numbers, const QVector<QChar> &signs,
    const QString &expression)
{
    if (index >= numbers.size() || index >= signs.size())
        throw ExpressionError(
            QStringLiteral("The formula '%1' does not fit in the %2 places of its step")
                .arg(expression)
                .arg(std::min(numbers.size(), signs.size())));
}

// shownText is the number as the user typed it, for the message.
double readNumber(const QString &text, QChar decimalSeparator, const QString &shownText)
{
    const auto value = parseNumber(text, decimalSeparator);
    if (!value)
        throw ExpressionError(QStringLiteral("'%1' is not a valid number").arg(shownText));
    return *value;
}

QString operation(double a, QChar op, double b, QChar decimalSeparator)
{
    return formatThreeDecimals(a, decimalSeparator) + op + formatThreeDecimals(b, decimalSeparator);
}

} // namespace

QString RPN(const QString &expression, QVector<double> &numbers, QVector<QChar> &signs,
    int &operatorCount, QChar decimalSeparator)
{
    const QString input = normalised(expression);
    QString output;
    QString stack;
    qsizetype n = 0;
    // The buffer starts with a '0' so that an operator with no number before it
    // reads as 0 and a leading separator (",5") still reads.
    QString buffer = QStringLiteral("0");

    for (const QChar c : input) {
        if (isOpeningBracket(c)) {
            stack += c;
        } else if (const QChar opening = openingFor(c); !opening.isNull()) {
            for (QChar top = popOperator(stack); top != opening && top != endMarker;
                 top = popOperator(stack)) {
                output += QLatin1Char('_');
                output += top;
            }
        } else if (isNumberCharacter(c)) {
            buffer += c;
            output += c;
        } else if (isOperator(c)) {
            checkRoom(n, numbers, signs, expression);
            numbers[n] = readNumber(buffer, decimalSeparator, buffer.mid(1));
            signs[n] = c;
            ++n;
            buffer = QStringLiteral("0");
            output += QLatin1Char('_');
            while (!stack.isEmpty() && isOperator(stack.back())
                && precedence(stack.back()) >= precedence(c)) {
                output += popOperator(stack);
                output += QLatin1Char('_');
            }
            stack += c;
        }
    }

    checkRoom(n, numbers, signs, expression);
    if (const auto last = parseNumber(buffer, QLatin1Char('.')))
        numbers[n] = *last;
    signs[n] = QLatin1Char('=');

    for (QChar top = popOperator(stack); top != endMarker; top = popOperator(stack)) {
        output += QLatin1Char('_');
        output += top;
    }
    operatorCount = int(n);
    return output;
}

double CalcolaRPN(const QString &postfix, QStringList &operations, QChar decimalSeparator)
{
    operations.clear();
    // Slots 1 to evaluatorCapacity; slot 1 is the result.
    std::array<double, evaluatorCapacity + 1> stack {};
    int depth = 0;
    QVector<double> numbersRead;
    int applied = 0;
    int additions = 0;
    int multiplications = 0;
    QString text;

    for (const QChar c : postfix) {
        if (isDigit(c)) {
            text += c;
        } else if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            text += decimalSeparator;
        } else if (c == QLatin1Char('_')) {
            if (text.isEmpty())
                continue;
            const double value = readNumber(text, decimalSeparator, text);
            if (numbersRead.size() >= evaluatorCapacity)
                throw ExpressionError(QStringLiteral("The formula '%1' has more than %2 numbers")
                                          .arg(postfix)
                                          .arg(evaluatorCapacity));
            stack[++depth] = value;
            numbersRead.append(value);
            text.clear();
        } else if (isOperator(c)) {
            if (depth < 2)
                continue;
            const double a = stack[depth - 1];
            const double b = stack[depth];
            const auto where = [&] {
                return formatGeneral(a, decimalSeparator) + c + formatGeneral(b, decimalSeparator);
            };
            double result = 0.0;
            if (c == QLatin1Char('+')) {
                result = a + b;
                ++additions;
            } else if (c == QLatin1Char('-')) {
                result = a - b;
            } else if (c == QLatin1Char('*')) {
                result = a * b;
                ++multiplications;
            } else {
                if (b == 0.0)
                    throw ExpressionError(QStringLiteral("Division by zero in %1").arg(where()));
                result = a / b;
            }
            if (!std::isfinite(result))
                throw ExpressionError(QStringLiteral("The result of %1 is too large").arg(where()));
            ++applied;
            operations.append(operation(a, c, b, decimalSeparator));
            if (c == QLatin1Char('+') || c == QLatin1Char('*'))
                operations.append(operation(b, c, a, decimalSeparator));
            stack[--depth] = result;
        }
    }

    // When only additions or only multiplications were done, any grouping of the
    // numbers is as right as the teacher's, so every pair is listed.
    if (!numbersRead.isEmpty() && (additions == applied || multiplications == applied)) {
        const QChar sign = additions == applied ? QLatin1Char('+') : QLatin1Char('*');
        operations.clear();
        for (qsizetype i = 0; i < numbersRead.size(); ++i) {
            for (qsizetype j = 0; j < numbersRead.size(); ++j) {
                if (i != j)
                    operations.append(
                        operation(numbersRead[i], sign, numbersRead[j], decimalSeparator));
            }
        }
    }

    operations.append(formatThreeDecimals(stack[1], decimalSeparator));
    return stack[1];
}

} // namespace solvaro
