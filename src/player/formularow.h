#pragma once

#include "player/formulafield.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

namespace solvaro {

// The entry fields of one formula step, built from its pattern: a formula ('F')
// gets one field per pattern character, an equivalence ('E') always five
// (number, unit, "=", number, unit).
struct FormulaRow {
    QChar kind;
    int formulaIndex = 0;
    QString pattern;
    // "FORMULA_PNL<k>", or "FORMULE_PNL<k>" for an equivalence.
    QString panelName;
    // fields[i] is the field at position i + 1.
    QVector<FormulaField> fields;
    QRect panelGeometry;
    bool panelVisible = false;
    // Why the teacher's formula of the current exercise cannot be worked out;
    // empty when it can. A row with a problem cannot be answered.
    QString problem;

    // The field at a 1-based position, or nullptr.
    FormulaField *field(int position);
    const FormulaField *field(int position) const;
};

// Builds the rows of a sheet (CreaAllINPUT): one per character of formulaKinds,
// with entry k of patterns. Number fields are enabled only in the teacher's
// editing mode. Labels number the numbers and operators across the formula
// steps of the sheet and start again after an equivalence.
QVector<FormulaRow> buildFormulaRows(
    const QString &formulaKinds, const QStringList &patterns, bool editMode);

// Places each row's panel 23 pixels above its step's top (left 80) and its
// fields from left to right; every panel starts hidden.
void layoutFormulaRows(
    QVector<FormulaRow> &rows, const QString &stepKinds, const QVector<int> &stepTops);

// Columns of the per-row matrices: 1 + the longest pattern, and room for the
// five fields of an equivalence.
int formulaMatrixWidth(const QString &formulaKinds, const QStringList &patterns);

} // namespace solvaro
