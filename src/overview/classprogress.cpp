#include "overview/classprogress.h"

#include "player/progressfile.h"
#include "player/stepcycle.h"
#include "storage/inifile.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace solvaro {

namespace {

// Far more than a pupil's saves of every exercise of every sheet; a larger
// file was put there by someone else and is not read into memory.
constexpr qint64 maxProgressFileBytes = 16 * 1024 * 1024;
// The sheet and exercise numbers the program uses.
constexpr int maxSheets = 100;

bool isKnownState(int state)
{
    return state == NotSolved || state == SolutionRequested || state == SolvedByPupil
        || state == SolvedBySolution;
}

// The exercise a section describes, when its keys agree with its name.
bool readSection(const IniFile &file, const QString &section, ExerciseResult &result)
{
    const int m0 = file.readInteger(section, QStringLiteral("M0"), -1);
    const int sheet = file.readInteger(section, QStringLiteral("M1"), -1);
    const int exercise = file.readInteger(section, QStringLiteral("M2"), -1);
    if (m0 != 0 || sheet < 0 || sheet >= maxSheets || exercise < 0
        || exercise >= StepCycle::maxExercises)
        return false;
    if (exerciseKey(sheet, exercise).compare(section, Qt::CaseInsensitive) != 0)
        return false;
    const int state = file.readInteger(section, QStringLiteral("HLPNUM"), NotSolved);
    const int errors = file.readInteger(section, QStringLiteral("TOT_ERRORI"), 0);
    if (!isKnownState(state) || errors < 0)
        return false;
    result.sheet = sheet;
    result.exercise = exercise;
    result.solved = state == SolvedByPupil;
    result.helpAsked = state == SolutionRequested || state == SolvedBySolution;
    result.errors = errors;
    return true;
}

bool isExerciseSection(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^ID_0\\d+$"), QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

// A text file holds no NUL byte, unless it is UTF-16 with its byte-order mark.
bool looksLikeText(QFile &file)
{
    const QByteArray start = file.read(4096);
    if (start.startsWith("\xff\xfe"))
        return true;
    return !start.contains('\0');
}

void readPupilFile(const QFileInfo &info, const QString &pupil, ClassProgress &progress)
{
    const QString name = info.fileName();
    const auto unreadable = [&](const QString &reason) {
        progress.unreadable.append({ name, reason });
    };
    if (info.size() > maxProgressFileBytes)
        return unreadable(QStringLiteral("too large for a progress file"));
    QFile raw(info.filePath());
    if (!raw.open(QIODevice::ReadOnly))
        return unreadable(QStringLiteral("cannot be read"));
    if (!looksLikeText(raw))
        return unreadable(QStringLiteral("not a text file"));
    raw.close();

    const IniFile file(info.filePath());
    int found = 0;
    int damaged = 0;
    for (const QString &section : file.sectionNames()) {
        if (!isExerciseSection(section))
            continue;
        ExerciseResult result;
        result.pupil = pupil;
        if (readSection(file, section, result)) {
            progress.results.append(result);
            ++found;
        } else {
            ++damaged;
        }
    }
    if (found == 0 && damaged == 0)
        unreadable(QStringLiteral("holds no saved exercise"));
    else if (found == 0)
        unreadable(QStringLiteral("damaged: no saved exercise can be read"));
    else if (damaged > 0)
        unreadable(QStringLiteral("damaged: %1 of %2 saved exercises cannot be read")
                       .arg(damaged)
                       .arg(found + damaged));
}

} // namespace

QString pupilOfProgressFile(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^SOLVARO_(.+)\\.INI$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

ClassProgress readClassProgress(const QString &folder)
{
    ClassProgress progress;
    progress.folder = folder;
    // Regular files only: opening a pipe someone left there would never return.
    const QFileInfoList files
        = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : files) {
        const QString pupil = pupilOfProgressFile(info.fileName());
        if (pupil.isEmpty())
            progress.unreadable.append({ info.fileName(), QStringLiteral("not a progress file") });
        else
            readPupilFile(info, pupil, progress);
    }

    QCollator collator;
    collator.setNumericMode(true);
    std::stable_sort(progress.results.begin(), progress.results.end(),
        [&collator](const ExerciseResult &a, const ExerciseResult &b) {
            if (const int order = collator.compare(a.pupil, b.pupil))
                return order < 0;
            // Names the collator takes as equal still form groups of their own.
            if (a.pupil != b.pupil)
                return a.pupil < b.pupil;
            return std::pair(a.sheet, a.exercise) < std::pair(b.sheet, b.exercise);
        });
    return progress;
}

} // namespace solvaro
