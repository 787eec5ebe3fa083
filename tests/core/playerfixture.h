#pragma once

#include "player/playerlogic.h"
#include "playerviewrecorder.h"
#include "storage/lookrecord.h"

#include <QMap>

namespace solvaro {

// A player without widgets for one sheet: its scheme made from step kinds,
// patterns and tops, question groups from a table, shuffles from a script.
struct PlayerFixture {
    PlayerViewRecorder view;
    PlayerLogic player { view };
    // Step -> stored options (the first is the correct one).
    QMap<int, QStringList> groups;
    // Positions the shuffle draws, in turn; 0 when used up.
    QList<int> draws;

    static Scheme scheme(
        const QString &stepKinds, const QStringList &patterns, const QList<int> &tops)
    {
        Scheme scheme;
        scheme.stepKinds = stepKinds;
        for (const QChar kind : stepKinds) {
            if (kind != QLatin1Char('C'))
                scheme.formulaKinds += kind;
        }
        scheme.formulaCount = int(scheme.formulaKinds.size());
        scheme.stepCount = int(stepKinds.size());
        scheme.questionCount = scheme.stepCount - scheme.formulaCount;
        scheme.formulaPatterns = patterns;
        scheme.stepTops = tops;
        return scheme;
    }

    PlayerFixture(const QString &stepKinds, const QStringList &patterns, const QList<int> &tops,
        bool editMode = false)
    {
        player.setEditMode(editMode);
        player.setDecimalSeparator(QLatin1Char(','));
        player.setWorkAreaWidth(700);
        player.setRandom([this](int) { return draws.isEmpty() ? 0 : draws.takeFirst(); });
        player.setQuestionGroupLoader([this](int step) {
            QuestionGroup group;
            group.options = groups.value(step, { MissingOptions });
            return group;
        });
        player.prepareSheet(scheme(stepKinds, patterns, tops));
    }

    StepCycle &steps() { return player.steps(); }
    FeedbackFlags &flags() { return player.media().flags(); }

    void load(int exercise, const ExerciseTexts &texts = {})
    {
        player.loadExercise(exercise, texts);
    }

    void type(int formulaIndex, const QStringList &texts)
    {
        FormulaRow &row = player.formulas().row(formulaIndex);
        for (int i = 0; i < texts.size() && i < row.fields.size(); ++i)
            row.fields[i].text = texts.at(i);
    }

    // Ticks until the player is no longer busy; the number of ticks taken.
    int tickUntilIdle(int limit = 10000)
    {
        int ticks = 0;
        while (player.isBusy() && ticks < limit) {
            player.tick();
            ++ticks;
        }
        return ticks;
    }
};

} // namespace solvaro
