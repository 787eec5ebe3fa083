#include "player/validation.h"

#include "player/evaluator.h"
#include "player/numberformat.h"

#include <algorithm>

namespace solvaro {

namespace {

double readFieldNumber(const FormulaField &field, QChar decimalSeparator)
{
    const auto value = parseNumber(field.text, decimalSeparator);
    if (!value)
        throw ExpressionError(QStringLiteral("'%1' is not a valid number").arg(field.text));
    return *value;
}

QString operatorOf(const QString &text)
{
    QString op = text.trimmed();
    op.replace(QLatin1Char('X'), QLatin1Char('*'));
    op.replace(QLatin1Char('x'), QLatin1Char('*'));
    op.replace(QLatin1Char(':'), QLatin1Char('/'));
    return op;
}

// Each operator of the expected formula serves one operator field.
void markOperators(FormulaRow &row, const QString &expectedFormula)
{
    QString remaining = expectedFormula + QStringLiteral("_=");
    for (FormulaField &field : row.fields) {
        if (!field.signFlag)
            continue;
        field.background = fieldWhite;
        const QString op = operatorOf(field.text);
        const qsizetype at = op.isEmpty() ? -1 : remaining.indexOf(op);
        if (at >= 0)
            remaining[at] = QLatin1Char('?');
        markOperatorFound(field, at >= 0);
    }
}

// Each number of the expected operations serves one number field.
void markNumbers(FormulaRow &row, const QStringList &expectedOperations, QChar decimalSeparator)
{
    QString remaining;
    for (const QString &entry : expectedOperations)
        remaining += entry + QLatin1Char('_');
    for (FormulaField &field : row.fields) {
        if (field.signFlag || field.text.isEmpty())
            continue;
        const QString number
            = formatThreeDecimals(readFieldNumber(field, decimalSeparator), decimalSeparator);
        const qsizetype at = remaining.indexOf(number);
        if (at >= 0) {
            remaining.replace(at, number.size(), QString(number.size(), QLatin1Char('_')));
            markRight(field);
        } else {
            markWrong(field);
        }
    }
}

bool sameOperations(const QStringList &expected, const QStringList &pupil)
{
    return expected.size() == pupil.size()
        && std::all_of(expected.cbegin(), expected.cend(),
            [&pupil](const QString &entry) { return pupil.contains(entry); });
}

bool validateFormula(FormulaRow &row, const QString &expectedFormula, QChar decimalSeparator)
{
    QString expression;
    double pupilResult = 0.0;
    for (FormulaField &field : row.fields) {
        if (!field.signFlag && field.text.isEmpty())
            field.text = QStringLiteral("0");
        if (field.text != field.expectedText)
            markWrong(field);
        else if (!field.signFlag)
            markRight(field);
        expression += field.text;
        if (!field.signFlag)
            pupilResult = readFieldNumber(field, decimalSeparator);
    }
    expression.replace(QLatin1Char('X'), QLatin1Char('*'));
    expression.replace(QLatin1Char(':'), QLatin1Char('/'));

    QStringList expectedOperations;
    const double expectedValue = CalcolaRPN(expectedFormula, expectedOperations, decimalSeparator);

    // Room for every number and operator the pupil's fields can hold.
    QVector<double> numbers(row.fields.size() + 2, 0.0);
    QVector<QChar> signs(row.fields.size() + 2);
    int operatorCount = 0;
    const QString postfix = RPN(expression, numbers, signs, operatorCount, decimalSeparator);
    QStringList pupilOperations;
    CalcolaRPN(postfix, pupilOperations, decimalSeparator);

    bool right = sameOperations(expectedOperations, pupilOperations);
    if (right) {
        right = formatUpToThreeDecimals(pupilResult, decimalSeparator)
            == formatUpToThreeDecimals(expectedValue, decimalSeparator);
    }
    markOperators(row, expectedFormula);
    markNumbers(row, expectedOperations, decimalSeparator);
    return right;
}

bool validateEquivalence(FormulaRow &row)
{
    bool right = true;
    for (FormulaField &field : row.fields) {
        if (field.text.toUpper() != field.expectedText.toUpper()) {
            markWrong(field);
            right = false;
        } else {
            markRight(field);
        }
    }
    return right;
}

} // namespace

bool ValidazioneRisultato(
    QChar kind, FormulaRow &row, const QString &expectedFormula, QChar decimalSeparator)
{
    const bool right = kind == QLatin1Char('E')
        ? validateEquivalence(row)
        : validateFormula(row, expectedFormula, decimalSeparator);
    if (right) {
        for (FormulaField &field : row.fields)
            field.enabled = false;
    }
    return right;
}

} // namespace solvaro
