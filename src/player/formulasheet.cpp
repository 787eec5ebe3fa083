#include "player/formulasheet.h"

#include "player/evaluator.h"
#include "player/expectedtext.h"
#include "player/numberformat.h"

namespace solvaro {

WorkedFormula workOutFormula(const QString &typed, int width, QChar decimalSeparator)
{
    WorkedFormula worked;
    worked.numbers = QVector<double>(width, 0.0);
    worked.signs = QVector<QChar>(width);
    worked.postfix
        = RPN(typed, worked.numbers, worked.signs, worked.operatorCount, decimalSeparator);
    QStringList operations;
    worked.result = CalcolaRPN(worked.postfix, operations, decimalSeparator);
    // A formula with more operations than its pattern has no field for the
    // result.
    if (worked.operatorCount + 1 < worked.numbers.size())
        worked.numbers[worked.operatorCount + 1] = worked.result;
    return worked;
}

void FormulaSheet::build(const QString &formulaKinds, const QStringList &patterns, bool editMode)
{
    m_editMode = editMode;
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
    // Every row first: whichever formula fails, no row keeps anything of the
    // exercise shown before.
    for (int k = 0; k < m_rows.size(); ++k) {
        resetRow(k);
        expectedFormulas[k].clear();
    }
    for (int k = 0; k < m_rows.size(); ++k) {
        const QString typed = typedFormulas.value(k);
        if (m_rows.at(k).kind != QLatin1Char('F')) {
            loadEquivalence(k, typed, expectedFormulas);
            continue;
        }
        try {
            loadFormula(k, typed, expectedFormulas, decimalSeparator);
        } catch (const ExpressionError &error) {
            m_rows[k].problem = error.message();
        }
    }
}

void FormulaSheet::resetRow(int k)
{
    m_numbers[k].fill(0.0);
    m_signs[k].fill(QChar());
    FormulaRow &row = m_rows[k];
    row.problem.clear();
    for (FormulaField &field : row.fields) {
        field.text = field.isEqualsField() ? QStringLiteral("=") : QString();
        field.expectedText = field.text;
        // Until its step comes; the teacher's number fields open the
        // Expression Box.
        field.enabled = m_editMode;
        field.background = field.signFlag ? fieldYellow : fieldWhite;
        field.themed = !field.signFlag && row.kind == QLatin1Char('F');
    }
}

void FormulaSheet::loadFormula(
    int k, const QString &typed, QStringList &expectedFormulas, QChar decimalSeparator)
{
    // No expected formula: nothing to show but the equals sign.
    if (typed.isEmpty())
        return;
    const WorkedFormula worked = workOutFormula(typed, m_width, decimalSeparator);
    m_numbers[k] = worked.numbers;
    m_signs[k] = worked.signs;
    expectedFormulas[k] = worked.postfix;

    int nextSign = 0;
    int nextNumber = 0;
    for (FormulaField &field : m_rows[k].fields) {
        if (field.signFlag) {
            const QChar sign = worked.signs.value(nextSign++);
            field.expectedText = sign.isNull() ? QString() : QString(sign);
            field.text = field.expectedText == QLatin1String("=") ? field.expectedText : QString();
        } else {
            field.expectedText
                = formatGeneral(worked.numbers.value(nextNumber++), decimalSeparator);
        }
    }
}

void FormulaSheet::loadEquivalence(int k, const QString &typed, QStringList &expectedFormulas)
{
    expectedFormulas[k] = typed;
    const QStringList parts = splitEquivalence(typed);
    FormulaRow &row = m_rows[k];
    for (int i = 0; i < row.fields.size() && i < parts.size(); ++i)
        row.fields[i].expectedText = parts.at(i);
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
        field.enabled = row.problem.isEmpty();
    row.panelVisible = true;
}

void FormulaSheet::closeRows()
{
    for (FormulaRow &row : m_rows) {
        for (FormulaField &field : row.fields)
            field.enabled = false;
    }
}

void FormulaSheet::setPanelsVisible(bool visible)
{
    for (FormulaRow &row : m_rows)
        row.panelVisible = visible;
}

void FormulaSheet::showExpectedTexts()
{
    for (FormulaRow &row : m_rows) {
        row.panelVisible = true;
        for (FormulaField &field : row.fields) {
            field.text = field.expectedText;
            field.enabled = false;
            // The marks of the pupil's attempts do not stay on the answers.
            if (field.signFlag) {
                field.themed = false;
                field.background = fieldYellow;
            } else {
                markRight(field);
            }
        }
    }
}

} // namespace solvaro
