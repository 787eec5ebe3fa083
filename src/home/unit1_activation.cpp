// What every showing of the home page does: the pictures back on their paths,
// the music, and the look and layout of the pupil's or the teacher's mode.

#include "home/unit1.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "home/skinfile.h"
#include "ui/fillpanel.h"
#include "ui/picturebutton.h"

#include <QLineEdit>
#include <QTimer>

namespace solvaro {

namespace {

// Width of the teacher's toolbar buttons of the main window.
constexpr int TeacherButtonWidth = 141;

} // namespace

void TForm1::FormActivate()
{
    RESET_GIF();
    if (!EditMode && !whistleSilences(m_whistle))
        CreaWAV(skinKeys::homeMusicKey);
    applyModeLook();
    if (TForm0 *main = m_context.forms.Form0)
        main->LMDSimplePanel3->hide();
    LMDFill2->update();
    LMDsfondoUnit1->update();
    if (EditMode)
        Timer1->stop();
    else
        Timer1->start();
    if (!EditMode && whistleSilences(m_whistle))
        stopSound();
    // Handles left round a picture of an earlier visit would point at nothing.
    ShowNodes(false);
    layoutPage();
    // The pupil starts by typing the name.
    LMDEdit1->setFocus(Qt::OtherFocusReason);
    LMDEdit1->selectAll();
}

void TForm1::applyModeLook()
{
    for (FillPanel *fill : { LMDFill1, LMDFill2, LMDFill3, LMDFill4 })
        fill->setInnerBevel(EditMode);
    // The strips that open the "Edit Box" on a click show it by their cursor.
    for (FillPanel *fill : { LMDFill1, LMDFill5 }) {
        if (EditMode)
            fill->setCursor(Qt::PointingHandCursor);
        else
            fill->unsetCursor();
    }
    if (TForm0 *main = m_context.forms.Form0) {
        const int width = EditMode ? TeacherButtonWidth : 0;
        for (QWidget *button :
            { main->LMDconfigure, main->LMDcopy, main->LMDdelete, main->LMDclasse })
            button->resize(width, button->height());
    }
}

} // namespace solvaro
