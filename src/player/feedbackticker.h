#pragma once

namespace solvaro {

class StepCycle;
class FeedbackMedia;
class PlayerView;

// The 100 ms feedback sequencer of pupil mode (Timer1Timer). Each tick works
// off what the answer button started: the right-answer feedback (label, smiley,
// sound 1, GIF1), the wrong-answer feedback (sound 2, GIF2), the countdown of
// soundTicks with the bottom animation crossing the work area 10 pixels a
// tick, the cockade sliding down 18 pixels a tick, and the question panel
// sliding 5 pixels a tick to the next step, which then shows. The player form
// calls tick() from its timer while the player page is on show.
class FeedbackTicker
{
public:
    FeedbackTicker(StepCycle &steps, FeedbackMedia &media, PlayerView &view)
        : m_steps(steps)
        , m_media(media)
        , m_view(view)
    {
    }

    void tick();

private:
    void celebrateRightAnswer();
    void countDown();
    void slideCockade();
    void slidePanel();

    StepCycle &m_steps;
    FeedbackMedia &m_media;
    PlayerView &m_view;
};

} // namespace solvaro
