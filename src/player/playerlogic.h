#pragma once

#include "player/animationpreview.h"
#include "player/feedbackmedia.h"
#include "player/feedbackticker.h"
#include "player/formulasheet.h"
#include "player/stepcycle.h"
#include "schemes/scheme.h"

#include <QStringList>

namespace solvaro {

class PlayerView;

// The exercise player without its widgets: the open sheet's scheme (xSCHEMA),
// its formula rows, the step cycle and the feedback sequencer, wired together.
// The player form dresses the screen, forwards the pupil's actions and calls
// tick() from its 100 ms timer.
class PlayerLogic
{
public:
    explicit PlayerLogic(PlayerView &view);
    PlayerLogic(const PlayerLogic &) = delete;
    PlayerLogic &operator=(const PlayerLogic &) = delete;

    void setEditMode(bool editMode);
    bool editMode() const { return m_editMode; }
    void setDecimalSeparator(QChar separator);
    void setRandom(std::function<int(int bound)> random);
    void setQuestionGroupLoader(std::function<QuestionGroup(int step)> loader);
    void setWorkAreaWidth(int width) { m_media.setWorkAreaWidth(width); }

    // PREPARE_EXERCISE's part: the sheet's scheme taken, no feedback pending,
    // formula rows built and placed, every exercise unsolved.
    void prepareSheet(const Scheme &scheme);
    void loadExercise(int exerciseIndex, const ExerciseTexts &texts)
    {
        m_steps.loadExercise(exerciseIndex, texts);
    }
    // GIFinit: the teacher's preview starts with the paths of GIF1 to GIF4; the
    // bottom animation shows GIF5 (pupil mode removes it at the first tick).
    void GIFinit(const QStringList &previewGifPaths);
    // One tick of the 100 ms timer.
    void tick();

    // The page commands that change exercise or resume first stop the sound
    // countdown; true when no feedback flag is set and they may go on.
    bool stopCountdown();
    bool isBusy() const { return m_media.flags().isBusy(); }

    Scheme &xSCHEMA() { return m_scheme; }
    const Scheme &xSCHEMA() const { return m_scheme; }
    FormulaSheet &formulas() { return m_formulas; }
    const FormulaSheet &formulas() const { return m_formulas; }
    StepCycle &steps() { return m_steps; }
    const StepCycle &steps() const { return m_steps; }
    FeedbackMedia &media() { return m_media; }
    const AnimationPreview &preview() const { return m_preview; }

private:
    bool m_editMode = false;
    Scheme m_scheme;
    FormulaSheet m_formulas;
    FeedbackMedia m_media;
    StepCycle m_steps;
    FeedbackTicker m_ticker;
    AnimationPreview m_preview;
};

} // namespace solvaro
