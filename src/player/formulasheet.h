#pragma once

#include "player/formularow.h"
#include "player/progressstate.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

namespace solvaro {

// A teacher's formula worked out for a row of `width` places: its postfix form,
// its numbers (TDATI) with the result after the last one, its operators
// (TSEGNI) closed by '='.
struct WorkedFormula {
    QString postfix;
    QVector<double> numbers;
    QVector<QChar> signs;
    int operatorCount = 0;
    double result = 0.0;
};
// Throws ExpressionError when the formula does not read, does not evaluate
// (a division by zero) or does not fit in the row.
WorkedFormula workOutFormula(const QString &typed, int width, QChar decimalSeparator);

// The formula rows of the open sheet and, per row, the numbers (TDATI) and
// operators (TSEGNI) of the current exercise's expected formula. The player's
// widgets show the rows; the pupil's input goes back into them.
class FormulaSheet
{
public:
    // CreaAllINPUT: rows for formulaKinds with their patterns, matrices sized.
    void build(const QString &formulaKinds, const QStringList &patterns, bool editMode);
    // Panels and fields placed for the step tops of the sheet.
    void layout(const QString &stepKinds, const QVector<int> &stepTops);

    int rowCount() const { return int(m_rows.size()); }
    FormulaRow &row(int formulaIndex) { return m_rows[formulaIndex]; }
    const FormulaRow &row(int formulaIndex) const { return m_rows.at(formulaIndex); }
    const QVector<FormulaRow> &rows() const { return m_rows; }
    bool hasRow(int formulaIndex) const
    {
        return formulaIndex >= 0 && formulaIndex < m_rows.size();
    }
    int matrixWidth() const { return m_width; }
    const QVector<double> &TDATI(int formulaIndex) const { return m_numbers.at(formulaIndex); }
    const QVector<QChar> &TSEGNI(int formulaIndex) const { return m_signs.at(formulaIndex); }

    // CARICA_FORMULE. typedFormulas[k] is the teacher's formula "R<k>" of the
    // current exercise. Every row is first emptied of the exercise before: its
    // entries, expected texts, marks and numbers. expectedFormulas then gets,
    // per row, the postfix form of a formula or the text of an equivalence, and
    // every field its expected text. A formula that cannot be worked out leaves
    // its row empty, with the evaluator's message as its problem.
    void CARICA_FORMULE(
        const QStringList &typedFormulas, QStringList &expectedFormulas, QChar decimalSeparator);

    // OperandoClick on the operator field at position. True when the operator
    // menu must open: only in pupil mode and on a formula ('F') step.
    bool OperandoClick(int position, QChar currentStepKind, bool editMode);
    // N1Click: menu item 0..3 ("+", "_", "X", ":") writes "+", "-", "X" or ":"
    // into the selected field of the given row. False when nothing was written.
    bool N1Click(int menuItem, int formulaIndex);

    // The row becomes the current step: its panel shown and its fields
    // enabled, unless the row has a problem and cannot be answered.
    void activateRow(int formulaIndex);
    // No field takes input: the rows behind the current step are solved, those
    // ahead not reached yet.
    void closeRows();
    void setPanelsVisible(bool visible);
    // Every panel shown, every field showing its expected text, marked right
    // and disabled.
    void showExpectedTexts();
    // A resumed exercise: each field takes the text saved for its place.
    void restoreEntries(const QVector<QVector<SavedField>> &fields)
    {
        restoreFields(m_rows, fields);
    }

private:
    void resetRow(int k);
    void loadFormula(
        int k, const QString &typed, QStringList &expectedFormulas, QChar decimalSeparator);
    void loadEquivalence(int k, const QString &typed, QStringList &expectedFormulas);

    bool m_editMode = false;
    QVector<FormulaRow> m_rows;
    int m_width = 1;
    QVector<QVector<double>> m_numbers;
    QVector<QVector<QChar>> m_signs;
    int m_selectedOperatorPosition = 0;
};

} // namespace solvaro
