#include "overview/classtotals.h"

#include <QMap>
#include <algorithm>
#include <limits>

namespace solvaro {

namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

void Totals::add(const ExerciseResult &result)
{
    ++exercises;
    solved += result.solved ? 1 : 0;
    // A damaged or doctored file may claim any number of errors: the sum
    // stops at the largest number it can hold rather than wrap round.
    errors = int(std::clamp(qint64(errors) + result.errors, qint64(std::numeric_limits<int>::min()),
        qint64(std::numeric_limits<int>::max())));
    helps += result.helpAsked ? 1 : 0;
}

bool ClassFilter::matches(const ExerciseResult &result) const
{
    return (!pupil || *pupil == result.pupil) && (!sheet || *sheet == result.sheet);
}

ClassOverview::ClassOverview(ClassProgress progress)
    : m_progress(std::move(progress))
{
}

QStringList ClassOverview::pupils() const
{
    QStringList names;
    for (const ExerciseResult &result : m_progress.results) {
        if (names.isEmpty() || names.last() != result.pupil)
            names.append(result.pupil);
    }
    return names;
}

QVector<int> ClassOverview::sheets() const
{
    QVector<int> found;
    for (const ExerciseResult &result : m_progress.results) {
        if (!found.contains(result.sheet))
            found.append(result.sheet);
    }
    std::sort(found.begin(), found.end());
    return found;
}

QVector<ExerciseResult> ClassOverview::shownResults() const
{
    QVector<ExerciseResult> shown;
    shown.reserve(m_progress.results.size());
    for (const ExerciseResult &result : m_progress.results) {
        if (m_filter.matches(result))
            shown.append(result);
    }
    return shown;
}

QVector<PupilTotals> ClassOverview::totalsPerPupil() const
{
    // The results come grouped by pupil.
    QVector<PupilTotals> perPupil;
    for (const ExerciseResult &result : m_progress.results) {
        if (!m_filter.matches(result))
            continue;
        if (perPupil.isEmpty() || perPupil.last().pupil != result.pupil)
            perPupil.append(PupilTotals { result.pupil, {} });
        perPupil.last().totals.add(result);
    }
    return perPupil;
}

QVector<ExerciseTotals> ClassOverview::totalsPerExercise() const
{
    QMap<std::pair<int, int>, Totals> sums;
    for (const ExerciseResult &result : m_progress.results) {
        if (m_filter.matches(result))
            sums[{ result.sheet, result.exercise }].add(result);
    }
    QVector<ExerciseTotals> perExercise;
    perExercise.reserve(sums.size());
    for (auto it = sums.cbegin(); it != sums.cend(); ++it)
        perExercise.append(ExerciseTotals { it.key().first, it.key().second, it.value() });
    return perExercise;
}

Totals ClassOverview::totals() const
{
    Totals sum;
    for (const ExerciseResult &result : m_progress.results) {
        if (m_filter.matches(result))
            sum.add(result);
    }
    return sum;
}

QStringList resultHeaders()
{
    return { QStringLiteral("Pupil"), QStringLiteral("Sheet"), QStringLiteral("Exercise"),
        QStringLiteral("Solved"), QStringLiteral("Errors"), QStringLiteral("Help asked") };
}

QVector<QVariantList> resultRows(const QVector<ExerciseResult> &results)
{
    QVector<QVariantList> rows;
    rows.reserve(results.size());
    for (const ExerciseResult &result : results) {
        rows.append({ result.pupil, result.sheet + 1, result.exercise + 1, yesNo(result.solved),
            result.errors, yesNo(result.helpAsked) });
    }
    return rows;
}

QStringList pupilTotalsHeaders()
{
    return { QStringLiteral("Pupil"), QStringLiteral("Exercises"), QStringLiteral("Solved"),
        QStringLiteral("Errors"), QStringLiteral("Helps asked") };
}

QVector<QVariantList> pupilTotalsRows(const QVector<PupilTotals> &totals)
{
    QVector<QVariantList> rows;
    rows.reserve(totals.size());
    for (const PupilTotals &pupil : totals) {
        const Totals &sum = pupil.totals;
        rows.append({ pupil.pupil, sum.exercises, sum.solved, sum.errors, sum.helps });
    }
    return rows;
}

QStringList exerciseTotalsHeaders()
{
    return { QStringLiteral("Sheet"), QStringLiteral("Exercise"), QStringLiteral("Pupils"),
        QStringLiteral("Solved"), QStringLiteral("Errors"), QStringLiteral("Helps asked") };
}

QVector<QVariantList> exerciseTotalsRows(const QVector<ExerciseTotals> &totals)
{
    QVector<QVariantList> rows;
    rows.reserve(totals.size());
    for (const ExerciseTotals &exercise : totals) {
        const Totals &sum = exercise.totals;
        rows.append({ exercise.sheet + 1, exercise.exercise + 1, sum.exercises, sum.solved,
            sum.errors, sum.helps });
    }
    return rows;
}

QString totalsSummary(int pupils, const Totals &totals)
{
    return QStringLiteral("%1 pupils, %2 exercises, %3 solved, %4 errors, %5 helps asked")
        .arg(pupils)
        .arg(totals.exercises)
        .arg(totals.solved)
        .arg(totals.errors)
        .arg(totals.helps);
}

} // namespace solvaro
