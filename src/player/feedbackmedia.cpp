#include "player/feedbackmedia.h"

#include <algorithm>
#include <cmath>

namespace solvaro {

int soundTicksAfter(int soundTicks, const SoundStart &start)
{
    constexpr int ticksWhenUnknown = 20;
    // The player is busy while a sound plays: a sound longer than any feedback
    // (or a header that says so) must not keep the pupil waiting.
    constexpr double longestSeconds = 60.0;
    if (!start.played)
        return soundTicks;
    if (start.seconds) {
        const double seconds
            = std::isnan(*start.seconds) ? 0.0 : std::clamp(*start.seconds, 0.0, longestSeconds);
        soundTicks = int(std::trunc(seconds * 10.0));
    }
    return soundTicks == 0 ? ticksWhenUnknown : soundTicks;
}

QString smileyFile(int stepErrors, ExerciseState exerciseState)
{
    if (exerciseState == SolvedBySolution || (stepErrors >= 1 && stepErrors <= 3))
        return QStringLiteral("SOL_IMG\\Smiley Giallo.bmp");
    if (stepErrors == 0)
        return QStringLiteral("SOL_IMG\\Smiley Verde.bmp");
    return QStringLiteral("SOL_IMG\\Smiley Rosso.bmp");
}

QString cockadeFile(ExerciseState exerciseState)
{
    if (exerciseState == SolvedByPupil)
        return QStringLiteral("SOL_IMG\\coccarda.bmp");
    if (exerciseState == SolvedBySolution)
        return QStringLiteral("SOL_IMG\\coccardaHElp.bmp");
    return QString();
}

void FeedbackMedia::CreaWAV(globalSettings::EventSound event)
{
    const SoundStart start = m_view.playSound(event);
    m_flags.soundTicks = soundTicksAfter(m_flags.soundTicks, start);
    if (start.played)
        m_active = true;
}

void FeedbackMedia::CreaCOC(ExerciseState exerciseState)
{
    const QString file = cockadeFile(exerciseState);
    if (file.isEmpty() || !m_view.showCockade(file))
        return;
    m_hasCockade = true;
    m_cockadeTop = 0;
}

void FeedbackMedia::CreaGIF(const QString &key)
{
    m_view.showBottomAnimation(key);
    m_hasBottomAnimation = true;
    m_bottomLeft = 0;
    m_active = true;
}

void FeedbackMedia::showTopAnimation(const QString &key)
{
    m_view.showTopAnimation(key);
    m_active = true;
}

void FeedbackMedia::showTopAnimationFile(const QString &path)
{
    m_view.showTopAnimationFile(path);
}

void FeedbackMedia::stop()
{
    if (!m_active)
        return;
    m_view.hideTopAnimation();
    m_view.removeBottomAnimation();
    m_view.stopSound();
    m_hasBottomAnimation = false;
    m_active = false;
}

void FeedbackMedia::forget()
{
    m_hasCockade = false;
    m_cockadeTop = 0;
    m_hasBottomAnimation = false;
    m_bottomLeft = 0;
    m_active = false;
}

void FeedbackMedia::moveCockade(int top)
{
    m_cockadeTop = top;
    m_view.moveCockade(top);
}

void FeedbackMedia::moveBottomAnimation(int left)
{
    m_bottomLeft = left;
    m_view.moveBottomAnimation(left);
}

} // namespace solvaro
