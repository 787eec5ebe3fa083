// Progress files from the player: the pupil's own file when an exercise is
// left, the restore button, and saving and loading through the file dialogs.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "home/unit1.h"
#include "player/openexercisefile.h"
#include "player/progressfile.h"
#include "player/progressstate.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/radiogroup.h"

namespace solvaro {

ExerciseProgress TFormP3::progressOnScreen() const
{
    ExerciseProgress progress = progressOf(m_logic.steps(), m_logic.formulas());
    progress.sheet = currentSheet();
    progress.exerciseFileName = exerciseFileName;
    progress.questionTag = elementTag(E1);
    progress.selectedOption = E1->itemIndex();
    progress.questionPanelVisible = !E1sp->isHidden();
    return progress;
}

void TFormP3::saveLeftExercise()
{
    solvaro::saveLeftExercise(pupilProgressPath(), progressOnScreen(), editMode());
}

QString TFormP3::pupilProgressPath() const
{
    const QString name = m_context.forms.Form1 ? m_context.forms.Form1->pupilName() : QString();
    return m_context.folders.resolve(pupilProgressFile(name));
}

void TFormP3::LMDsalvaClick()
{
    // The teacher's view shows every step at once: there is no pupil's work
    // to keep.
    if (editMode())
        return;
    const QString file = chooseProgressFileToSave(*m_context.env.dialogs, documentsFolder);
    if (!file.isEmpty())
        SAVETEMP(file, progressOnScreen());
}

void TFormP3::LMDcaricaClick()
{
    if (editMode())
        return;
    const QString file = chooseProgressFileToLoad(*m_context.env.dialogs, documentsFolder);
    if (!file.isEmpty())
        LOADTEMP(file);
}

void TFormP3::restoreFromPupilFile()
{
    if (!editMode())
        LOADTEMP(pupilProgressPath());
}

bool TFormP3::LOADTEMP(const QString &file)
{
    return resumeFrom(file, [this] {
        CLEAR_ALL_OBJ();
        PREPARE_EXERCISE();
        return progressOnScreen();
    });
}

void TFormP3::offerSavedWork()
{
    // An exercise solved since the sheet was opened shows the pupil's work
    // already; one the file holds is offered as the restore button offers it.
    if (editMode() || m_logic.steps().exerciseState(currentExercise()) != NotSolved)
        return;
    const QString file = pupilProgressPath();
    if (holdsSavedWork(file, currentSheet(), currentExercise()))
        resumeFrom(file, [this] { return progressOnScreen(); });
}

bool TFormP3::resumeFrom(const QString &file, const std::function<ExerciseProgress()> &fresh)
{
    const Resume resume = solvaro::LOADTEMP(file, currentSheet(), currentExercise(),
        m_logic.xSCHEMA().stepKinds, *m_context.env.dialogs, fresh);
    if (resume.outcome != ResumeOutcome::Restored)
        return resume.resumed();

    const ExerciseProgress &saved = resume.progress;
    // The exercise on screen keeps its file when the section names none.
    if (!saved.exerciseFileName.isEmpty())
        exerciseFileName = saved.exerciseFileName;
    {
        // The labels' question groups and the current step all read one file.
        const OpenExerciseFile open(m_openExerciseFile, m_context.folders.resolve(exerciseFileName),
            m_context.env.decimalSeparator);
        m_logic.steps().resume(saved);
    }
    if (saved.currentStep < m_logic.steps().stepCount()) {
        setElementTag(E1, saved.questionTag);
        E1->setItemIndex(saved.selectedOption);
        E1sp->setVisible(saved.questionPanelVisible);
    }
    return true;
}

} // namespace solvaro
