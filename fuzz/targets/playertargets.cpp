// What the player reads of a sheet and of a pupil's saved work. The scheme
// target reads one file as both the global settings file and the sheet's
// exercise file: the scheme string and formula patterns of sheet 0, and the
// section heights and texts of exercise 0, laid out and loaded into the
// player. The progress target resumes exercise 0 of a fixed sheet from a
// progress file.
#include "fuzztargets.h"
#include "yesdialogs.h"

#include "core/playerviewrecorder.h"
#include "player/evaluator.h"
#include "player/exercisetexts.h"
#include "player/playerlogic.h"
#include "player/progressfile.h"
#include "player/progressstate.h"
#include "schemes/scheme.h"
#include "storage/inifile.h"

namespace solvaro::fuzz {

namespace {

void preparePlayer(PlayerLogic &player, const Scheme &scheme, QChar separator)
{
    player.setDecimalSeparator(separator);
    player.setWorkAreaWidth(700);
    player.prepareSheet(scheme);
}

} // namespace

void scheme(const QByteArray &input)
{
    const QString path = inputFile(input, QStringLiteral("GLOBAL.INI"));
    const IniFile file(path);
    const Scheme scheme = SET_SCHEMA(file, file, 0, 0);
    expect(scheme.stepKinds.size() == scheme.stepCount, "every step has a kind");
    expect(scheme.stepTops.size() == scheme.stepCount, "every step has a place");
    expect(scheme.formulaPatterns.size() == scheme.formulaCount, "every formula has a pattern");
    expect(scheme.sectionTops.size() == scheme.sectionCount, "every section has a place");

    for (const bool editMode : { false, true }) {
        PlayerViewRecorder view;
        PlayerLogic player(view);
        player.setEditMode(editMode);
        preparePlayer(player, scheme, QLatin1Char(','));
        try {
            player.loadExercise(
                0, readExerciseTexts(file, QStringLiteral("0"), scheme.formulaCount));
        } catch (const ExpressionError &) {
            // A teacher's formula that does not evaluate: the player tells it.
        }
        for (int tick = 0; tick < 50 && player.isBusy(); ++tick)
            player.tick();
    }
}

void progressFile(const QByteArray &input)
{
    const QString path = inputFile(input, QStringLiteral("SOLVARO_ANNA.INI"));
    Scheme sheet;
    sheet.rawScheme = QStringLiteral("|CC|F|E");
    sheet.stepKinds = QStringLiteral("CCFE");
    sheet.formulaKinds = QStringLiteral("FE");
    sheet.sectionCount = 3;
    sheet.questionCount = 2;
    sheet.formulaCount = 2;
    sheet.stepCount = 4;
    sheet.formulaPatterns = QStringList { QStringLiteral("AoB=X"), QStringLiteral("AoB") };
    sheet.expectedFormulas = QStringList(2);
    sheet.stepTops = { 38, 98, 160, 220 };
    sheet.sectionTops = { 5, 70, 130 };
    ExerciseTexts texts;
    texts.expectedFormulas = QStringList { QStringLiteral("12+7"), QStringLiteral("3m=300cm") };

    PlayerViewRecorder view;
    PlayerLogic player(view);
    preparePlayer(player, sheet, QLatin1Char('.'));
    YesDialogs dialogs;
    const Resume resume = LOADTEMP(path, 0, 0, sheet.stepKinds, dialogs, [&] {
        player.loadExercise(0, texts);
        return progressOf(player.steps(), player.formulas());
    });
    if (resume.outcome == ResumeOutcome::Restored) {
        expect(resume.progress.currentStep >= 0 && resume.progress.currentStep <= sheet.stepCount,
            "a resumed exercise stands on one of its steps");
        player.steps().resume(resume.progress);
        for (int tick = 0; tick < 50 && player.isBusy(); ++tick)
            player.tick();
    }
}

} // namespace solvaro::fuzz
