#include "app/unit0.h"
#include "app/systeminformation.h"

#include "app/appcontext.h"
#include "app/versioncaption.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "dialogs/unit3.h"
#include "home/unit1.h"
#include "player/unitp3.h"
#include "storage/designspace.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/focusmarker.h"
#include "ui/focusorder.h"
#include "ui/lookwidgets.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QVBoxLayout>

namespace solvaro {

namespace {

// Size of the window before it is maximised.
constexpr int designedWindowWidth = 1678;
constexpr int designedWindowHeight = 1008;

} // namespace

TForm0::TForm0(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form0"));
    resize(designedWindowWidth, designedWindowHeight);

    buildToolbar();
    FD = new PageHost(this);
    FD->setObjectName(QStringLiteral("FD"));
    FD->setAutoFillBackground(true);
    QPalette hostColors = FD->palette();
    hostColors.setColor(QPalette::Window, Qt::white);
    FD->setPalette(hostColors);
    FD->installEventFilter(this);
    LMDSimplePanel3->installEventFilter(this);
    buildStartPanel();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(LMDSimplePanel3);
    layout->addWidget(FD, 1);

    connectHandlers();
    FormCreate();
    new FocusMarker(this);
}

TForm0::~TForm0() = default;

void TForm0::FormCreate()
{
    toolbarSequence
        = QList<QWidget *> { LMDhome, LMDconfigure, LMDcopy, LMDdelete, LMDclasse, LMDcarica,
              LMDsalva, LMDstampa, LMDhelp, LMDspeaker, LMDsoluzione, LMDripristina, TabEserc };
    layoutToolbarInDesignOrder();

    setWindowTitle(
        versionCaption(QCoreApplication::applicationFilePath(), QStringLiteral(SOLVARO_VERSION)));
    // Qt paints every widget double-buffered.
    solvedExercises = 0;
    DesignHeight = solvaro::DesignHeight;
    DesignWidth = solvaro::DesignWidth;

    Load_LMDFILL(LMDFill15, m_context.looks(),
        elementRecord(ownLookFile(LMDFill15), ownLookSection(LMDFill15), LMDFill15->objectName()));

    for (const int key : { Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4 }) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        m_context.handlers().connect(
            shortcut, &QShortcut::activated, this, [this, key] { FormKeyDown(key); });
    }
}

void TForm0::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Without a window manager a window may never become active; the pages
    // must be in place before anything is clicked all the same.
    FormActivate();
}

void TForm0::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm0::FormActivate()
{
    // The window becomes active again after every dialog; only the first
    // activation sets the pages up, so that later ones cannot hide the toolbar
    // under the player.
    if (m_activated || !pagesReady())
        return;
    m_activated = true;
    const Forms &forms = m_context.forms;
    FD->addPage(forms.Form1);
    FD->addPage(forms.FormP3);
    FD->addPage(forms.Form3);
    LMDSimplePanel3->hide();
    relayout();
}

void TForm0::FormResize()
{
    LMDPanelFill1->move(
        (FD->width() - LMDPanelFill1->width()) / 2, (FD->height() - LMDPanelFill1->height()) / 2);
}

void TForm0::relayout()
{
    if (QLayout *own = layout())
        own->activate();
    FormResize();
}

bool TForm0::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == FD && event->type() == QEvent::Resize)
        FormResize();
    else if (watched == LMDSimplePanel3 && event->type() == QEvent::Show)
        loadToolbarPictures();
    else if (watched == LMDSimplePanel3 && event->type() == QEvent::Resize)
        placeLogo();
    else if (event->type() == QEvent::KeyPress && watched->parent() == LMDPanelFill1)
        return startPictureKey(static_cast<QWidget *>(watched), static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void TForm0::FDChange(int index)
{
    // Back on the start panel, which may have been left at another size.
    if (index < 0)
        FormResize();
}

void TForm0::FormKeyDown(int key)
{
    if (key == Qt::Key_F2)
        showSystemInformation();
    else if (key == Qt::Key_F1)
        showAboutBox();
    else if (key == Qt::Key_F3)
        stepHelpKey();
    else if (key == Qt::Key_F4 && LMDsoluzione->isVisible())
        LMDsoluzioneClick();
}

// The help button of the question panel, for the pupil at the keyboard.
void TForm0::stepHelpKey()
{
    TFormP3 *player = m_context.forms.FormP3;
    if (player && FD->currentPage() == player && !editMode() && player->E1sp->isVisible())
        player->H1Click();
}

bool TForm0::focusNextPrevChild(bool next)
{
    // Tab follows the screen as the pupil reads it, whatever order the
    // controls were made in.
    if (QWidget *target = nextInScreenOrder(this, QApplication::focusWidget(), next)) {
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void TForm0::showSystemInformation()
{
    if (!m_context.platform)
        return;
    m_context.env.dialogs->showMessage(
        systemInformationMessage(m_context.platform->systemInformation()));
}

void TForm0::showAboutBox()
{
    const QLatin1StringView lineEnd("\r\n");
    m_context.env.dialogs->showMessage(QStringLiteral("Solvaro") + lineEnd
        + QStringLiteral("Problemi di Matematica per la Scuola Primaria") + lineEnd
        + QStringLiteral("ver. ") + fourPartVersion(QStringLiteral(SOLVARO_VERSION)) + lineEnd
        + lineEnd + tr("Word problems to solve step by step, for pupils and their teachers.")
        + lineEnd + tr("Built with Qt and the Independent JPEG Group's decoder."));
}

bool TForm0::pagesReady() const
{
    const Forms &forms = m_context.forms;
    return forms.Form1 && forms.FormP3 && forms.Form3;
}

bool TForm0::editMode() const
{
    return m_context.forms.Form1 && m_context.forms.Form1->EditMode;
}

bool TForm0::FormClose()
{
    const Forms &forms = m_context.forms;
    QWidget *player = forms.FormP3;
    QWidget *home = forms.Form1;
    if (player && player->isVisible()) {
        sendCommand(player, CommandHome);
        if (playerReportsClosed())
            backToHomePage();
        return false;
    }
    if (home && home->isVisible()) {
        forms.Form1->LMDhomeClick();
        return false;
    }
    return true;
}

void TForm0::closeEvent(QCloseEvent *event)
{
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

} // namespace solvaro
