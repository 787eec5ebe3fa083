#include "player/progressstate.h"

#include "player/formulasheet.h"
#include "player/stepcycle.h"

namespace solvaro {

QVector<QVector<SavedField>> savedFields(const QVector<FormulaRow> &rows)
{
    QVector<QVector<SavedField>> fields;
    fields.reserve(rows.size());
    for (const FormulaRow &row : rows) {
        QVector<SavedField> saved;
        saved.reserve(row.fields.size());
        for (const FormulaField &field : row.fields)
            saved.append(SavedField { field.position, field.text, field.signFlag });
        fields.append(saved);
    }
    return fields;
}

void restoreFields(QVector<FormulaRow> &rows, const QVector<QVector<SavedField>> &fields)
{
    const qsizetype count = std::min(rows.size(), fields.size());
    for (qsizetype f = 0; f < count; ++f) {
        for (const SavedField &saved : fields[f]) {
            if (FormulaField *field = rows[f].field(saved.position))
                field->text = saved.text;
        }
    }
}

ExerciseProgress progressOf(const StepCycle &steps, const FormulaSheet &formulas)
{
    ExerciseProgress progress;
    progress.exercise = steps.exerciseIndex();
    progress.exerciseState = steps.exerciseState(steps.exerciseIndex());
    progress.currentStep = steps.currentStep();
    progress.selectedOption = steps.selectedOption();
    progress.totalErrors = steps.totalErrors();
    progress.stepErrors = steps.stepErrors();
    for (int step = 0; step < steps.stepCount(); ++step)
        progress.answerLabels.append(steps.answerLabel(step));
    progress.formulaFields = savedFields(formulas.rows());
    return progress;
}

} // namespace solvaro
