// Pictures, labels and strips of the main window and of the pages: event
// animations, dragging in the teacher's editing mode, and the strips that open
// the "Edit Box".
#include "app/appcontext.h"
#include "app/unit0.h"
#include "home/unit1.h"
#include "storage/datafolders.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "ui/animatedpicture.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/mouseevents.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace solvaro {

namespace {

QPoint screenPosition(const QMouseEvent *event)
{
    return event->globalPosition().toPoint();
}

bool isPicture(const QWidget *element)
{
    return qobject_cast<const AnimatedPicture *>(element) != nullptr;
}

bool isLabel(const QWidget *element)
{
    return qobject_cast<const QLabel *>(element) != nullptr;
}

bool isTextStrip(const QWidget *element)
{
    return qobject_cast<const FillPanel *>(element) != nullptr
        && lookKind(element) == LookKind::TextStrip;
}

// The elements whose look the "Edit Box" edits; a right click on them opens
// it on the press, so the release opens nothing else.
bool opensEditBox(const QWidget *element)
{
    return isLabel(element) || qobject_cast<const FillPanel *>(element) != nullptr;
}

} // namespace

void TForm0::connectHandlers()
{
    const auto startPictures = { Image3, Image1, Image7, Image5, Image6 };
    for (AnimatedPicture *picture : startPictures) {
        MouseEvents *mouse = MouseEvents::of(picture);
        m_context.handlers().connect(
            mouse, &MouseEvents::moved, this, [this, picture] { ImageMouseMove(picture); });
        m_context.handlers().connect(mouse, &MouseEvents::left, this, &TForm0::ImageMouseLeave);
        m_context.handlers().connect(mouse, &MouseEvents::pressed, this,
            [this, picture](QMouseEvent *event) { ImageMouseDown(picture, event->button()); });
        m_context.handlers().connect(mouse, &MouseEvents::released, this,
            [this, picture](QMouseEvent *event) { ImageMouseUp(picture, event->button()); });
        // Enter or Space on a picture reached by Tab is its click.
        picture->installEventFilter(this);
    }
    m_context.handlers().connect(
        MouseEvents::of(LMDPanelFill1), &MouseEvents::left, this, &TForm0::ImageMouseLeave);
    m_context.handlers().connect(
        LMDMMButton1, &QPushButton::clicked, this, &TForm0::LMDMMButton1Click);

    m_context.handlers().connect(LMDhome, &QToolButton::clicked, this, &TForm0::LMDhomeClick);
    m_context.handlers().connect(LMDcarica, &QToolButton::clicked, this, &TForm0::LMDcaricaClick);
    m_context.handlers().connect(LMDsalva, &QToolButton::clicked, this, &TForm0::LMDsalvaClick);
    m_context.handlers().connect(LMDstampa, &QToolButton::clicked, this, &TForm0::LMDstampaClick);
    m_context.handlers().connect(LMDhelp, &QToolButton::clicked, this, &TForm0::LMDhelpClick);
    m_context.handlers().connect(
        LMDsoluzione, &QToolButton::clicked, this, &TForm0::LMDsoluzioneClick);
    m_context.handlers().connect(
        LMDripristina, &QToolButton::clicked, this, &TForm0::LMDripristinaClick);
    m_context.handlers().connect(LMDspeaker, &QToolButton::clicked, this, &TForm0::LMDspeakerClick);
    m_context.handlers().connect(
        LMDconfigure, &QToolButton::clicked, this, &TForm0::LMDconfigureClick);
    m_context.handlers().connect(LMDcopy, &QToolButton::clicked, this, &TForm0::LMDcopyClick);
    m_context.handlers().connect(LMDdelete, &QToolButton::clicked, this, &TForm0::LMDdeleteClick);
    m_context.handlers().connect(LMDclasse, &QToolButton::clicked, this, &TForm0::LMDclasseClick);
    m_context.handlers().connect(TabEserc, &TabStrip::tabLeaving, this, &TForm0::TabEsercChanging);
    m_context.handlers().connect(TabEserc, &TabStrip::tabChanged, this, &TForm0::TabEsercChange);
    m_context.handlers().connect(FD, &PageHost::pageChanged, this, &TForm0::FDChange);

    // The logo is the main window's one picture the teacher may drag; a right
    // click on it opens the media settings.
    attachDragHandlers(Image2);

    m_context.handlers().connect(
        MouseEvents::of(LMD_LABEL), &MouseEvents::released, this, &TForm0::LMD_TESTOMouseUp);
    MouseEvents *captionStrip = MouseEvents::of(LMDFill15);
    m_context.handlers().connect(
        captionStrip, &MouseEvents::released, this, &TForm0::LMDFill15MouseUp);
    m_context.handlers().connect(
        captionStrip, &MouseEvents::moved, this, &TForm0::LMDFill15MouseMove);
}

void TForm0::LOAD_GIF(const QString &file, AnimatedPicture *animator, const QString &key)
{
    if (!animator)
        return;
    const IniFile exerciseFile(m_context.folders.resolve(file));
    const QString stored = exerciseFile.readString(globalSettings::commonArea, key, QString());
    if (stored.isEmpty() || !m_context.folders.exists(stored))
        return;
    animator->load(m_context.folders.resolve(stored));
}

void TForm0::attachDragHandlers(QWidget *element)
{
    MouseEvents *mouse = MouseEvents::of(element);
    if (!mouse)
        return;
    m_context.handlers().connect(
        mouse, &MouseEvents::pressed, this, [this, element](QMouseEvent *event) {
            GIFtopMouseDown(element, event->button(), screenPosition(event));
        });
    m_context.handlers().connect(mouse, &MouseEvents::moved, this,
        [this, element](QMouseEvent *event) { GIFtopMouseMove(element, screenPosition(event)); });
    m_context.handlers().connect(mouse, &MouseEvents::released, this,
        [this, element](QMouseEvent *event) { GIFtopMouseUp(element, event->button()); });
}

void TForm0::GIFtopMouseDown(QWidget *element, Qt::MouseButton button, const QPoint &screenPos)
{
    if (!editMode() || !element)
        return;
    if (button == Qt::RightButton || button == Qt::MiddleButton) {
        m_context.forms.Form1->xMouseUp(this, element);
    } else if (button == Qt::LeftButton) {
        element->setCursor(Qt::PointingHandCursor);
        m_dragging = true;
        m_lastCursor = screenPos;
    }
}

void TForm0::GIFtopMouseMove(QWidget *element, const QPoint &screenPos)
{
    if (!editMode() || !m_dragging || !element)
        return;
    if (!isPicture(element) && !isLabel(element) && !isTextStrip(element))
        return;
    element->move(element->pos() + (screenPos - m_lastCursor));
    m_lastCursor = screenPos;
}

void TForm0::GIFtopMouseUp(QWidget *element, Qt::MouseButton button)
{
    if (!editMode() || !element)
        return;
    if (button == Qt::RightButton) {
        if (!opensEditBox(element))
            openMediaSettings();
        return;
    }
    if (button != Qt::LeftButton || !m_dragging)
        return;
    element->releaseMouse();
    m_dragging = false;
    element->unsetCursor();
    storePosition(element);
    if (element == Image2)
        m_logoPlace = Image2->pos();
}

QString TForm0::currentSheetFile() const
{
    const TForm1 *home = m_context.forms.Form1;
    if (!home)
        return QString();
    const int sheet = home->currentSheet();
    if (sheet < 0 || sheet >= home->SheetFiles.size())
        return QString();
    return home->SheetFiles.at(sheet);
}

// Positions are stored as pixels, without the design space, where the
// elements' own loaders read them back.
void TForm0::storePosition(QWidget *element)
{
    const QString name = element->objectName();
    QString file = dataFolder::globalSettings;
    QString topKey;
    QString leftKey;
    if (isPicture(element) || isLabel(element)) {
        if (isPicture(element)
            && (name == QLatin1StringView("GIFtop") || name == QLatin1StringView("GIFbottom")))
            file = currentSheetFile();
        topKey = globalSettings::positionTopKey;
        leftKey = globalSettings::positionLeftKey;
    } else if (isTextStrip(element)) {
        if (name == QLatin1StringView("LMDtesto") || name == QLatin1StringView("LMDimage"))
            file = currentSheetFile();
        topKey = globalSettings::stripTopKey(name);
        leftKey = globalSettings::stripLeftKey(name);
    } else {
        return;
    }
    const QString path = file.isEmpty() ? QString() : m_context.folders.resolve(file);
    if (path.isEmpty())
        return;
    IniFile settings(path, m_context.env.decimalSeparator);
    settings.writeInteger(name, topKey, element->y());
    settings.writeInteger(name, leftKey, element->x());
    settings.updateFile();
}

std::optional<QPoint> TForm0::storedPosition(const QWidget *element) const
{
    const IniFile settings(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    const QString name = element->objectName();
    if (!settings.keyExists(name, globalSettings::positionLeftKey)
        || !settings.keyExists(name, globalSettings::positionTopKey))
        return std::nullopt;
    return QPoint(settings.readInteger(name, globalSettings::positionLeftKey, 0),
        settings.readInteger(name, globalSettings::positionTopKey, 0));
}

void TForm0::LMD_TESTOMouseUp()
{
    if (editMode())
        m_context.forms.Form1->xMouseUp(this, LMD_LABEL);
}

void TForm0::LMDFill15MouseUp()
{
    if (editMode())
        m_context.forms.Form1->xMouseUp(m_context.forms.Form1, LMDFill15);
}

void TForm0::LMDFill15MouseMove()
{
    if (editMode())
        LMDFill15->setCursor(Qt::PointingHandCursor);
    else
        LMDFill15->unsetCursor();
}

} // namespace solvaro
