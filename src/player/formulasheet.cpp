#include "player/formulasheet.h"

#include "player/evaluator.h"
#include "player/expectedtext.h"
#include "player/numberformat.h"

namespace solvaro {

void FormulaSheet::build(const QString &formulaKinds, const QStringList &patterns, bool editMode)
{
    m_rows = buildFormulaRows(formulaKinds, patterns, editMode);
    m_width = formulaMatrixWidth(formulaKinds, patterns);
    m_numbers = QVector<QVector<double>>(m_rows.size(), QVector<double>(m_width, 0.0));
    m_signs = QVector<QVector<QChar>>(m_rows.size(), QVector<QChar>(m_width));
    m_selectedOperatorPosition = 0;
}

void FormulaSheet::layout(const QString &stepKinds, const QVector<int> &stepTops)
{
    layoutFormulaRows(m_rows, stepKinds, stepTops);
}

void FormulaSheet::CARICA_FORMULE(
    const QStringList &typedFormulas, QStringList &expectedFormulas, QChar decimalSeparator)
{
    while (expectedFormulas.size() < m_rows.size())
        expectedFormulas.append(QString());
    for (int k = 0; k < m_rows.size(); ++k) {
        const QString typed = typedFormulas.value(k);
        expectedFormulas[k] = typed;
        if (m_rows.at(k).kind == QLatin1Char('F'))
            loadFormula(k, typed, expectedFormulas, decimalSeparator);
        else
            loadEquivalence(k, typed, expectedFormulas);
    }
}

void FormulaSheet::loadFormula(
    int k, const QString &typed, QStringList &expectedFormulas, QChar decimalSeparator)
{
    QVector<double> &numbers = m_numbers[k];
    QVector<QChar> &signs = m_signs[k];
    // A fresh line for each exercise, so that nothing of the exercise shown
    // before can turn up among this one's expected texts.
    numbers.fill(0.0);
    signs.fill(QChar());
    FormulaRow &row = m_rows[k];

    if (typed.isEmpty()) {
        // No expected formula: nothing to show but the equals sign.
        for (FormulaField &field : row.fields) {
            field.expectedText = field.isEqualsField() ? QStringLiteral("=") : QString();
            field.text = field.expectedText;
            if (field.signFlag)
                field.background = fieldYellow;
            else
                field.themed = true;
        }
        return;
    }

    int operatorCount = 0;
    const QString postfix = RPN(typed, numbers, signs, operatorCount, decimalSeparator);
    expectedFormulas[k] = postfix;
    QStringList operations;
    const double result = CalcolaRPN(postfix, operations, decimalSeparator);
    // A formula with more operations than its pattern has no field for the
    // result.
    if (operatorCount + 1 < numbers.size())
        numbers[operatorCount + 1] = result;

    int nextSign = 0;
    int nextNumber = 0;
    for (FormulaField &field : row.fields) {
        if (field.signFlag) {
            const QChar sign = signs.value(nextSign++);
            field.expectedText = sign.isNull() ? QString() : QString(sign);
            field.background = fieldYellow;
            field.text = field.expectedText == QLatin1String("=") ? field.expectedText : QString();
        } else {
            field.themed = true;
            field.text.clear();
            field.expectedText = formatGeneral(numbers.value(nextNumber++), decimalSeparator);
        }
    }
}

void FormulaSheet::loadEquivalence(int k, const QString &typed, QStringList &expectedFormulas)
{
    expectedFormulas[k] = typed;
    const QStringList parts = splitEquivalence(typed);
    FormulaRow &row = m_rows[k];
    for (int i = 0; i < row.fields.size() && i < parts.size(); ++i) {
        FormulaField &field = row.fields[i];
        field.expectedText = parts.at(i);
        // The marks of the exercise shown before do not carry over.
        if (!field.signFlag) {
            field.themed = false;
            field.background = fieldWhite;
        }
    }
}

bool FormulaSheet::OperandoClick(int position, QChar currentStepKind, bool editMode)
{
    if (editMode || currentStepKind != QLatin1Char('F'))
        return false;
    m_selectedOperatorPosition = position;
    return true;
}

bool FormulaSheet::N1Click(int menuItem, int formulaIndex)
{
    static const QStringList operators { QStringLiteral("+"), QStringLiteral("-"),
        QStringLiteral("X"), QStringLiteral(":") };
    if (menuItem < 0 || menuItem >= operators.size() || !hasRow(formulaIndex))
        return false;
    FormulaField *field = m_rows[formulaIndex].field(m_selectedOperatorPosition);
    if (!field)
        return false;
    field->text = operators.at(menuItem);
    return true;
}

void FormulaSheet::activateRow(int formulaIndex)
{
    if (!hasRow(formulaIndex))
        return;
    FormulaRow &row = m_rows[formulaIndex];
    for (FormulaField &field : row.fields)
        field.enabled = true;
    row.panelVisible = true;
}

void FormulaSheet::setPanelsVisible(bool visible)
{
    for (FormulaRow &row : m_rows)
        row.panelVisible = visible;
}

void FormulaSheet::clearEntries()
{
    for (FormulaRow &row : m_rows) {
        for (FormulaField &field : row.fields) {
            if (field.text != QLatin1String("="))
                field.text.clear();
        }
    }
}

void FormulaSheet::showExpectedTexts()
{
    for (FormulaRow &row : m_rows) {
        row.panelVisible = true;
        for (FormulaField &field : row.fields) {
            field.text = field.expectedText;
            field.enabled = false;
        }
    }
}

} // namespace solvaro
