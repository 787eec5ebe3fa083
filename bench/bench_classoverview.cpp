// Reading a class for the teacher's overview: 30 pupils who each saved 100
// exercises (20 steps, answer labels and formula fields, as the player writes
// them), read from the progress folder and summed per pupil and per exercise,
// as the overview window does each time it opens. Goal: under 200 ms.
#include "overview/classprogress.h"
#include "overview/classtotals.h"
#include "player/progressfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace solvaro;

namespace {

constexpr int pupils = 30;
constexpr int exercisesPerPupil = 100;
constexpr int steps = 20;
constexpr int runs = 20;

ExerciseProgress savedExercise(int pupil, int n)
{
    ExerciseProgress progress;
    progress.sheet = n % 5;
    progress.exercise = n / 5;
    progress.exerciseFileName = QStringLiteral("SOL_INI\\Tipo%1.INI").arg(progress.sheet);
    progress.exerciseState = (pupil + n) % 7 == 0 ? SolvedBySolution
        : (pupil + n) % 3 == 0                    ? NotSolved
                                                  : SolvedByPupil;
    progress.currentStep = progress.exerciseState == 0 ? 7 : steps;
    progress.totalErrors = (pupil * 7 + n) % 6;
    progress.stepErrors = QVector<int>(steps + 1, 0);
    progress.stepErrors[1] = progress.totalErrors;
    for (int k = 0; k < steps; ++k)
        progress.answerLabels.append(k % 4 == 0
                ? std::optional<QString>(QStringLiteral("Luca ha 12 figurine e ne compra 7"))
                : std::nullopt);
    for (int f = 0; f < 5; ++f) {
        QVector<SavedField> fields;
        for (int j = 1; j <= 5; ++j)
            fields.append(SavedField { j, QString::number(f * 10 + j), j % 2 == 0 });
        progress.formulaFields.append(fields);
    }
    return progress;
}

double cpuMs()
{
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;
    // One pupil's file as the player writes it, save after save; every save
    // goes to disk, so the other pupils get copies of it.
    const QString first = folder.filePath(QStringLiteral("SOLVARO_PUPIL0.INI"));
    for (int n = 0; n < exercisesPerPupil; ++n)
        SAVETEMP(first, savedExercise(0, n));
    for (int p = 1; p < pupils; ++p) {
        if (!QFile::copy(first, folder.filePath(QStringLiteral("SOLVARO_PUPIL%1.INI").arg(p))))
            return 1;
    }

    std::vector<double> elapsed;
    std::vector<double> cpu;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        const double cpuStart = cpuMs();
        timer.start();
        const ClassOverview overview(readClassProgress(folder.path()));
        const QVector<QVariantList> results = resultRows(overview.shownResults());
        const QVector<QVariantList> perPupil = pupilTotalsRows(overview.totalsPerPupil());
        const QVector<QVariantList> perExercise = exerciseTotalsRows(overview.totalsPerExercise());
        elapsed.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuMs() - cpuStart);
        rows = int(results.size() + perPupil.size() + perExercise.size());
        if (!overview.progress().unreadable.isEmpty())
            return 1;
    }
    std::sort(elapsed.begin(), elapsed.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("class of %d pupils x %d exercises (%lld kB per pupil): %d table rows\n", pupils,
        exercisesPerPupil, static_cast<long long>(QFileInfo(first).size() / 1024), rows);
    std::printf("read and summed: median %.1f ms elapsed, %.1f ms CPU (best %.1f ms, worst %.1f "
                "ms) over %d runs\n",
        elapsed[elapsed.size() / 2], cpu[cpu.size() / 2], elapsed.front(), elapsed.back(), runs);
    return 0;
}
