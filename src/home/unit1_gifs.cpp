// The moving pictures of the home page: creating them, their motion, and the
// teacher's editing of their place, size, path and speed.

#include "home/unit1.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "base/dialogs.h"
#include "home/screencursor.h"
#include "home/skinfile.h"
#include "home/tgif.h"
#include "storage/datafolders.h"
#include "storage/designspace.h"
#include "storage/inifile.h"
#include "ui/elementtag.h"
#include "ui/filefilter.h"
#include "ui/fillpanel.h"
#include "ui/handlegeometry.h"
#include "ui/mouseevents.h"
#include "ui/pagehost.h"

#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>

#include <limits>

namespace solvaro {

namespace {

const QString GifFilter = QStringLiteral("*.gif|*.gif");
constexpr int NewPicturePlace = 10;
// A picture never gets narrower or lower than two handles side by side, so
// that a handle pulled past the opposite edge cannot turn it inside out.
constexpr int SmallestPicture = 2 * resizeHandleSize;
// "Reset gif position" lines the pictures up from here, this far apart.
constexpr int RowStartX = 20;
constexpr int RowStartY = 10;
constexpr int RowGap = 10;
// The speeds "Set Speed" offers, in pixels a tick.
constexpr int SlowestSpeed = 1;
constexpr int FastestSpeed = 100;

int speedOf(int stored)
{
    return stored == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max()
                                                     : qAbs(stored);
}

} // namespace

int TForm1::AddGIF(const QString &path)
{
    auto *gif = new Tgif(LMDsfondoUnit1);
    if (!gif->load(path)) {
        delete gif;
        return -1;
    }
    return addGifSlot(gif);
}

int TForm1::addMissingGif(const QString &storedFile)
{
    auto *gif = new Tgif(LMDsfondoUnit1);
    gif->missingFile = storedFile;
    return addGifSlot(gif);
}

int TForm1::addGifSlot(Tgif *gif)
{
    const int index = int(Gifs.size());
    Gifs.append(gif);
    gif->setObjectName(skinKeys::pictureSectionName(index));
    gif->setCenter(true);
    gif->setStretch(true);
    gif->setAutoSize(false);
    gif->setGeometry(
        NewPicturePlace, NewPicturePlace, gif->pictureSize().width(), gif->pictureSize().height());
    setElementTag(gif, index);
    gif->setAttribute(Qt::WA_NoMousePropagation);
    gif->setAnimating(false);
    gif->raise();
    applyGifMode(gif);

    MouseEvents *events = MouseEvents::of(gif);
    m_context.handlers().connect(
        events, &MouseEvents::pressed, this, [this, gif](QMouseEvent *event) {
            GifMouseDown(gif, event->button(), event->globalPosition().toPoint());
        });
    m_context.handlers().connect(events, &MouseEvents::moved, this,
        [this, gif](QMouseEvent *event) { GifMouseMove(gif, event->globalPosition().toPoint()); });
    m_context.handlers().connect(events, &MouseEvents::released, this,
        [this, gif](QMouseEvent *event) { GifMouseUp(gif, event->button()); });
    return index;
}

QString TForm1::freePictureSection(const IniFile &skin, int index) const
{
    // A picture keeps the section it was read from, so the section of a new
    // one may already be taken by a picture that moved up at the last load;
    // and a section in the file whose picture is missing still holds that
    // picture's size and path, which a new picture must not inherit.
    const auto taken = [this, &skin](const QString &section) {
        if (skin.sectionExists(section))
            return true;
        for (const QPointer<Tgif> &gif : Gifs) {
            if (gif && gif->section.compare(section, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    };
    for (int number = 0; number < skinKeys::maxPictures; ++number) {
        const int candidate = (index + number) % skinKeys::maxPictures;
        const QString section = skinKeys::pictureSectionName(candidate);
        if (!taken(section))
            return section;
    }
    return QString();
}

void TForm1::applyGifMode(Tgif *gif)
{
    // A picture whose file does not read shows to the teacher alone, who can
    // then change or delete it.
    gif->setVisible(EditMode || gif->missingFile.isEmpty());
    gif->setTransparent(!EditMode);
    gif->setContextMenu(EditMode ? PPgif : nullptr);
    if (!EditMode)
        gif->setShowHint(false);
}

void TForm1::RESET_GIF()
{
    for (const QPointer<Tgif> &gif : std::as_const(Gifs)) {
        if (!gif)
            continue;
        if (gif->path.moves())
            gif->move(gif->path.start());
        applyGifMode(gif);
        gif->setAnimating(!EditMode);
    }
}

void TForm1::Timer1Timer()
{
    const TForm0 *main = m_context.forms.Form0;
    if (!main || !main->FD || main->FD->currentPage() != this)
        return;
    for (const QPointer<Tgif> &gif : std::as_const(Gifs)) {
        if (!gif || !gif->path.moves())
            continue;
        gif->move(stepAlongPath(gif->path, gif->pos()).position);
    }
}

Tgif *TForm1::selectedGif() const
{
    if (SelectedGif < 0 || SelectedGif >= Gifs.size())
        return nullptr;
    return Gifs.at(SelectedGif);
}

bool TForm1::skinHasSection(const QString &section) const
{
    const IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    return skin.sectionExists(section);
}

void TForm1::GifMouseDown(Tgif *gif, Qt::MouseButton button, const QPoint &screenPos)
{
    if (!EditMode)
        return;
    SelectedGif = elementTag(gif);
    if (button == Qt::RightButton)
        return;
    GifDragging = true;
    LastCursor = screenPos;
    PlaceNodes(gif);
}

void TForm1::GifMouseMove(Tgif *gif, const QPoint &screenPos)
{
    if (!EditMode) {
        gif->setShowHint(false);
        return;
    }
    if (GifDragging) {
        setScreenCursor(Qt::SizeAllCursor);
        gif->move(gif->pos() + (screenPos - LastCursor));
        LastCursor = screenPos;
        PlaceNodes(gif);
    }
    SelectedGif = elementTag(gif);
    const GifPath &path = gif->path;
    gif->setHint(QStringLiteral("%1\rStart X%2 , Y%3\rEnd   X%4 , Y%5\rSpeed %6")
                     .arg(SelectedGif)
                     .arg(path.X1)
                     .arg(path.Y1)
                     .arg(path.X2)
                     .arg(path.Y2)
                     .arg(path.DX));
    gif->setShowHint(true);
}

void TForm1::GifMouseUp(Tgif *gif, Qt::MouseButton)
{
    if (!GifDragging)
        return;
    restoreScreenCursor();
    GifDragging = false;
    SaveGifBounds(gif);
}

void TForm1::SaveGifBounds(QWidget *control)
{
    auto *gif = qobject_cast<Tgif *>(control);
    if (!gif || gif->section.isEmpty())
        return;
    const DesignSpace design(m_context.env.screenSize);
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    skin.writeInteger(gif->section, skinKeys::topKey, design.topToStored(gif->y()));
    skin.writeInteger(gif->section, skinKeys::leftWrittenKey, design.leftToStored(gif->x()));
    skin.writeInteger(gif->section, skinKeys::heightKey, design.widthToStored(gif->height()));
    skin.writeInteger(gif->section, skinKeys::widthKey, design.widthToStored(gif->width()));
    skin.updateFile();
}

void TForm1::PlaceNodes(QWidget *control)
{
    if (!control || !control->parentWidget() || Nodes.size() != resizeHandleCount)
        return;
    for (int node = 0; node < resizeHandleCount; ++node) {
        const QPoint place = resizeHandlePlace(node, control->geometry());
        Nodes.at(node)->move(control->parentWidget()->mapTo(this, place));
    }
    ResizeTarget = control;
    ShowNodes(true);
}

void TForm1::ShowNodes(bool visible)
{
    for (QWidget *node : std::as_const(Nodes)) {
        node->setVisible(visible);
        if (visible)
            node->raise();
    }
}

void TForm1::NodeMouseDown(int, const QPoint &screenPos)
{
    NodeDragging = true;
    LastCursor = screenPos;
}

void TForm1::NodeMouseMove(int node, const QPoint &screenPos)
{
    if (!NodeDragging || !ResizeTarget || !ResizeTarget->parentWidget())
        return;
    const QPoint inParent = ResizeTarget->parentWidget()->mapFromGlobal(screenPos);
    const int dx = screenPos.x() - LastCursor.x();
    // A corner follows the horizontal movement alone and keeps the proportions.
    ResizeTarget->setGeometry(
        resizedBounds(node, ResizeTarget->geometry(), dx, inParent, SmallestPicture));
    LastCursor = screenPos;
    PlaceNodes(ResizeTarget);
}

void TForm1::NodeMouseUp(int)
{
    if (!NodeDragging)
        return;
    restoreScreenCursor();
    NodeDragging = false;
    SaveGifBounds(ResizeTarget);
}

void TForm1::writePathEnds(Tgif *gif)
{
    const DesignSpace design(m_context.env.screenSize);
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    const QString &section = gif->section;
    if (skin.sectionExists(section)) {
        GifPath &path = gif->path;
        skin.writeInteger(section, skinKeys::y1Key, design.topToStored(path.Y1));
        skin.writeInteger(section, skinKeys::x1Key, design.leftToStored(path.X1));
        skin.writeInteger(section, skinKeys::y2Key, design.topToStored(path.Y2));
        skin.writeInteger(section, skinKeys::x2Key, design.leftToStored(path.X2));
        const int speed
            = speedOf(skin.readInteger(section, skinKeys::dxKey, skinKeys::defaultStep));
        path.DX = directedStep(path, speed);
        skin.writeInteger(section, skinKeys::dxKey, path.DX);
    }
    if (skin.isModified())
        skin.updateFile();
}

void TForm1::MoveFromStartClick()
{
    Tgif *gif = selectedGif();
    if (!gif || !skinHasSection(gif->section))
        return;
    gif->path.X1 = gif->x();
    gif->path.Y1 = gif->y();
    writePathEnds(gif);
}

void TForm1::MoveToEndClick()
{
    Tgif *gif = selectedGif();
    if (!gif || !skinHasSection(gif->section))
        return;
    gif->path.X2 = gif->x();
    gif->path.Y2 = gif->y();
    writePathEnds(gif);
}

void TForm1::DisableMoveClick()
{
    Tgif *gif = selectedGif();
    if (!gif)
        return;
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    if (!skin.sectionExists(gif->section))
        return;
    gif->path = GifPath { -1, -1, -1, -1, 0 };
    for (const QLatin1StringView key :
        { skinKeys::y1Key, skinKeys::x1Key, skinKeys::y2Key, skinKeys::x2Key, skinKeys::dxKey }) {
        skin.writeInteger(gif->section, key, -1);
    }
    skin.updateFile();
}

void TForm1::SetSpeedClick()
{
    Tgif *gif = selectedGif();
    if (!gif)
        return;
    const QString defaultAnswer = QStringLiteral("1");
    const QString answer = m_context.env.dialogs
                               ->inputText(QStringLiteral("GIF SPEED"),
                                   QStringLiteral("Speed 1 .. 100"), defaultAnswer)
                               .value_or(defaultAnswer);
    bool isNumber = false;
    const int answered = answer.trimmed().toInt(&isNumber);
    if (!isNumber)
        return;
    // As the prompt says: a step outside 1..100 would send the picture off
    // the page for good, or overflow when it is turned to head for the end.
    const int speed = qBound(SlowestSpeed, answered, FastestSpeed);
    gif->path.DX = directedStep(gif->path, speed);
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    if (skin.sectionExists(gif->section)) {
        skin.writeInteger(gif->section, skinKeys::dxKey, gif->path.DX);
        skin.updateFile();
    }
}

QString TForm1::chooseGifFile(const QString &caption)
{
    return m_context.env.dialogs->openFileName(
        caption, m_context.folders.resolve(QStringLiteral("SOL_IMG")), toQtFileFilter(GifFilter));
}

void TForm1::AddAnimateGifClick()
{
    const QString chosen = chooseGifFile(QStringLiteral("Add Animate GIF"));
    if (chosen.isEmpty())
        return;
    const int index = AddGIF(chosen);
    if (index < 0) {
        m_context.env.dialogs->showError(QStringLiteral("Cannot read the picture %1").arg(chosen));
        return;
    }
    SelectedGif = index;
    Tgif *gif = Gifs.at(index);
    const QString stored = m_context.folders.pickInto(dataFolder::images, chosen);
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    gif->section = freePictureSection(skin, index);
    if (gif->section.isEmpty())
        return;
    skin.writeString(gif->section, skinKeys::pictureFileKey,
        stored.isEmpty() ? dataFolder::images + QFileInfo(chosen).fileName() : stored);
    skin.writeInteger(gif->section, skinKeys::leftKey, gif->x());
    skin.writeInteger(gif->section, skinKeys::topKey, gif->y());
    skin.updateFile();
}

void TForm1::ChangeGifClick()
{
    Tgif *gif = selectedGif();
    if (!gif)
        return;
    const QString chosen = chooseGifFile(QStringLiteral("Change Gif"));
    if (chosen.isEmpty())
        return;
    const QString stored = dataFolder::images + QFileInfo(chosen).fileName();
    m_context.folders.pickInto(dataFolder::images, chosen);
    if (!gif->load(m_context.folders.resolve(stored))) {
        m_context.env.dialogs->showError(QStringLiteral("Cannot read the picture %1").arg(chosen));
        return;
    }
    gif->missingFile.clear();
    if (gif->section.isEmpty())
        return;
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    skin.writeString(gif->section, skinKeys::pictureFileKey, stored);
    skin.updateFile();
}

void TForm1::DeleteGifClick()
{
    Tgif *gif = selectedGif();
    if (!gif)
        return;
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    if (skin.sectionExists(gif->section)) {
        skin.eraseSection(gif->section);
        skin.updateFile();
    }
    if (ResizeTarget == gif)
        ShowNodes(false);
    Gifs[SelectedGif] = nullptr;
    gif->hide();
    gif->deleteLater();
}

void TForm1::ResetGifPositionClick()
{
    const DesignSpace design(m_context.env.screenSize);
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    const int rowWidth = LMDsfondoUnit1->width();
    int x = RowStartX;
    int y = RowStartY;
    int rowHeight = 0;
    for (const QPointer<Tgif> &gif : std::as_const(Gifs)) {
        if (!gif)
            continue;
        // A picture that would stick out starts the next row, at the left.
        if (x > RowStartX && x + gif->width() > rowWidth) {
            x = RowStartX;
            y += rowHeight + RowGap;
            rowHeight = 0;
        }
        gif->move(x, y);
        x += gif->width() + RowGap;
        rowHeight = qMax(rowHeight, gif->height());
        if (skin.sectionExists(gif->section)) {
            skin.writeInteger(gif->section, skinKeys::topKey, design.topToStored(gif->y()));
            skin.writeInteger(
                gif->section, skinKeys::leftWrittenKey, design.leftToStored(gif->x()));
        }
    }
    if (skin.isModified())
        skin.updateFile();
}

} // namespace solvaro
