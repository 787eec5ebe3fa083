// The page commands with which the main window drives the player.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "base/dialogs.h"
#include "home/unit1.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/pagehost.h"
#include "ui/radiogroup.h"
#include "ui/scrollbox.h"
#include "ui/tabstrip.h"

#include <QCloseEvent>

#include <exception>

namespace solvaro {

namespace {

void run(const std::function<void()> &hook)
{
    if (hook)
        hook();
}

} // namespace

void TFormP3::closeEvent(QCloseEvent *event)
{
    // A command that fails with an error keeps the page.
    event->ignore();
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

bool TFormP3::FormClose()
{
    const int command = elementTag(this);
    switch (command) {
    case CommandHome:
        // A feedback in progress finishes first; the pupil presses home again.
        if (isBusy())
            break;
        CLEAR_ALL_OBJ();
        isClosed = true;
        return true;
    case CommandLoadProgress:
        if (!isBusy())
            run(loadProgressCommand);
        break;
    case CommandSaveProgress:
        if (!isBusy())
            run(saveProgressCommand);
        break;
    case CommandPrint:
        if (!isBusy())
            run(printCommand);
        break;
    case CommandHelp:
        showGeneralHelp();
        break;
    case CommandExerciseChanged:
        exerciseTabChanged();
        break;
    case CommandSolution:
        showSolution();
        break;
    case CommandRestore:
        if (m_logic.stopCountdown() && !editMode())
            run(restoreCommand);
        break;
    default:
        CLEAR_ALL_OBJ();
        isClosed = true;
        return true;
    }
    isClosed = false;
    return false;
}

void TFormP3::exerciseTabChanged()
{
    if (!m_logic.stopCountdown()) {
        // The exercise on screen stays; so does its tab.
        if (TForm0 *main = m_context.forms.Form0)
            main->TabEserc->selectTab(m_logic.steps().exerciseIndex());
        return;
    }
    // A progress file that cannot be written is reported, but the pupil still
    // gets the exercise asked for.
    std::exception_ptr saveFailure;
    if (!editMode()) {
        try {
            saveLeftExercise();
        } catch (...) {
            saveFailure = std::current_exception();
        }
    }
    INIZIO();
    SB->scrollToTop();
    offerSavedWork();
    if (saveFailure)
        std::rethrow_exception(saveFailure);
}

void TFormP3::showSolution()
{
    m_logic.steps().requestSolution();
}

void TFormP3::showGeneralHelp()
{
    m_context.env.dialogs->showMessage(generalHelp);
}

void TFormP3::returnHome()
{
    // As if the pupil pressed home: back to the home page.
    TForm0 *main = m_context.forms.Form0;
    if (main && main->FD && main->FD->currentPage() == this && !isHidden())
        main->LMDhomeClick();
}

} // namespace solvaro
