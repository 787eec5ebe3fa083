#include "player/progressfile.h"

#include "base/dialogs.h"
#include "base/error.h"
#include "player/stepcycle.h"
#include "schemes/scheme.h"
#include "storage/inifile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace solvaro {

namespace {

const QString historySection = QStringLiteral("ISTORY");
const QString noLabel = QStringLiteral("NO LABEL");
// Whatever the pupil typed, the file name stays within what a file system
// takes (255 bytes) with "SOLVARO_" before and ".INI" after it, and so does
// the name of the temporary file a save writes first (7 more).
constexpr qsizetype maxNameBytes = 255 - 7 - 8 - 4;

QString historyKey(const QString &key)
{
    return QStringLiteral("ERRORS_") + key;
}

QString errorKey(int step)
{
    return QStringLiteral("ERRORE%1").arg(step);
}

QString labelKey(int step)
{
    return QStringLiteral("LABEL%1").arg(step);
}

QString fieldKey(int formula, int position)
{
    return QStringLiteral("TEDI_%1%2").arg(formula).arg(position);
}

bool isForbiddenInFileName(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u <= 0x9f) || c.isSurrogate()
        || QStringView(u"/\\:*?\"<>|").contains(c);
}

bool isDotInRun(const QString &name, qsizetype i)
{
    const QChar dot = QLatin1Char('.');
    return name[i] == dot
        && ((i > 0 && name[i - 1] == dot) || (i + 1 < name.size() && name[i + 1] == dot));
}

QString cutToFileNameLength(const QString &name)
{
    qsizetype bytes = 0;
    qsizetype i = 0;
    while (i < name.size()) {
        const qsizetype length = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const qsizetype characterBytes = name.sliced(i, length).toUtf8().size();
        if (bytes + characterBytes > maxNameBytes)
            break;
        bytes += characterBytes;
        i += length;
    }
    return name.left(i);
}

ExerciseProgress readOver(const IniFile &file, const QString &key, const QString &stepKinds,
    const ExerciseProgress &fresh, int currentStep)
{
    const int stepCount = int(stepKinds.size());
    ExerciseProgress progress = fresh;
    progress.currentStep = currentStep;
    progress.exerciseState
        = ExerciseState(file.readInteger(key, QStringLiteral("HLPNUM"), NotSolved));
    progress.exerciseFileName
        = file.readString(key, QStringLiteral("INIFILE"), fresh.exerciseFileName);
    progress.totalErrors = file.readInteger(key, QStringLiteral("TOT_ERRORI"), 0);

    if (progress.stepErrors.isEmpty())
        progress.stepErrors.resize(stepCount + 1);
    for (int k = 0; k < progress.stepErrors.size(); ++k)
        progress.stepErrors[k] = file.readInteger(key, errorKey(k), 0);

    // Only question groups already answered get their label back.
    progress.answerLabels = QVector<std::optional<QString>>(stepCount);
    for (int k = 0; k < std::min(currentStep, stepCount); ++k) {
        if (stepKinds[k] != stepKind::questionGroup)
            continue;
        const QString text = file.readString(key, labelKey(k), noLabel);
        if (text != noLabel)
            progress.answerLabels[k] = text;
    }

    for (int f = 0; f < progress.formulaFields.size(); ++f) {
        for (SavedField &field : progress.formulaFields[f])
            field.text = file.readString(key, fieldKey(f, field.position), field.text);
    }

    if (currentStep < stepCount) {
        progress.questionTag = file.readInteger(key, QStringLiteral("E1.tag"), fresh.questionTag);
        progress.selectedOption
            = file.readInteger(key, QStringLiteral("E1.itemindex"), fresh.selectedOption);
        progress.questionPanelVisible
            = file.readBool(key, QStringLiteral("E1sp.visible"), fresh.questionPanelVisible);
    } else {
        // A finished exercise shows its cockade instead of the question panel.
        progress.questionPanelVisible = false;
    }
    return progress;
}

bool isFinished(ExerciseState exerciseState)
{
    return exerciseState == SolvedByPupil || exerciseState == SolvedBySolution;
}

// The section of the exercise, when it is a whole record of it (its markers
// name this sheet and exercise).
bool holdsRecord(const IniFile &file, const QString &key, int sheet, int exercise)
{
    return file.sectionExists(key) && file.readInteger(key, QStringLiteral("M0"), -1) != -1
        && file.readInteger(key, QStringLiteral("M1"), -1) == sheet
        && file.readInteger(key, QStringLiteral("M2"), -1) == exercise;
}

bool holdsMoreWork(const QString &file, const ExerciseProgress &progress)
{
    if (isFinished(progress.exerciseState) || !QFileInfo(file).isFile())
        return false;
    const IniFile ini(file);
    const QString key = exerciseKey(progress.sheet, progress.exercise);
    if (!holdsRecord(ini, key, progress.sheet, progress.exercise))
        return false;
    return isFinished(ExerciseState(ini.readInteger(key, QStringLiteral("HLPNUM"), NotSolved)))
        || ini.readInteger(key, QStringLiteral("B1.tag"), 0) > progress.currentStep;
}

QString documentsFolderOrMessage(Dialogs &dialogs, const DocumentsFolderLookup &lookup)
{
    try {
        return MyDocumentsFolder(lookup);
    } catch (const Error &error) {
        dialogs.showMessage(error.message());
        return QString();
    }
}

} // namespace

QString progressFileNamePart(const QString &pupilName)
{
    QString name;
    name.reserve(pupilName.size());
    for (qsizetype i = 0; i < pupilName.size(); ++i) {
        const QChar c = pupilName[i];
        if (c.isHighSurrogate() && i + 1 < pupilName.size() && pupilName[i + 1].isLowSurrogate()) {
            name += c;
            name += pupilName[++i];
        } else if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            name += QChar(c.unicode() - u'a' + u'A');
        } else if (isForbiddenInFileName(c) || isDotInRun(pupilName, i)) {
            name += QLatin1Char('_');
        } else {
            name += c;
        }
    }
    return cutToFileNameLength(name);
}

QString pupilProgressFile(const QString &pupilName)
{
    return QStringLiteral("SOL_TMP\\SOLVARO_%1.INI").arg(progressFileNamePart(pupilName));
}

QString exerciseKey(int sheet, int exercise)
{
    return QStringLiteral("ID_0%1%2").arg(sheet).arg(exercise);
}

QString resumeQuestion(int exercise)
{
    // Written in Italian; it stands as it is in every language.
    return QStringLiteral("Vuoi riprendere la copia salvata dell'eserizio num.%1.")
               .arg(exercise + 1)
        + QStringLiteral(" ?");
}

void SAVETEMP(const QString &file, const ExerciseProgress &progress)
{
    IniFile ini(file);
    const QString key = exerciseKey(progress.sheet, progress.exercise);
    // The earlier save goes in the same write as the new one, so that a failed
    // write keeps it.
    ini.eraseSection(key);

    ini.writeInteger(historySection, historyKey(key), progress.totalErrors);
    ini.writeString(key, QStringLiteral("INIFILE"), progress.exerciseFileName);
    ini.writeInteger(key, QStringLiteral("M0"), 0);
    ini.writeInteger(key, QStringLiteral("M1"), progress.sheet);
    ini.writeInteger(key, QStringLiteral("M2"), progress.exercise);
    ini.writeInteger(key, QStringLiteral("HLPNUM"), progress.exerciseState);
    ini.writeInteger(key, QStringLiteral("B1.tag"), progress.currentStep);
    ini.writeInteger(key, QStringLiteral("E1.tag"), progress.questionTag);
    ini.writeInteger(key, QStringLiteral("E1.itemindex"), progress.selectedOption);
    ini.writeBool(key, QStringLiteral("E1sp.visible"), progress.questionPanelVisible);
    ini.writeInteger(key, QStringLiteral("TOT_ERRORI"), progress.totalErrors);
    for (int k = 0; k < progress.stepErrors.size(); ++k)
        ini.writeInteger(key, errorKey(k), progress.stepErrors[k]);
    for (int k = 0; k < progress.answerLabels.size(); ++k) {
        if (progress.answerLabels[k])
            ini.writeString(key, labelKey(k), *progress.answerLabels[k]);
    }
    for (int f = 0; f < progress.formulaFields.size(); ++f) {
        for (const SavedField &field : progress.formulaFields[f])
            ini.writeString(key, fieldKey(f, field.position), field.text);
    }
    ini.updateFile();
}

bool saveLeftExercise(const QString &file, const ExerciseProgress &progress, bool editMode)
{
    if (editMode || progress.currentStep <= 0 || holdsMoreWork(file, progress))
        return false;
    SAVETEMP(file, progress);
    return true;
}

bool holdsSavedWork(const QString &file, int sheet, int exercise)
{
    if (!QFileInfo(file).isFile())
        return false;
    const IniFile ini(file);
    const QString key = exerciseKey(sheet, exercise);
    return holdsRecord(ini, key, sheet, exercise)
        && ini.readInteger(key, QStringLiteral("B1.tag"), 0) > 0;
}

Resume readSavedExercise(const IniFile &file, const QString &key, const QString &stepKinds,
    const ExerciseProgress &fresh)
{
    const int m0 = file.readInteger(key, QStringLiteral("M0"), -1);
    const int m1 = file.readInteger(key, QStringLiteral("M1"), -1);
    const int m2 = file.readInteger(key, QStringLiteral("M2"), -1);
    if (m0 == -1 || m1 == -1 || m2 == -1)
        return Resume { ResumeOutcome::FileError, fresh };

    // A file anyone can edit must not send the player past its steps.
    const int stepCount = int(stepKinds.size());
    const int currentStep
        = std::clamp(file.readInteger(key, QStringLiteral("B1.tag"), 0), 0, stepCount);
    if (currentStep == 0) {
        ExerciseProgress progress = fresh;
        progress.sheet = m1;
        progress.exercise = m2;
        progress.currentStep = 0;
        return Resume { ResumeOutcome::Fresh, progress };
    }
    ExerciseProgress progress = readOver(file, key, stepKinds, fresh, currentStep);
    progress.sheet = m1;
    progress.exercise = m2;
    return Resume { ResumeOutcome::Restored, progress };
}

Resume LOADTEMP(const QString &file, int sheet, int exercise, const QString &stepKinds,
    Dialogs &dialogs, const std::function<ExerciseProgress()> &prepareExercise)
{
    if (!QFileInfo(file).isFile())
        return {};
    const IniFile ini(file);
    const QString key = exerciseKey(sheet, exercise);
    if (!ini.sectionExists(key))
        return {};
    const int savedSheet = ini.readInteger(key, QStringLiteral("M1"), -1);
    const int savedExercise = ini.readInteger(key, QStringLiteral("M2"), -1);
    if ((savedSheet != -1 && savedSheet != sheet)
        || (savedExercise != -1 && savedExercise != exercise))
        return {};
    if (!dialogs.askYesNo(resumeQuestion(exercise)))
        return {};

    const ExerciseProgress fresh = prepareExercise ? prepareExercise() : ExerciseProgress {};
    Resume resume = readSavedExercise(ini, key, stepKinds, fresh);
    if (resume.outcome == ResumeOutcome::FileError)
        dialogs.showMessage(QCoreApplication::translate("Player", "File Error"));
    return resume;
}

QString progressFileFilter()
{
    // "*.ini|*.INI": Linux file names keep their case, so both spellings are listed.
    return QStringLiteral("*.ini (*.ini *.INI)");
}

QString chooseProgressFileToSave(Dialogs &dialogs, const DocumentsFolderLookup &lookup)
{
    const QString folder = documentsFolderOrMessage(dialogs, lookup);
    if (folder.isEmpty())
        return QString();
    return dialogs.saveFileName(QString(), folder, progressFileFilter(), QStringLiteral("INI"));
}

QString chooseProgressFileToLoad(Dialogs &dialogs, const DocumentsFolderLookup &lookup)
{
    const QString folder = documentsFolderOrMessage(dialogs, lookup);
    if (folder.isEmpty())
        return QString();
    return dialogs.openFileName(QString(), folder, progressFileFilter());
}

} // namespace solvaro
