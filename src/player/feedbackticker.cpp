#include "player/feedbackticker.h"

#include "player/feedbackmedia.h"
#include "player/playerview.h"
#include "player/stepcycle.h"
#include "schemes/scheme.h"

#include <algorithm>

namespace solvaro {

using globalSettings::EventSound;

namespace {

constexpr int bottomStep = 10;
constexpr int cockadeStep = 18;
constexpr int panelStep = 5;
// While more ticks than this are left the bottom animation starts again from
// the left: only the exercise-ended feedback counts that long. It counts one
// tick per 10 pixels of the work area, so on a work area wider than 1000
// pixels the animation must wait less, or it would stop short of the right
// edge.
constexpr int crossingTicks = 99;

int ticksBeforeCrossing(int workAreaWidth)
{
    return std::max(crossingTicks, workAreaWidth / bottomStep - 1);
}

} // namespace

void FeedbackTicker::tick()
{
    FeedbackFlags &flags = m_media.flags();
    if (flags.correctPending)
        celebrateRightAnswer();
    if (flags.wrongPending) {
        m_media.CreaWAV(EventSound::WrongAnswer);
        m_media.showTopAnimation(QStringLiteral("GIF2"));
        flags.wrongPending = false;
        flags.panelSliding = false;
    }
    countDown();
    if (flags.cockadeSliding)
        slideCockade();
    if (flags.panelSliding)
        slidePanel();
}

void FeedbackTicker::celebrateRightAnswer()
{
    const int step = m_steps.currentStep();
    m_view.showButtonBar(m_steps.questionPanelTop());
    if (m_steps.kindOf(step) == stepKind::questionGroup)
        m_steps.CreaLAB(step, m_steps.selectedOptionText());
    m_steps.CreaSMI(step);
    m_media.CreaWAV(EventSound::CorrectAnswer);
    m_media.showTopAnimation(QStringLiteral("GIF1"));
    m_media.flags().advancePending = true;
    m_media.flags().correctPending = false;
}

void FeedbackTicker::countDown()
{
    FeedbackFlags &flags = m_media.flags();
    if (flags.soundTicks > 0) {
        if (m_media.hasBottomAnimation()) {
            int left = flags.soundTicks > ticksBeforeCrossing(m_media.workAreaWidth())
                ? 0
                : m_media.bottomLeft();
            if (left < m_media.workAreaWidth())
                left += bottomStep;
            m_media.moveBottomAnimation(left);
        }
        flags.soundTicks -= 1;
        return;
    }
    m_media.stop();
    if (flags.advancePending) {
        m_media.CreaWAV(EventSound::ButtonScroll);
        flags.advancePending = false;
        flags.panelSliding = true;
    }
}

void FeedbackTicker::slideCockade()
{
    // Without a cockade (its picture is missing) there is nothing to wait for.
    const int last = m_steps.stepCount() - 1;
    if (m_media.hasCockade() && last >= 0 && m_media.cockadeTop() < m_steps.stepTop(last) - 30)
        m_media.moveCockade(m_media.cockadeTop() + cockadeStep);
    else
        m_media.flags().cockadeSliding = false;
}

void FeedbackTicker::slidePanel()
{
    const int next = m_steps.currentStep() + 1;
    if (next < m_steps.stepCount() && m_steps.questionPanelTop() < m_steps.stepTop(next)) {
        m_steps.moveQuestionPanel(m_steps.questionPanelTop() + panelStep);
        return;
    }
    m_media.flags().panelSliding = false;
    if (next < m_steps.stepCount())
        m_steps.advance();
}

} // namespace solvaro
