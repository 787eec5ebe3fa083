#pragma once

namespace solvaro {

// The feedback in progress, set by the answer button and worked off by the
// 100 ms sequencer.
struct FeedbackFlags {
    bool correctPending = false;
    bool advancePending = false;
    bool wrongPending = false;
    bool cockadeSliding = false;
    bool panelSliding = false;
    // 100 ms ticks left of the current feedback.
    int soundTicks = 0;

    // The flags that keep the player on its exercise. advancePending counts as
    // well: between the end of the right-answer sound and the next tick the
    // player would otherwise look idle and could change exercise, after which
    // the pending slide would skip the new exercise's first step.
    bool anyFlagSet() const
    {
        return correctPending || advancePending || wrongPending || cockadeSliding || panelSliding;
    }
    // While busy, the player refuses loading, saving, printing and the solution.
    bool isBusy() const { return anyFlagSet() || soundTicks != 0; }
    // A right answer is being celebrated and the next step not shown yet.
    bool advancing() const { return correctPending || advancePending || panelSliding; }
};

} // namespace solvaro
