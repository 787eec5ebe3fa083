#pragma once

#include "player/exercisestate.h"

#include <QString>
#include <QVector>
#include <optional>

namespace solvaro {

struct FormulaRow;
class FormulaSheet;
class StepCycle;

// One entry field of a formula row as a progress file and the report see it:
// its 1-based place in the row, what it holds, and whether it is an operator
// or equals field (sign flag).
struct SavedField {
    int position = 0;
    QString text;
    bool signFlag = false;

    bool operator==(const SavedField &) const = default;
};

// The exercise on screen as far as a progress file keeps it, in the player's
// terms. The player copies its widgets into it to save or print, and shows
// what a resume hands back. Each member names the key it is saved under.
struct ExerciseProgress {
    // "M1" and "M2": the sheet and exercise the state belongs to, 0-based.
    int sheet = 0;
    int exercise = 0;
    // "INIFILE": the sheet's exercise file as stored.
    QString exerciseFileName;
    // "HLPNUM".
    ExerciseState exerciseState = NotSolved;
    // "B1.tag": the step being answered; the step count once finished.
    int currentStep = 0;
    // "E1.tag", "E1.itemindex" (-1 for none), "E1sp.visible": the question
    // group's tag, its selected option and whether the question panel shows.
    int questionTag = 0;
    int selectedOption = -1;
    bool questionPanelVisible = false;
    // "TOT_ERRORI", and "ERRORS_<key>" in "ISTORY".
    int totalErrors = 0;
    // "ERRORE<k>": one entry per step and one more.
    QVector<int> stepErrors;
    // "LABEL<k>": the answer label of each step, when it has one.
    QVector<std::optional<QString>> answerLabels;
    // "TEDI_<f><j>": per formula index, the fields the row has, in position order.
    QVector<QVector<SavedField>> formulaFields;

    bool operator==(const ExerciseProgress &) const = default;
};

// The fields of the formula rows, and back: each field takes the text saved
// for its place; rows and places without one keep their text.
QVector<QVector<SavedField>> savedFields(const QVector<FormulaRow> &rows);
void restoreFields(QVector<FormulaRow> &rows, const QVector<QVector<SavedField>> &fields);

// What the step cycle and the formula rows know of the exercise on screen.
// The player adds the sheet, the exercise file and the question panel's tag and
// visibility, which live in its widgets.
ExerciseProgress progressOf(const StepCycle &steps, const FormulaSheet &formulas);

} // namespace solvaro
