#pragma once

#include "storage/globalsettings.h"
#include "storage/look.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace solvaro {

// What starting a sound gave.
struct SoundStart {
    // False when the sound file does not exist: nothing plays.
    bool played = false;
    // The sound's length when the file's header was accepted.
    std::optional<double> seconds;
};

// What the player's widgets do for the step cycle and the feedback sequencer.
// The player form implements it; the core calls it and never waits on it.
class PlayerView
{
public:
    virtual ~PlayerView() = default;

    // The message bar's error count ("ERRORS %d").
    virtual void showErrors(const QString &text) = 0;
    // The hint window next to the help button.
    virtual void showHint(const QString &text) = 0;
    virtual void hideHint() = 0;

    // The radio group takes these options (none selected) and font.
    virtual void loadQuestionGroup(const QStringList &options, const LookFont &font) = 0;
    // The question panel as the full box at this top, in front; the work area
    // grows when the box reaches below it.
    virtual void showQuestionPanel(int top) = 0;
    // The question panel shrunk to its button bar, at this top, in front.
    virtual void showButtonBar(int top) = 0;
    virtual void moveQuestionPanel(int top) = 0;
    virtual void hideQuestionPanel() = 0;

    // The formula rows changed (texts, marks, enabled fields, shown panels).
    virtual void showFormulaRows() = 0;

    // The smiley of a step, replacing the one there; a missing file shows none.
    virtual void showSmiley(int step, const QString &file, int top) = 0;
    // The answer label of a step, replacing the one there.
    virtual void showAnswerLabel(int step, const QString &text, const LookFont &font) = 0;
    // Frees the smileys, answer labels, cockade, bottom animation and sound
    // player of the exercise shown.
    virtual void clearExercisePictures() = 0;

    // Plays the sound of a feedback event from the global settings file
    // (soundKey), replacing any sound.
    virtual SoundStart playSound(globalSettings::EventSound event) = 0;
    virtual void stopSound() = 0;
    // The top animation loads the exercise file's animation key ("GIF1"),
    // shows and runs it.
    virtual void showTopAnimation(const QString &key) = 0;
    // The top animation loads a file (the teacher's preview).
    virtual void showTopAnimationFile(const QString &path) = 0;
    virtual void hideTopAnimation() = 0;
    // The bottom animation, created when there is none, at left 0 and resting
    // on the work area's bottom, loads the exercise file's animation key.
    virtual void showBottomAnimation(const QString &key) = 0;
    // Left of the bottom animation; its top stays 10 pixels above the work
    // area's bottom.
    virtual void moveBottomAnimation(int left) = 0;
    virtual void removeBottomAnimation() = 0;
    // The cockade picture at the work area's top right corner, replacing the
    // one there; false, and nothing changes, when the file does not exist.
    virtual bool showCockade(const QString &file) = 0;
    virtual void moveCockade(int top) = 0;

    // The scroll box's vertical position; the message bar goes back to the top
    // and the problem band right under it.
    virtual void scrollTo(int y) = 0;
    // The main window's solved-exercise counter grows by one.
    virtual void raiseSolvedCounter() = 0;
};

} // namespace solvaro
