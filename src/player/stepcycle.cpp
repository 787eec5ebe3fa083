#include "player/stepcycle.h"

#include "player/feedbackmedia.h"
#include "player/formulasheet.h"
#include "player/formulasteps.h"
#include "player/playerview.h"
#include "player/progressstate.h"
#include "player/storedlines.h"
#include "player/validation.h"
#include "schemes/scheme.h"
#include "storage/lookrecord.h"

#include <QCoreApplication>

#include <algorithm>

namespace solvaro {

using globalSettings::EventSound;

StepCycle::StepCycle(Scheme &scheme, FormulaSheet &formulas, FeedbackMedia &media, PlayerView &view)
    : m_scheme(scheme)
    , m_formulas(formulas)
    , m_media(media)
    , m_view(view)
    , m_random([](int) { return 0; })
{
}

int StepCycle::stepCount() const
{
    return int(m_scheme.stepKinds.size());
}

QChar StepCycle::kindOf(int step) const
{
    return validStep(step) ? m_scheme.stepKinds.at(step) : QChar();
}

int StepCycle::stepTop(int step) const
{
    return m_scheme.stepTops.value(step);
}

int StepCycle::currentFormulaIndex() const
{
    return QualeFormula(m_current, m_scheme.stepKinds);
}

ExerciseState StepCycle::exerciseState(int exerciseIndex) const
{
    return exerciseIndex >= 0 && exerciseIndex < maxExercises ? m_exerciseStates[exerciseIndex]
                                                              : NotSolved;
}

void StepCycle::setExerciseState(int exerciseIndex, ExerciseState state)
{
    if (exerciseIndex >= 0 && exerciseIndex < maxExercises)
        m_exerciseStates[exerciseIndex] = state;
}

void StepCycle::setStepErrors(int step, int errors)
{
    if (step >= 0 && step < m_stepErrors.size())
        m_stepErrors[step] = errors;
}

QString StepCycle::errorsText() const
{
    return QCoreApplication::translate("Player", "ERRORS %1").arg(m_totalErrors);
}

std::optional<QString> StepCycle::answerLabel(int step) const
{
    return m_answerLabels.value(step);
}

QString StepCycle::problemOf(int step) const
{
    if (!isFormulaKind(kindOf(step)))
        return QString();
    const int q = QualeFormula(step, m_scheme.stepKinds);
    return m_formulas.hasRow(q) ? m_formulas.row(q).problem : QString();
}

void StepCycle::moveQuestionPanel(int top)
{
    m_questionPanelTop = top;
    m_view.moveQuestionPanel(top);
}

void StepCycle::prepareSheet()
{
    m_stepErrors = QVector<int>(stepCount() + 1, 0);
    m_answerLabels = QVector<std::optional<QString>>(stepCount());
    m_exerciseStates.fill(NotSolved);
    m_solvedWork.clear();
    m_totalErrors = 0;
    m_current = 0;
}

void StepCycle::keepSolvedWork()
{
    const ExerciseState state = exerciseState(m_exercise);
    if (!m_editMode && (state == SolvedByPupil || state == SolvedBySolution))
        m_solvedWork.insert(m_exercise, progressOf(*this, m_formulas));
}

void StepCycle::loadExercise(int exerciseIndex, const ExerciseTexts &texts)
{
    keepSolvedWork();
    m_exercise = exerciseIndex;
    const ExerciseState state = exerciseState(exerciseIndex);
    const bool solved = state == SolvedByPupil || state == SolvedBySolution;
    m_formulas.setPanelsVisible(m_editMode || solved);

    m_totalErrors = 0;
    m_stepErrors.fill(0);
    // A fresh list rather than fill(): an optimising build warns, wrongly,
    // that fill()'s copy of an empty optional reads uninitialised memory.
    m_answerLabels = QVector<std::optional<QString>>(m_answerLabels.size());
    m_view.clearExercisePictures();
    m_media.forget();
    m_view.showErrors(errorsText());

    if (m_editMode) {
        POSIZIONA_COMBO_LABEL();
        m_correctIndex = 0;
        m_view.showFormulaRows();
        return;
    }
    m_helpLines = paddedStepLines(texts.helpTexts);
    m_errorLines = paddedStepLines(texts.errorTexts);
    // Every row holds this exercise's expected texts before a step shows.
    m_formulas.CARICA_FORMULE(
        texts.expectedFormulas, m_scheme.expectedFormulas, m_decimalSeparator);
    m_view.scrollTo(0);
    const auto work = m_solvedWork.constFind(exerciseIndex);
    if (!solved) {
        m_current = 0;
        NEXT_ROW();
    } else if (work != m_solvedWork.cend()) {
        resume(*work);
    } else {
        POSIZIONA_COMBO_LABEL();
        m_media.CreaCOC(state);
        m_formulas.showExpectedTexts();
        m_view.hideQuestionPanel();
    }
    m_view.showFormulaRows();
}

void StepCycle::resume(const ExerciseProgress &saved)
{
    setCurrentState(saved.exerciseState);
    m_totalErrors = saved.totalErrors;
    m_view.showErrors(errorsText());
    for (int k = 0; k < m_stepErrors.size(); ++k)
        m_stepErrors[k] = saved.stepErrors.value(k);

    const int current = std::clamp(saved.currentStep, 0, stepCount());
    for (int k = 0; k < current; ++k) {
        const std::optional<QString> label = saved.answerLabels.value(k);
        if (kindOf(k) == stepKind::questionGroup && label) {
            // The label wears its own question group's font.
            loadGroup(k);
            CreaLAB(k, *label);
        }
        CreaSMI(k);
    }

    m_formulas.restoreEntries(saved.formulaFields);
    // A step answered right stays as it was answered.
    m_formulas.closeRows();
    m_formulas.setPanelsVisible(true);
    // The rows first: the question panel of the current step goes over them.
    m_view.showFormulaRows();
    m_current = current;
    if (current < stepCount()) {
        NEXT_ROW();
        if (saved.selectedOption >= -1 && saved.selectedOption < m_shownOptions.size())
            m_selectedOption = saved.selectedOption;
    } else {
        m_view.hideQuestionPanel();
        m_media.CreaCOC(saved.exerciseState);
    }
}

QuestionGroup StepCycle::loadGroup(int step)
{
    QuestionGroup group
        = m_loadGroup ? m_loadGroup(step) : QuestionGroup { { MissingOptions }, m_questionFont };
    m_questionFont = group.font;
    m_shownOptions = group.options;
    m_selectedOption = -1;
    return group;
}

void StepCycle::NEXT_ROW()
{
    // A hint belongs to the step it was given on.
    m_view.hideHint();
    const int s = m_current;
    const QChar kind = kindOf(s);
    if (kind == stepKind::questionGroup) {
        loadGroup(s);
        MISCHIA(m_shownOptions, m_correctIndex, m_editMode, m_random);
        m_view.loadQuestionGroup(m_shownOptions, m_questionFont);
        m_questionPanelTop = stepTop(s);
        m_view.showQuestionPanel(m_questionPanelTop);
    } else if (isFormulaKind(kind)) {
        m_formulas.activateRow(QualeFormula(s, m_scheme.stepKinds));
        m_view.showFormulaRows();
        m_questionPanelTop = stepTop(s);
        m_view.showButtonBar(m_questionPanelTop);
        const QString problem = problemOf(s);
        if (!problem.isEmpty())
            m_view.showHint(QCoreApplication::translate(
                "Player", "This step cannot be answered (%1). Press OK to go on.")
                                .arg(problem));
    }
}

void StepCycle::answer(int selectedOption)
{
    m_view.hideHint();
    if (exerciseState(m_exercise) == SolutionRequested) {
        showSolution();
        return;
    }
    // While a right answer is being celebrated the step is already judged; a
    // second press would advance twice. A finished exercise has no step left.
    if (m_media.flags().advancing() || !validStep(m_current))
        return;
    const QChar kind = kindOf(m_current);
    if (isFormulaKind(kind))
        judgeFormula(m_current, kind);
    else
        judgeQuestion(m_current, selectedOption);
}

void StepCycle::judgeFormula(int step, QChar kind)
{
    const int q = QualeFormula(step, m_scheme.stepKinds);
    if (!m_formulas.hasRow(q))
        return;
    if (!m_formulas.row(q).problem.isEmpty()) {
        // Nothing to judge: the pupil goes on without an error.
        if (step + 1 < stepCount())
            m_media.flags().advancePending = true;
        else
            finishExercise();
        return;
    }
    bool right = false;
    try {
        right = ValidazioneRisultato(
            kind, m_formulas.row(q), m_scheme.expectedFormulas.value(q), m_decimalSeparator);
    } catch (...) {
        // The marks set before the error stay on show.
        m_view.showFormulaRows();
        throw;
    }
    m_view.showFormulaRows();
    if (!right)
        countError(step);
    else if (step + 1 < stepCount())
        m_media.flags().correctPending = true;
    else
        finishExercise();
}

void StepCycle::judgeQuestion(int step, int selectedOption)
{
    if (selectedOption < 0)
        return;
    m_selectedOption = selectedOption;
    if (selectedOption != m_correctIndex)
        countError(step);
    else if (step + 1 < stepCount())
        m_media.flags().correctPending = true;
    else
        finishExercise();
}

void StepCycle::countError(int step)
{
    m_totalErrors += 1;
    m_view.showErrors(errorsText());
    setStepErrors(step, m_stepErrors.value(step) + 1);
    m_view.showHint(m_errorLines.value(step, QStringLiteral("?")));
    m_media.CreaWAV(EventSound::WrongAnswer);
    m_media.flags().wrongPending = true;
}

void StepCycle::finishExercise()
{
    const int s = m_current;
    m_view.raiseSolvedCounter();
    setCurrentState(SolvedByPupil);
    CreaSMI(s);
    // A formula row shows its answer in its own fields.
    if (kindOf(s) == stepKind::questionGroup)
        CreaLAB(s, selectedOptionText());
    m_media.CreaWAV(EventSound::ExerciseEnded);
    // Long enough for the bottom animation to cross the work area.
    m_media.flags().soundTicks = m_media.workAreaWidth() / 10;
    // Both endings show GIF4 on top; GIF3 is seen only in the teacher's preview.
    m_media.showTopAnimation(QStringLiteral("GIF4"));
    m_media.CreaCOC(SolvedByPupil);
    m_media.CreaGIF(QStringLiteral("GIF6"));
    m_view.scrollTo(stepTop(stepCount() - 1) + 60);
    m_media.flags().cockadeSliding = true;
    m_current = stepCount();
    m_view.hideQuestionPanel();
}

void StepCycle::showSolution()
{
    m_view.hideQuestionPanel();
    setCurrentState(SolvedBySolution);
    m_formulas.showExpectedTexts();
    m_view.showFormulaRows();
    POSIZIONA_COMBO_LABEL();
    m_media.CreaCOC(SolvedBySolution);
    m_media.CreaGIF(QStringLiteral("GIF5"));
    m_media.CreaWAV(EventSound::HelpRequest);
    m_media.flags().cockadeSliding = true;
    m_media.showTopAnimation(QStringLiteral("GIF4"));
}

void StepCycle::showHelp()
{
    // A click that lands on the help button while the panel moves on to the
    // next step (the second click of a double click on OK) asks for nothing.
    if (m_media.flags().advancing() || !validStep(m_current))
        return;
    m_view.showHint(m_helpLines.value(m_current, QStringLiteral("?")));
}

bool StepCycle::requestSolution()
{
    if (m_media.flags().isBusy())
        return false;
    m_view.scrollTo(1000);
    setCurrentState(SolutionRequested);
    m_current = stepCount() - 1;
    answer(m_selectedOption);
    return true;
}

void StepCycle::POSIZIONA_COMBO_LABEL()
{
    int groupNumber = 0;
    for (int s = 0; s < stepCount(); ++s) {
        if (kindOf(s) == stepKind::questionGroup) {
            const QuestionGroup group = loadGroup(s);
            m_view.loadQuestionGroup(m_shownOptions, m_questionFont);
            CreaLAB(s,
                m_editMode ? QStringLiteral("QUESTION GROUP N.%1").arg(groupNumber)
                           : group.options.value(0));
            ++groupNumber;
        }
        CreaSMI(s);
    }
    m_current = stepCount();
}

void StepCycle::CreaSMI(int step)
{
    // A step that cannot be answered was not judged.
    if (!validStep(step) || !problemOf(step).isEmpty())
        return;
    // A formula row's panel stands above its step's top; its smiley goes up
    // with it.
    const int raise = isFormulaKind(kindOf(step)) ? 10 : 0;
    m_view.showSmiley(step, smileyFile(m_stepErrors.value(step), exerciseState(m_exercise)),
        stepTop(step) - raise);
}

void StepCycle::CreaLAB(int step, const QString &text)
{
    if (!validStep(step) || step >= m_answerLabels.size())
        return;
    m_answerLabels[step] = text;
    m_view.showAnswerLabel(step, text, m_questionFont);
}

void StepCycle::advance()
{
    m_current += 1;
    NEXT_ROW();
}

} // namespace solvaro
