#pragma once

#include "player/playerview.h"

#include <QMap>
#include <QSet>
#include <QStringList>

namespace solvaro {

// A PlayerView that keeps what the player's screen shows and which sounds it
// asked for, writes down every call in a log for the tests that follow a
// movement tick by tick, and answers sounds and cockades from a script.
class PlayerViewRecorder : public PlayerView
{
public:
    QStringList log;
    // What the screen shows now: the hint (empty when hidden), the errors
    // text, the top and bottom animations (empty when none), the cockade,
    // each step's smiley and answer label, and whether the question panel
    // shows.
    QString hint;
    QString errorsText;
    QString topAnimation;
    QString bottomAnimation;
    QString cockade;
    QMap<int, QString> smileys;
    QMap<int, QString> answerLabels;
    bool questionPanelShown = false;
    // The sounds asked for since the last clear(), by number; stopSound does
    // not take them back.
    QList<int> playedSounds;
    // Sound n -> what starting it gives; sounds not listed play for one second.
    QMap<int, SoundStart> sounds;
    // Cockade files that do not exist.
    QSet<QString> missingFiles;
    QStringList shownOptions;
    int solvedCounter = 0;

    void clear()
    {
        log.clear();
        playedSounds.clear();
    }
    bool contains(const QString &line) const { return log.contains(line); }
    int count(const QString &line) const { return int(log.count(line)); }
    QStringList starting(const QString &prefix) const
    {
        QStringList lines;
        for (const QString &line : log) {
            if (line.startsWith(prefix))
                lines.append(line);
        }
        return lines;
    }

    void showErrors(const QString &text) override
    {
        errorsText = text;
        log << QStringLiteral("errors %1").arg(text);
    }
    void showHint(const QString &text) override
    {
        hint = text;
        log << QStringLiteral("hint %1").arg(text);
    }
    void hideHint() override
    {
        hint.clear();
        log << QStringLiteral("hint hidden");
    }
    void loadQuestionGroup(const QStringList &options, const LookFont &) override
    {
        shownOptions = options;
        log << QStringLiteral("group %1").arg(options.join(QLatin1Char('/')));
    }
    void showQuestionPanel(int top) override
    {
        questionPanelShown = true;
        log << QStringLiteral("panel %1").arg(top);
    }
    void showButtonBar(int top) override { log << QStringLiteral("bar %1").arg(top); }
    void moveQuestionPanel(int top) override { log << QStringLiteral("panel top %1").arg(top); }
    void hideQuestionPanel() override
    {
        questionPanelShown = false;
        log << QStringLiteral("panel hidden");
    }
    void showFormulaRows() override { log << QStringLiteral("rows"); }
    void showSmiley(int step, const QString &file, int top) override
    {
        smileys[step] = file;
        log << QStringLiteral("smiley %1 %2 %3").arg(step).arg(file).arg(top);
    }
    void showAnswerLabel(int step, const QString &text, const LookFont &) override
    {
        answerLabels[step] = text;
        log << QStringLiteral("label %1 %2").arg(step).arg(text);
    }
    void clearExercisePictures() override
    {
        smileys.clear();
        answerLabels.clear();
        cockade.clear();
        bottomAnimation.clear();
        log << QStringLiteral("clear pictures");
    }
    SoundStart playSound(globalSettings::EventSound event) override
    {
        const int n = static_cast<int>(event);
        playedSounds << n;
        log << QStringLiteral("sound %1").arg(n);
        return sounds.value(n, SoundStart { true, 1.0 });
    }
    void stopSound() override { log << QStringLiteral("sound stopped"); }
    void showTopAnimation(const QString &key) override
    {
        topAnimation = key;
        log << QStringLiteral("top %1").arg(key);
    }
    void showTopAnimationFile(const QString &path) override
    {
        log << QStringLiteral("top file %1").arg(path);
    }
    void hideTopAnimation() override
    {
        topAnimation.clear();
        log << QStringLiteral("top hidden");
    }
    void showBottomAnimation(const QString &key) override
    {
        bottomAnimation = key;
        log << QStringLiteral("bottom %1").arg(key);
    }
    void moveBottomAnimation(int left) override
    {
        log << QStringLiteral("bottom left %1").arg(left);
    }
    void removeBottomAnimation() override
    {
        bottomAnimation.clear();
        log << QStringLiteral("bottom removed");
    }
    bool showCockade(const QString &file) override
    {
        if (missingFiles.contains(file))
            return false;
        cockade = file;
        log << QStringLiteral("cockade %1").arg(file);
        return true;
    }
    void moveCockade(int top) override { log << QStringLiteral("cockade top %1").arg(top); }
    void scrollTo(int y) override { log << QStringLiteral("scroll %1").arg(y); }
    void raiseSolvedCounter() override
    {
        ++solvedCounter;
        log << QStringLiteral("solved");
    }
};

} // namespace solvaro
