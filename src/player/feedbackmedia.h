#pragma once

#include "player/exercisestate.h"
#include "player/feedbackflags.h"
#include "player/playerview.h"

#include <QString>

namespace solvaro {

// The sound's length in 100 ms ticks: trunc(seconds × 10), for at most 60
// seconds; a sound that ran no whole tick, or whose header was refused, counts
// 2 seconds when nothing was counting. A sound that did not play leaves the
// count as it was.
int soundTicksAfter(int soundTicks, const SoundStart &start);

// "SOL_IMG\\Smiley Verde.bmp" for 0 errors, "SOL_IMG\\Smiley Giallo.bmp" for 1 to
// 3, "SOL_IMG\\Smiley Rosso.bmp" for more; always the yellow one once the
// solution was shown.
QString smileyFile(int stepErrors, ExerciseState exerciseState);

// The cockade of a finished exercise, solved by the pupil or by showing the
// solution; empty for any other state.
QString cockadeFile(ExerciseState exerciseState);

// The sounds, animations and cockade of the player's feedback, with the
// feedback flags and the positions the sequencer moves.
class FeedbackMedia
{
public:
    explicit FeedbackMedia(PlayerView &view)
        : m_view(view)
    {
    }

    FeedbackFlags &flags() { return m_flags; }
    const FeedbackFlags &flags() const { return m_flags; }

    // Plays the sound of a feedback event and counts its length in soundTicks.
    void CreaWAV(globalSettings::EventSound event);
    // The cockade of an exercise state, starting at the top.
    void CreaCOC(ExerciseState exerciseState);
    // The bottom animation with an animation key, starting at the left.
    void CreaGIF(const QString &key);
    void showTopAnimation(const QString &key);
    void showTopAnimationFile(const QString &path);
    // The feedback has run out: top animation hidden, bottom animation gone,
    // sound stopped.
    void stop();
    // A new exercise: the view has freed the cockade, animation and sound.
    void forget();

    // The work area's width, which the bottom animation crosses.
    int workAreaWidth() const { return m_workAreaWidth; }
    void setWorkAreaWidth(int width) { m_workAreaWidth = width; }

    bool hasCockade() const { return m_hasCockade; }
    int cockadeTop() const { return m_cockadeTop; }
    void moveCockade(int top);
    bool hasBottomAnimation() const { return m_hasBottomAnimation; }
    int bottomLeft() const { return m_bottomLeft; }
    void moveBottomAnimation(int left);

private:
    PlayerView &m_view;
    FeedbackFlags m_flags;
    // Something is on show or playing that the end of the feedback stops.
    bool m_active = false;
    bool m_hasCockade = false;
    int m_cockadeTop = 0;
    bool m_hasBottomAnimation = false;
    int m_bottomLeft = 0;
    int m_workAreaWidth = 0;
};

} // namespace solvaro
