// A formula as a teacher types it into an exercise or a pupil into the fields
// of a row: RPN, then CalcolaRPN on what it gives, with both decimal
// separators. A formula the evaluator refuses throws ExpressionError, which
// the player shows; nothing else may happen.
#include "fuzztargets.h"

#include "player/evaluator.h"

#include <QStringList>
#include <QVector>

#include <cmath>

namespace solvaro::fuzz {

namespace {

void evaluate(const QString &formula, QChar separator, qsizetype room)
{
    QVector<double> numbers(room, 0.0);
    QVector<QChar> signs(room);
    int operatorCount = -1;
    try {
        const QString postfix = RPN(formula, numbers, signs, operatorCount, separator);
        expect(operatorCount >= 0 && operatorCount < room, "RPN counts within its room");
        expect(numbers.size() == room && signs.size() == room, "RPN keeps to the room it is given");
        QStringList operations;
        const double value = CalcolaRPN(postfix, operations, separator);
        expect(std::isfinite(value), "a result is a number");
    } catch (const ExpressionError &) {
    }
    try {
        // Stored formulas reach the evaluator as they stand.
        QStringList operations;
        CalcolaRPN(formula, operations, separator);
    } catch (const ExpressionError &) {
    }
}

} // namespace

void evaluator(const QByteArray &input)
{
    const QString formula = QString::fromUtf8(input);
    for (const QChar separator : { QLatin1Char('.'), QLatin1Char(',') }) {
        // The room a row of the formula's length gives, and a tight one.
        evaluate(formula, separator, formula.size() + 2);
        evaluate(formula, separator, 3);
    }
}

} // namespace solvaro::fuzz
