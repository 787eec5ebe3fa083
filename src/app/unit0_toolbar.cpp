// The main window's toolbar strip: its buttons, the exercise tabs and the page
// commands they send.
#include "app/appcontext.h"
#include "app/unit0.h"
#include "app/volumecontrol.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "dialogs/unit5.h"
#include "home/unit1.h"
#include "overview/classoverviewwindow.h"
#include "player/unitp3.h"
#include "storage/datafolders.h"
#include "storage/exercisecatalogue.h"
#include "storage/globalsettings.h"
#include "storage/look.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include <QGridLayout>
#include <QSignalBlocker>

static void initToolbarIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace solvaro {

namespace {

constexpr int stripHeight = 97;
constexpr int barHeight = 65;
constexpr int headerHeight = 32;
constexpr int logoWidth = 67;
constexpr int buttonTop = 2;
constexpr int iconButtonWidth = 64;
// The teacher's buttons carry a caption beside the icon; the home page gives
// them this width in the teacher's editing mode and 0 otherwise.
constexpr int captionedButtonWidth = 141;
constexpr int designExerciseTabs = 14;
const QRect captionStripPlace(9, 31, 322, 30);

const QColor stripColor(0xe3, 0xf1, 0xfb);
const QColor tealColor(0x00, 0x80, 0x80);
// Elements whose look lives in the skin file.
constexpr int skinTag = 10;

// The toolbar button's picture in the resources, read when the strip first shows.
constexpr char iconProperty[] = "toolbarIcon";

QFont toolbarFont(bool bold = false)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(9);
    font.setBold(bold);
    return font;
}

} // namespace

void TForm0::buildToolbar()
{
    initToolbarIcons();

    LMDSimplePanel3 = new FillPanel(this);
    LMDSimplePanel3->setObjectName(QStringLiteral("LMDSimplePanel3"));
    LMDSimplePanel3->setFixedHeight(stripHeight);
    LMDSimplePanel3->setFillStyle(FillStyle::Brush);
    LMDSimplePanel3->setBrushColor(stripColor);
    // Shown by the home page when a sheet opens.
    LMDSimplePanel3->hide();

    LMDbarra = new FillPanel(LMDSimplePanel3);
    LMDbarra->setObjectName(QStringLiteral("LMDbarra"));
    LMDbarra->setFixedHeight(barHeight);

    Image2 = new AnimatedPicture(LMDSimplePanel3);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(logoWidth, barHeight);
    Image2->setCenter(true);
    Image2->setTransparent(true);

    LMD_LABEL = new FillPanel(LMDSimplePanel3);
    LMD_LABEL->setObjectName(QStringLiteral("LMD_LABEL"));
    LMD_LABEL->setFixedHeight(headerHeight);
    LMD_LABEL->setFillStyle(FillStyle::Brush);
    LMD_LABEL->setBrushColor(tealColor);
    LMD_LABEL->setCaptionColor(Qt::white);
    LMD_LABEL->setCaptionAlignment(NineAlignment::CenterLeft);
    LMD_LABEL->setCaptionFont(toolbarFont(true));
    setElementTag(LMD_LABEL, SheetWideTag);

    auto *grid = new QGridLayout(LMDSimplePanel3);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(LMDbarra, 0, 0);
    // The logo keeps its place at the right end, but lies outside the layout:
    // the teacher may drag it elsewhere on the strip (placeLogo).
    grid->setColumnMinimumWidth(1, logoWidth);
    grid->setColumnStretch(0, 1);
    grid->addWidget(LMD_LABEL, 1, 0, 1, 2);

    const auto button
        = [this](const char *name, const char *icon, const QString &caption, const QString &hint) {
              auto *result = new PictureButton(LMDbarra);
              result->setObjectName(QString::fromLatin1(name));
              result->setFont(toolbarFont());
              result->setProperty(iconProperty, QString::fromLatin1(icon));
              result->setCaption(caption);
              result->setToolTip(hint);
              if (!hint.isEmpty())
                  result->setAccessibleName(hint);
              // Tab reaches the buttons; a click leaves the focus where it was.
              result->setFocusPolicy(Qt::TabFocus);
              result->setCursor(Qt::PointingHandCursor);
              result->setGeometry(0, buttonTop, iconButtonWidth, PictureButton::toolbarHeight);
              if (!caption.isEmpty())
                  result->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
              return result;
          };
    LMDhome = button("LMDhome", "home", QString(), tr("Home"));
    LMDconfigure
        = button("LMDconfigure", "configure", QStringLiteral("General \r\nOptions"), QString());
    LMDcopy = button("LMDcopy", "copy", QStringLiteral("Copy\r\nExercise\r\n"), QString());
    LMDdelete = button("LMDdelete", "delete", QStringLiteral("Delete \r\nExercise\r\n"), QString());
    LMDclasse = button("LMDclasse", "classe", QStringLiteral("Class\r\nOverview\r\n"), QString());
    LMDcarica = button("LMDcarica", "carica", QString(), tr("Load"));
    LMDsalva = button("LMDsalva", "salva", QString(), tr("Save"));
    LMDstampa = button("LMDstampa", "stampa", QString(), tr("Print"));
    LMDhelp = button("LMDhelp", "help", QString(), tr("Help"));
    LMDspeaker = button("LMDspeaker", "speaker", QString(), tr("Volume"));
    LMDsoluzione = button("LMDsoluzione", "soluzione", QString(), tr("Solution"));
    LMDripristina = button("LMDripristina", "ripristina", QString(), tr("Restore"));
    LMDhome->setAccessibleDescription(tr("Back to the sheets"));
    LMDcarica->setAccessibleDescription(tr("Opens work saved in a file"));
    LMDsalva->setAccessibleDescription(tr("Saves the work in a file"));
    LMDstampa->setAccessibleDescription(tr("Prints the results of the exercise"));
    LMDhelp->setAccessibleDescription(tr("Shows the help of the exercise"));
    LMDspeaker->setAccessibleDescription(tr("Opens the volume control"));
    LMDsoluzione->setAccessibleDescription(tr("Shows the solution (F4)"));
    LMDripristina->setAccessibleDescription(tr("Takes up the saved work of this exercise again"));

    TabEserc = new TabStrip(LMDbarra);
    TabEserc->setObjectName(QStringLiteral("TabEserc"));
    TabEserc->setFont(toolbarFont(true));
    TabEserc->setAccessibleName(tr("Exercises"));
    TabEserc->setAccessibleDescription(tr("Choose an exercise with the arrow keys"));
    {
        // The player numbers the tabs when it loads a sheet.
        const QSignalBlocker quiet(TabEserc);
        for (int i = 1; i <= designExerciseTabs; ++i)
            TabEserc->addTab(QString::number(i));
    }

    LMDFill15 = new FillPanel(TabEserc);
    LMDFill15->setObjectName(QStringLiteral("LMDFill15"));
    LMDFill15->setGeometry(captionStripPlace);
    LMDFill15->setWordWrap(true);
    setElementTag(LMDFill15, skinTag);
    // Its look belongs to the installation, not to a skin: the global settings
    // file holds it for every skin.
    setOwnLookPlace(LMDFill15, dataFolder::globalSettings, globalSettings::captionStripSection);
}

// The strip is hidden until a sheet opens, so its pictures are read then and
// not before the start panel's first paint.
void TForm0::loadToolbarPictures()
{
    if (m_toolbarPicturesLoaded)
        return;
    m_toolbarPicturesLoaded = true;
    Image2->load(m_context.folders.resolve(QStringLiteral("SOL_IMG\\Logo.bmp")));
    m_logoPlace = storedPosition(Image2);
    placeLogo();
    for (PictureButton *button : LMDbarra->findChildren<PictureButton *>()) {
        const QString icon = button->property(iconProperty).toString();
        button->setPicture(QPixmap(QStringLiteral(":/icons/%1.png").arg(icon)));
    }
}

void TForm0::placeLogo()
{
    const int right = qMax(0, LMDSimplePanel3->width() - Image2->width());
    const int bottom = qMax(0, LMDSimplePanel3->height() - Image2->height());
    // Where the teacher left it, but never off a narrower strip.
    const QPoint place = m_logoPlace.value_or(QPoint(right, 0));
    Image2->move(qBound(0, place.x(), right), qBound(0, place.y(), bottom));
    Image2->raise();
}

void TForm0::layoutToolbarInDesignOrder()
{
    int left = buttonTop;
    for (QWidget *item : std::as_const(toolbarSequence)) {
        if (item == TabEserc)
            break;
        const bool captioned = !static_cast<PictureButton *>(item)->caption().isEmpty();
        item->setGeometry(left, buttonTop, captioned ? captionedButtonWidth : iconButtonWidth,
            PictureButton::toolbarHeight);
        left += item->width();
    }
    TabEserc->setGeometry(left, 0, qMax(0, LMDbarra->width() - left), barHeight);
}

void TForm0::sendCommand(QWidget *page, PageCommand command)
{
    if (!page)
        return;
    setElementTag(page, command);
    page->close();
}

void TForm0::sendCommandToPageOnShow(PageCommand command)
{
    if (FD->currentIndex() >= PlayerPage)
        sendCommand(FD->currentPage(), command);
}

bool TForm0::playerReportsClosed() const
{
    const TFormP3 *player = m_context.forms.FormP3;
    return player && player->isClosed;
}

void TForm0::backToHomePage()
{
    LMDSimplePanel3->hide();
    relayout();
    FD->showPage(HomePage);
}

void TForm0::LMDhomeClick()
{
    const int shown = FD->currentIndex();
    if (shown < 0)
        return;
    if (shown != HomePage)
        sendCommand(FD->currentPage(), CommandHome);
    if (playerReportsClosed())
        backToHomePage();
}

void TForm0::LMDcaricaClick()
{
    sendCommandToPageOnShow(CommandLoadProgress);
}

void TForm0::LMDsalvaClick()
{
    sendCommandToPageOnShow(CommandSaveProgress);
}

void TForm0::LMDstampaClick()
{
    sendCommandToPageOnShow(CommandPrint);
}

void TForm0::LMDhelpClick()
{
    sendCommandToPageOnShow(CommandHelp);
}

void TForm0::LMDsoluzioneClick()
{
    sendCommandToPageOnShow(CommandSolution);
}

void TForm0::LMDripristinaClick()
{
    sendCommandToPageOnShow(CommandRestore);
}

void TForm0::LMDspeakerClick()
{
    if (!m_context.platform || m_context.platform->startVolumeControl())
        return;
    QStringList programs;
    for (const VolumeControl &control : knownVolumeControls())
        programs.append(control.program);
    m_context.env.dialogs->showMessage(
        tr("This computer has no volume control program. Any of these would do: %1.")
            .arg(programs.join(QStringLiteral(", "))));
}

void TForm0::LMDconfigureClick()
{
    openMediaSettings();
}

void TForm0::LMDcopyClick()
{
    const std::optional<ExerciseCatalogue> catalogue = currentCatalogue();
    const int current = TabEserc->currentIndex();
    if (!catalogue || current < 0)
        return;
    // The files first: a copy that cannot be written leaves no tab behind.
    const int copy = catalogue->copyExercise(current, TabEserc->count());
    TabEserc->addNumberedTab();
    TabEserc->selectTab(copy);
    TabEsercChange(copy);
}

void TForm0::LMDdeleteClick()
{
    const std::optional<ExerciseCatalogue> catalogue = currentCatalogue();
    const int current = TabEserc->currentIndex();
    if (!catalogue || current < 0)
        return;
    const std::optional<int> next
        = catalogue->deleteCurrent(current, TabEserc->count(), *m_context.env.dialogs);
    if (!next)
        return;
    {
        // The tabs change from the program's side, not by the user's choice.
        const QSignalBlocker quiet(TabEserc);
        TabEserc->removeTab(current);
    }
    TabEserc->selectTab(*next);
    TabEsercChange(*next);
}

// The exercises of the sheet open in the player, while the teacher edits.
std::optional<ExerciseCatalogue> TForm0::currentCatalogue() const
{
    const TForm1 *home = m_context.forms.Form1;
    if (!editMode() || !home)
        return std::nullopt;
    const QString sheetFile = currentSheetFile();
    const QString path = sheetFile.isEmpty() ? QString() : m_context.folders.resolve(sheetFile);
    if (path.isEmpty())
        return std::nullopt;
    return ExerciseCatalogue(m_context.folders.globalSettingsFile(), path, home->currentSheet());
}

void TForm0::openMediaSettings()
{
    TForm5 *dialog = m_context.forms.Form5;
    const QString sheetFile = currentSheetFile();
    if (!dialog || sheetFile.isEmpty())
        return;
    // The hints are those of the exercise on show; with no exercise on show
    // the dialog keeps the one it had last.
    TFormP3 *player = m_context.forms.FormP3;
    const bool playerShown = player && FD->currentPage() == player;
    const int exercise = playerShown ? qMax(0, TabEserc->currentIndex()) : -1;
    if (dialog->editMedia(sheetFile, exercise) && playerShown)
        player->reloadAnimations();
}

void TForm0::LMDclasseClick()
{
    if (!editMode())
        return;
    if (!m_classOverview) {
        m_classOverview = new ClassOverviewWindow(m_context, this);
        const QRect area = geometry();
        m_classOverview->resize(area.size() * 0.9);
        m_classOverview->move(area.center() - m_classOverview->rect().center());
    }
    m_classOverview->reload();
    m_classOverview->show();
    m_classOverview->raise();
    m_classOverview->activateWindow();
}

void TForm0::TabEsercChanging(int leavingIndex)
{
    if (TFormP3 *player = m_context.forms.FormP3)
        player->EsercizioAttuale = leavingIndex;
}

void TForm0::TabEsercChange(int)
{
    sendCommandToPageOnShow(CommandExerciseChanged);
}

} // namespace solvaro
