// The start panel: five pictures that grow under the mouse and act by their
// tag on release, and the closing button.
#include "app/appcontext.h"
#include "app/unit0.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "dialogs/unit3.h"
#include "home/unit1.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/enterkey.h"
#include "ui/fillpanel.h"
#include "ui/mouseevents.h"
#include "ui/pagehost.h"

#include <QDir>
#include <QMouseEvent>
#include <QPushButton>

namespace solvaro {

const QString TForm0::AccessCode = QStringLiteral("maestra");

namespace {

constexpr QSize startPanelSize(737, 537);
// How far a picture grows under the mouse and shrinks while pressed.
constexpr int hoverGrowth = 10;
constexpr int pressShrink = 5;

// What a start picture does, by its tag.
enum StartAction {
    PupilMode = 1,
    TeacherMode = 2,
    HelpDocument = 3,
    ClosingScreen = 4,
    UnderConstruction = 5,
    AboutBox = 6,
};

struct StartPicture {
    const char *name;
    const char *file;
    int tag;
    QRect place;
    // What a screen reader says of it.
    const char *spokenName;
    const char *description;
};

// The pupil's and the teacher's pictures stand out under the title; the other
// three sit in a row inside the rainbow of the background.
const StartPicture startPictures[] = {
    { "Image3", "SOL_IMG\\Alunno.bmp", PupilMode, QRect(196, 160, 150, 150),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "Pupil"),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "Start practising") },
    { "Image1", "SOL_IMG\\Maestra.bmp", TeacherMode, QRect(391, 160, 150, 150),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "Teacher"),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "The teacher's editing mode, with the access code") },
    { "Image7", "SOL_IMG\\Guida.bmp", HelpDocument, QRect(190, 350, 100, 100),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "Guide"),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "Opens the guide") },
    { "Image5", "SOL_IMG\\Lavori in corso.bmp", UnderConstruction, QRect(319, 350, 100, 100),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "Work in progress"), "" },
    { "Image6", "SOL_IMG\\Informazioni.bmp", AboutBox, QRect(448, 350, 100, 100),
        QT_TRANSLATE_NOOP("solvaro::TForm0", "About Solvaro"), "" },
};
const QRect closingButtonPlace(621, 491, 100, 34);

const QString helpDocument = QStringLiteral("SOL_INI\\Help.pdf");

} // namespace

void TForm0::buildStartPanel()
{
    LMDPanelFill1 = new FillPanel(FD);
    LMDPanelFill1->setObjectName(QStringLiteral("LMDPanelFill1"));
    LMDPanelFill1->resize(startPanelSize);
    LMDPanelFill1->setFillStyle(FillStyle::Bitmap);
    LMDPanelFill1->setTileMode(TileMode::Stretch);
    LMDPanelFill1->setBrushColor(Qt::white);
    LMDPanelFill1->setPicture(
        QPixmap(m_context.folders.resolve(QStringLiteral("SOL_IMG\\Sfondo Avvio.bmp"))));

    for (const StartPicture &entry : startPictures) {
        auto *picture = new AnimatedPicture(LMDPanelFill1);
        picture->setObjectName(QString::fromLatin1(entry.name));
        picture->setStretch(true);
        picture->setGeometry(entry.place);
        picture->load(m_context.folders.resolve(QString::fromLatin1(entry.file)));
        setElementTag(picture, entry.tag);
        picture->setFocusPolicy(Qt::TabFocus);
        picture->setAccessibleName(tr(entry.spokenName));
        if (*entry.description)
            picture->setAccessibleDescription(tr(entry.description));
    }
    Image3 = LMDPanelFill1->findChild<AnimatedPicture *>(QStringLiteral("Image3"));
    Image1 = LMDPanelFill1->findChild<AnimatedPicture *>(QStringLiteral("Image1"));
    Image7 = LMDPanelFill1->findChild<AnimatedPicture *>(QStringLiteral("Image7"));
    Image5 = LMDPanelFill1->findChild<AnimatedPicture *>(QStringLiteral("Image5"));
    Image6 = LMDPanelFill1->findChild<AnimatedPicture *>(QStringLiteral("Image6"));

    LMDMMButton1 = new QPushButton(QStringLiteral("Esci"), LMDPanelFill1);
    LMDMMButton1->setObjectName(QStringLiteral("LMDMMButton1"));
    LMDMMButton1->setGeometry(closingButtonPlace);
    LMDMMButton1->setCursor(Qt::PointingHandCursor);
    LMDMMButton1->setAccessibleDescription(tr("Ends the program"));
    LMDMMButton1->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: #e53935; border: 2px solid #b71c1c;"
                       " border-radius: 8px; font-family: 'Comic Sans MS'; font-size: 12pt;"
                       " font-weight: bold; }"
                       "QPushButton:hover { background: #f4511e; }"
                       "QPushButton:pressed { background: #c62828; }"));
}

void TForm0::ImageMouseMove(QWidget *picture)
{
    if (m_raisedPicture || !picture)
        return;
    m_raisedPicture = picture;
    picture->setGeometry(picture->geometry().adjusted(-hoverGrowth, -hoverGrowth, 0, 0));
    picture->setCursor(Qt::PointingHandCursor);
}

void TForm0::ImageMouseLeave()
{
    QWidget *picture = m_raisedPicture;
    if (!picture)
        return;
    m_raisedPicture = nullptr;
    picture->setGeometry(picture->geometry().adjusted(hoverGrowth, hoverGrowth, 0, 0));
    picture->unsetCursor();
}

void TForm0::ImageMouseDown(QWidget *picture, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !picture)
        return;
    picture->setGeometry(picture->geometry().adjusted(pressShrink, pressShrink, 0, 0));
    picture->repaint();
}

void TForm0::ImageMouseUp(QWidget *picture, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !picture)
        return;
    picture->setGeometry(picture->geometry().adjusted(-pressShrink, -pressShrink, 0, 0));
    picture->repaint();
    if (!pagesReady())
        return;
    switch (elementTag(picture)) {
    case PupilMode:
        m_context.forms.Form1->EditMode = false;
        FD->showPage(HomePage);
        break;
    case TeacherMode:
        enterTeacherMode();
        break;
    case HelpDocument:
        openHelpDocument();
        break;
    case ClosingScreen:
        showClosingScreen();
        break;
    case UnderConstruction:
        m_context.env.dialogs->showMessage(tr("UNDER COSTRUCTION"));
        break;
    case AboutBox:
        showAboutBox();
        break;
    default:
        break;
    }
}

bool TForm0::startPictureKey(QWidget *picture, QKeyEvent *event)
{
    const int key = event->key();
    if (!isEnterKey(key) && key != Qt::Key_Space)
        return false;
    ImageMouseDown(picture, Qt::LeftButton);
    ImageMouseUp(picture, Qt::LeftButton);
    return true;
}

void TForm0::LMDMMButton1Click()
{
    if (pagesReady())
        showClosingScreen();
}

void TForm0::enterTeacherMode()
{
    // Once the right code was typed it is not asked for again in this run.
    if (m_accessText != AccessCode) {
        const std::optional<QString> typed = m_context.env.dialogs->inputText(
            QStringLiteral(" Solvaro "), tr("Password:"), QString(), true);
        m_accessText = typed.value_or(QString());
    }
    if (m_accessText == AccessCode) {
        m_context.forms.Form1->EditMode = true;
        FD->showPage(HomePage);
    } else {
        m_context.env.dialogs->showMessage(tr("Not Autorized"));
    }
}

void TForm0::openHelpDocument()
{
    if (!m_context.platform || !m_context.folders.exists(helpDocument))
        return;
    const QString path = m_context.folders.resolve(helpDocument);
    if (!m_context.platform->openDocument(path)) {
        m_context.env.dialogs->showMessage(
            tr("This computer has no program that shows PDF documents, so the help "
               "cannot be opened. The help is the document %1.")
                .arg(QDir::toNativeSeparators(path)));
    }
}

void TForm0::showClosingScreen()
{
    m_context.forms.Form3->setTarget(solvedExercises);
    FD->showPage(ClosingPage);
}

} // namespace solvaro
