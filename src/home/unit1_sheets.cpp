// The sheet tabs and the way from the home page into the exercise player and
// back to the start panel.

#include "home/unit1.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "base/dialogs.h"
#include "home/tgif.h"
#include "home/toolbarlayout.h"
#include "schemes/ueditschemi.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include <QLineEdit>
#include <QTimer>

namespace solvaro {

namespace {

const QString TitleStripPrefix = QStringLiteral("LMD_LABEL");

} // namespace

int TForm1::currentSheet() const
{
    return TabSheet->currentIndex();
}

QString TForm1::pupilName() const
{
    return LMDEdit1->text();
}

QString TForm1::currentSheetFile() const
{
    const int sheet = currentSheet();
    return sheet >= 0 && sheet < SheetFiles.size() ? SheetFiles.at(sheet) : QString();
}

int TForm1::currentExercise() const
{
    const TForm0 *main = m_context.forms.Form0;
    return main && main->TabEserc ? main->TabEserc->currentIndex() : 0;
}

void TForm1::CaricaMENU()
{
    const IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    const QStringList files = globalSettings::readSheetList(global);
    TabSheet->clearTabs();
    for (int sheet = 0; sheet < files.size(); ++sheet) {
        TabSheet->addNumberedTab();
        SheetFiles[sheet] = files.at(sheet);
    }
    if (TabSheet->count() > 0)
        TabSheet->selectTab(0);
}

void TForm1::TabSheetMouseUp()
{
    if (!EditMode && LMDEdit1->text().trimmed().isEmpty()) {
        m_context.env.dialogs->showMessage(tr("Insert your name please."));
        return;
    }
    const int sheet = currentSheet();
    if (sheet < 0)
        return;
    TForm0 *main = m_context.forms.Form0;
    if (!main)
        return;

    stopSound();
    stopHomeMotion();
    loadTitleStrip(SheetFiles.at(sheet));

    main->LMDSimplePanel3->show();
    main->relayout();
    main->LMDhome->show();
    for (QWidget *teacherButton :
        { main->LMDconfigure, main->LMDcopy, main->LMDdelete, main->LMDclasse })
        teacherButton->setVisible(EditMode);
    for (QWidget *pupilButton : { main->LMDcarica, main->LMDsalva, main->LMDstampa, main->LMDhelp,
             main->LMDsoluzione, main->LMDspeaker, main->LMDripristina }) {
        pupilButton->setVisible(!EditMode);
    }
    layoutMainToolbar();
    main->FD->showPage(TForm0::PlayerPage);
}

void TForm1::loadTitleStrip(const QString &sheetFile)
{
    FillPanel *title = m_context.forms.Form0->LMD_LABEL;
    // A sheet without a record of its own leaves the caption as it was; it must
    // not collect one name in front of the other, visit after visit.
    if (!m_titleCaptionKnown) {
        m_titleCaption = title->caption();
        m_titleCaptionKnown = true;
    }
    title->setCaption(m_titleCaption);
    Load_LMDFILL(title, m_context.looks(),
        elementRecord(sheetFile, globalSettings::commonArea, TitleStripPrefix));
    m_titleCaption = title->caption();
    title->setCaption(LMDEdit1->text() + QStringLiteral(": ") + m_titleCaption);
}

void TForm1::layoutMainToolbar()
{
    TForm0 *main = m_context.forms.Form0;
    const QList<QWidget *> &sequence = main->toolbarSequence;
    if (sequence.isEmpty())
        return;
    // The last element of the sequence is the exercise tab strip, which closes
    // the row; the others are buttons.
    const QList<QWidget *> buttons = sequence.first(sequence.size() - 1);
    QWidget *strip = sequence.last();

    QList<ToolbarButton> row;
    for (const QWidget *button : buttons)
        row.append({ !button->isHidden(), button->width() });
    const ToolbarPlacement placement
        = layoutToolbar(row, main->LMDbarra->x() + 2, main->LMDbarra->width());
    for (int i = 0; i < buttons.size(); ++i)
        buttons.at(i)->move(placement.lefts.at(i), buttons.at(i)->y());
    strip->setGeometry(placement.stripLeft, strip->y(), placement.stripWidth, strip->height());
}

void TForm1::stopHomeMotion()
{
    if (!Gifs.isEmpty() && Gifs.first())
        Gifs.first()->setAnimating(false);
    Timer1->stop();
}

void TForm1::LMDhomeClick()
{
    stopSound();
    if (!Gifs.isEmpty() && Gifs.first())
        Gifs.first()->setAnimating(false);
    TForm0 *main = m_context.forms.Form0;
    if (!main)
        return;
    main->FD->hidePage();
    main->relayout();
}

void TForm1::LMDschemiClick()
{
    if (TFeditschemi *editor = m_context.forms.Feditschemi)
        editor->exec();
    CaricaMENU();
}

} // namespace solvaro
