#pragma once

#include "player/exercisestate.h"
#include "player/exercisetexts.h"
#include "player/progressstate.h"
#include "player/questiongroup.h"
#include "storage/look.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

namespace solvaro {

struct Scheme;
class FormulaSheet;
class FeedbackMedia;
class PlayerView;

// The steps of one exercise in pupil mode: which step is current (the answer
// button's tag), judging an answer with the answer button, help, errors per
// step and per exercise, how each exercise of the sheet stands, and which
// feedback each outcome starts. The feedback sequencer then works off the
// flags it sets.
class StepCycle
{
public:
    static constexpr int maxExercises = 100;

    StepCycle(Scheme &scheme, FormulaSheet &formulas, FeedbackMedia &media, PlayerView &view);

    void setEditMode(bool editMode) { m_editMode = editMode; }
    void setDecimalSeparator(QChar separator) { m_decimalSeparator = separator; }
    // Returns a whole number in [0, bound); shuffles the question groups.
    void setRandom(std::function<int(int bound)> random) { m_random = std::move(random); }
    // Reads question group "E<step>" of the current exercise.
    void setQuestionGroupLoader(std::function<QuestionGroup(int step)> loader)
    {
        m_loadGroup = std::move(loader);
    }

    // A sheet was opened: no errors, every exercise unsolved.
    void prepareSheet();
    // INIZIO's work once the screen is dressed: the exercise's first step in
    // pupil mode, or the exercise shown solved when it was solved before, or
    // every step shown in the teacher's editing mode. A solved exercise shows
    // again as the pupil left it: answers, errors and smileys.
    void loadExercise(int exerciseIndex, const ExerciseTexts &texts);

    // LOADTEMP's last part, over the exercise freshly loaded in pupil mode:
    // the saved state, errors, answer labels and smileys of the steps behind
    // the pupil, the formula fields with every formula panel shown and closed
    // to typing, then the current step, or the cockade of a finished exercise.
    void resume(const ExerciseProgress &saved);

    // Shows the current step: a question group shuffled in the full question
    // panel, or a formula row enabled with the panel shrunk to its buttons.
    void NEXT_ROW();
    // Judges the current step (the answer button, B1Click), with the option
    // selected in the question group (-1 for none). Formula steps are judged by
    // their rows; the evaluator's errors propagate and count nothing.
    void answer(int selectedOption);
    // The hint of the current step (the help button, H1Click), unless the step
    // is being left.
    void showHelp();
    // Page command 8: refused (false) while the player is busy; otherwise the
    // exercise is shown solved by its solution.
    bool requestSolution();
    // The labels pass: a label and a smiley for every step.
    void POSIZIONA_COMBO_LABEL();
    void CreaSMI(int step);
    void CreaLAB(int step, const QString &text);
    // The panel has slid to the next step, which now shows.
    void advance();

    int stepCount() const;
    QChar kindOf(int step) const;
    int stepTop(int step) const;
    int currentStep() const { return m_current; }
    // The formula index of the current step, for the operator menu.
    int currentFormulaIndex() const;
    void setCurrentStep(int step) { m_current = step; }
    int exerciseIndex() const { return m_exercise; }
    ExerciseState exerciseState(int exerciseIndex) const;
    void setExerciseState(int exerciseIndex, ExerciseState state);
    int totalErrors() const { return m_totalErrors; }
    void setTotalErrors(int errors) { m_totalErrors = errors; }
    // One entry per step and one more.
    const QVector<int> &stepErrors() const { return m_stepErrors; }
    void setStepErrors(int step, int errors);
    // "ERRORS %d"
    QString errorsText() const;
    int correctIndex() const { return m_correctIndex; }
    // The options as the question panel shows them, after the shuffle.
    const QStringList &shownOptions() const { return m_shownOptions; }
    int selectedOption() const { return m_selectedOption; }
    void setSelectedOption(int option) { m_selectedOption = option; }
    QString selectedOptionText() const { return m_shownOptions.value(m_selectedOption); }
    // The text of a step's answer label, when it has one.
    std::optional<QString> answerLabel(int step) const;
    int questionPanelTop() const { return m_questionPanelTop; }
    void moveQuestionPanel(int top);

private:
    bool validStep(int step) const { return step >= 0 && step < stepCount(); }
    // Why a formula step cannot be answered; empty for every other step.
    QString problemOf(int step) const;
    void keepSolvedWork();
    QuestionGroup loadGroup(int step);
    void judgeFormula(int step, QChar kind);
    void judgeQuestion(int step, int selectedOption);
    void countError(int step);
    void finishExercise();
    void showSolution();
    void setCurrentState(ExerciseState state) { setExerciseState(m_exercise, state); }

    Scheme &m_scheme;
    FormulaSheet &m_formulas;
    FeedbackMedia &m_media;
    PlayerView &m_view;
    bool m_editMode = false;
    QChar m_decimalSeparator = QLatin1Char('.');
    std::function<int(int)> m_random;
    std::function<QuestionGroup(int)> m_loadGroup;

    int m_exercise = 0;
    std::array<ExerciseState, maxExercises> m_exerciseStates {};
    // The pupil's work on each exercise of the sheet left solved.
    QHash<int, ExerciseProgress> m_solvedWork;
    int m_current = 0;
    int m_totalErrors = 0;
    QVector<int> m_stepErrors;
    QStringList m_helpLines;
    QStringList m_errorLines;
    int m_correctIndex = -1;
    QStringList m_shownOptions;
    int m_selectedOption = -1;
    LookFont m_questionFont;
    QVector<std::optional<QString>> m_answerLabels;
    int m_questionPanelTop = 0;
};

} // namespace solvaro
