#pragma once

#include "overview/classprogress.h"

#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <optional>

namespace solvaro {

// Sums over a group of exercise results.
struct Totals {
    int exercises = 0;
    int solved = 0;
    int errors = 0;
    int helps = 0;

    void add(const ExerciseResult &result);
    bool operator==(const Totals &) const = default;
};

struct PupilTotals {
    QString pupil;
    Totals totals;
};

// One exercise of one sheet over the pupils who worked on it.
struct ExerciseTotals {
    int sheet = 0;
    int exercise = 0;
    Totals totals;
};

// Which results the teacher looks at: one pupil, one sheet, or all.
struct ClassFilter {
    std::optional<QString> pupil;
    std::optional<int> sheet;

    bool matches(const ExerciseResult &result) const;
};

// The class's results as the overview shows them: filtered, summed per pupil,
// per exercise and for the whole selection.
class ClassOverview
{
public:
    ClassOverview() = default;
    explicit ClassOverview(ClassProgress progress);

    const ClassProgress &progress() const { return m_progress; }
    // The pupils and sheets present, for the filters, in the results' order.
    QStringList pupils() const;
    QVector<int> sheets() const;

    void setFilter(const ClassFilter &filter) { m_filter = filter; }
    const ClassFilter &filter() const { return m_filter; }

    QVector<ExerciseResult> shownResults() const;
    QVector<PupilTotals> totalsPerPupil() const;
    QVector<ExerciseTotals> totalsPerExercise() const;
    Totals totals() const;

private:
    ClassProgress m_progress;
    ClassFilter m_filter;
};

// The three tables as rows of cells: numbers stay numbers, so that they sort
// and export as numbers; sheets and exercises are counted from 1, as their
// tabs are.
QStringList resultHeaders();
QVector<QVariantList> resultRows(const QVector<ExerciseResult> &results);
QStringList pupilTotalsHeaders();
QVector<QVariantList> pupilTotalsRows(const QVector<PupilTotals> &totals);
QStringList exerciseTotalsHeaders();
QVector<QVariantList> exerciseTotalsRows(const QVector<ExerciseTotals> &totals);

// "3 pupils, 12 exercises, 9 solved, 14 errors, 2 helps asked"
QString totalsSummary(int pupils, const Totals &totals);

} // namespace solvaro
