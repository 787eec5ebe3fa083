#pragma once

#include "player/formularow.h"
#include "player/progressstate.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

namespace solvaro {

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
    // current exercise. expectedFormulas gets, per row, the postfix form of a
    // formula or the text of an equivalence, and every field its expected
    // text. Throws the evaluator's errors on a formula that does not read.
    void CARICA_FORMULE(
        const QStringList &typedFormulas, QStringList &expectedFormulas, QChar decimalSeparator);

    // OperandoClick on the operator field at position. True when the operator
    // menu must open: only in pupil mode and on a formula ('F') step.
    bool OperandoClick(int position, QChar currentStepKind, bool editMode);
    // N1Click: menu item 0..3 ("+", "_", "X", ":") writes "+", "-", "X" or ":"
    // into the selected field of the given row. False when nothing was written.
    bool N1Click(int menuItem, int formulaIndex);

    // The row becomes the current step: its fields enabled, its panel shown.
    void activateRow(int formulaIndex);
    void setPanelsVisible(bool visible);
    // Empties every field that does not show "=".
    void clearEntries();
    // Every panel shown, every field showing its expected text and disabled.
    void showExpectedTexts();
    // A resumed exercise: each field takes the text saved for its place.
    void restoreEntries(const QVector<QVector<SavedField>> &fields)
    {
        restoreFields(m_rows, fields);
    }

private:
    void loadFormula(
        int k, const QString &typed, QStringList &expectedFormulas, QChar decimalSeparator);
    void loadEquivalence(int k, const QString &typed, QStringList &expectedFormulas);

    QVector<FormulaRow> m_rows;
    int m_width = 1;
    QVector<QVector<double>> m_numbers;
    QVector<QVector<QChar>> m_signs;
    int m_selectedOperatorPosition = 0;
};

} // namespace solvaro
