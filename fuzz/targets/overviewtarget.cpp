// The progress folder as the class overview reads it. The input is a folder
// of files: the bytes up to the first line that starts with "=== " are
// SOLVARO_ANNA.INI (so any progress file is an input as it stands), and each
// such line names the file the bytes after it fill, up to the next one. The
// folder is read, summed, sorted and exported as the overview does.
#include "fuzztargets.h"

#include "overview/classprogress.h"
#include "overview/classtotals.h"
#include "overview/csvexport.h"
#include "overview/tablemodel.h"
#include "player/stepcycle.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <limits>

namespace solvaro::fuzz {

namespace {

constexpr int maxFiles = 16;

// A name the file system takes: no '/' or NUL, and at most 60 characters,
// which are at most 240 bytes in UTF-8.
QString fileName(const QByteArray &line)
{
    QString name = QString::fromUtf8(line)
                       .remove(QLatin1Char('\r'))
                       .replace(QLatin1Char('/'), QLatin1Char('_'))
                       .replace(QChar(u'\0'), QLatin1Char('_'))
                       .left(60);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    return name;
}

// Writes the files of the input into an empty folder; their names.
QStringList writeFolder(const QByteArray &input, const QString &folder)
{
    static const QByteArray header = QByteArrayLiteral("\n=== ");
    const QByteArray all = '\n' + input;
    QStringList names;
    const auto write = [&](const QString &name, const QByteArray &content) {
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            return;
        QFile file(folder + name);
        expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "a file can be written");
        expect(file.write(content) == content.size(), "a file can be written");
        if (!names.contains(name))
            names.append(name);
    };
    QString name = QStringLiteral("SOLVARO_ANNA.INI");
    // The line break before the current file's content.
    qsizetype lineEnd = 0;
    for (int file = 0; file < maxFiles; ++file) {
        const qsizetype next = all.indexOf(header, lineEnd);
        if (next < 0) {
            write(name, all.sliced(lineEnd + 1));
            break;
        }
        if (file > 0 || next > 0)
            write(name, all.sliced(lineEnd + 1, std::max<qsizetype>(0, next - lineEnd - 1)));
        const qsizetype nameStart = next + header.size();
        lineEnd = all.indexOf('\n', nameStart);
        name = fileName(all.sliced(nameStart, (lineEnd < 0 ? all.size() : lineEnd) - nameStart));
        if (lineEnd < 0) {
            write(name, {});
            break;
        }
    }
    return names;
}

// The sum of the parts, the errors counted up to the largest int as the
// overview counts them.
Totals sumOf(const QVector<Totals> &parts)
{
    Totals sum;
    qint64 errors = 0;
    for (const Totals &part : parts) {
        sum.exercises += part.exercises;
        sum.solved += part.solved;
        errors += part.errors;
        sum.helps += part.helps;
    }
    sum.errors = int(std::min<qint64>(errors, std::numeric_limits<int>::max()));
    return sum;
}

void checkTotals(const ClassOverview &overview)
{
    const QVector<ExerciseResult> shown = overview.shownResults();
    for (const ExerciseResult &result : shown)
        expect(overview.filter().matches(result), "only the chosen results are shown");
    const Totals total = overview.totals();
    expect(total.exercises == shown.size(), "the totals count the results shown");
    QVector<Totals> perPupil;
    for (const PupilTotals &pupil : overview.totalsPerPupil())
        perPupil.append(pupil.totals);
    QVector<Totals> perExercise;
    for (const ExerciseTotals &exercise : overview.totalsPerExercise())
        perExercise.append(exercise.totals);
    expect(sumOf(perPupil) == total, "the pupils' totals add up to the whole");
    expect(sumOf(perExercise) == total, "the exercises' totals add up to the whole");
    totalsSummary(int(perPupil.size()), total);
}

void checkExport(const QStringList &headers, const QVector<QVariantList> &rows)
{
    TableModel model(headers);
    model.setRows(rows);
    for (int column = 0; column < headers.size(); ++column) {
        for (const Qt::SortOrder order : { Qt::AscendingOrder, Qt::DescendingOrder }) {
            model.sort(column, order);
            expect(model.rowCount() == rows.size(), "sorting keeps every row");
        }
    }
    const QByteArray csv = csvText(model.headers(), model.rows());
    expect(csv.startsWith("\xef\xbb\xbf") && csv.endsWith("\r\n"), "a CSV file is whole");
}

} // namespace

void progressFolder(const QByteArray &input)
{
    const QString folder = scratchFolder() + QStringLiteral("SOL_TMP/");
    QDir(folder).removeRecursively();
    expect(QDir().mkpath(folder), "the folder can be made");
    const QStringList names = writeFolder(input, folder);

    const ClassProgress progress = readClassProgress(folder);
    QSet<QString> pupilsWithRows;
    for (const ExerciseResult &result : progress.results) {
        expect(!result.pupil.isEmpty(), "a result has its pupil");
        expect(result.sheet >= 0 && result.sheet < 100, "a result is on a sheet");
        expect(result.exercise >= 0 && result.exercise < StepCycle::maxExercises,
            "a result is one of the sheet's exercises");
        expect(result.errors >= 0, "errors are counted from zero");
        pupilsWithRows.insert(result.pupil);
    }
    // Each pupil's rows together, in the order of sheet and exercise.
    QSet<QString> pupilsDone;
    for (qsizetype i = 0; i < progress.results.size(); ++i) {
        const ExerciseResult &result = progress.results[i];
        if (i > 0 && progress.results[i - 1].pupil == result.pupil) {
            const ExerciseResult &before = progress.results[i - 1];
            expect(std::pair(before.sheet, before.exercise)
                    <= std::pair(result.sheet, result.exercise),
                "a pupil's rows are in order");
        } else {
            expect(!pupilsDone.contains(result.pupil), "a pupil's rows are together");
            pupilsDone.insert(result.pupil);
        }
    }
    // Every file gives rows or says why not.
    QSet<QString> unreadable;
    for (const UnreadableFile &file : progress.unreadable) {
        expect(names.contains(file.fileName), "an unreadable file is in the folder");
        expect(!file.reason.isEmpty(), "an unreadable file says why");
        unreadable.insert(file.fileName);
    }
    for (const QString &name : names) {
        // Hidden files, such as a writer's leftovers, are not the class's.
        if (name.startsWith(QLatin1Char('.')))
            continue;
        const QString pupil = pupilOfProgressFile(name);
        expect(unreadable.contains(name) || (!pupil.isEmpty() && pupilsWithRows.contains(pupil)),
            "every file gives rows or says why not");
    }

    ClassOverview overview(progress);
    checkTotals(overview);
    if (!progress.results.isEmpty()) {
        overview.setFilter({ progress.results.last().pupil, std::nullopt });
        checkTotals(overview);
        overview.setFilter({ std::nullopt, progress.results.first().sheet });
        checkTotals(overview);
        overview.setFilter({});
    }
    checkExport(resultHeaders(), resultRows(overview.shownResults()));
    checkExport(pupilTotalsHeaders(), pupilTotalsRows(overview.totalsPerPupil()));
    checkExport(exerciseTotalsHeaders(), exerciseTotalsRows(overview.totalsPerExercise()));
}

} // namespace solvaro::fuzz
