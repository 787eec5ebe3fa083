// The teacher's editing of the problem screen: elements open their editor on a
// right click, and the problem text, the top animation and the exercise picture
// are dragged into place, each position stored at once in the design space.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "base/dialogs.h"
#include "media/imageloading.h"
#include "storage/datafolders.h"
#include "storage/designspace.h"
#include "storage/inifile.h"
#include "ui/animatedpicture.h"
#include "ui/filefilter.h"
#include "ui/fillpanel.h"
#include "ui/textlabel.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace solvaro {

namespace {

const QString PictureFilter = QStringLiteral("*.bmp|*.bmp;*.jpg|*.jpg");
// Of the extensions listed, a name typed without one gets the first.
const QString PictureDefaultExtension = QStringLiteral("*.bmp;*,jpg");

} // namespace

void TFormP3::setEditingCursors()
{
    const bool teacher = editMode();
    QList<QWidget *> elements { LMDmessg, sheetLabel, exerciseLabel, errorsLabel, LMDtestp,
        LMDtesto, LMDFill0, GifTop, LMDimage };
    for (const QPointer<FillPanel> &band : std::as_const(sectionBands)) {
        if (band)
            elements.append(band);
    }
    for (QWidget *element : std::as_const(elements)) {
        if (teacher)
            element->setCursor(Qt::PointingHandCursor);
        else
            element->unsetCursor();
    }
}

void TFormP3::ElementMouseUp(QWidget *element, Qt::MouseButton button)
{
    if (!editMode() || button != Qt::RightButton || !element || !editElement)
        return;
    editElement(element);
}

void TFormP3::GifTopMouseDown(QWidget *element, Qt::MouseButton button, const QPoint &screenPos)
{
    if (!editMode() || !element)
        return;
    if (button == Qt::RightButton || button == Qt::MiddleButton) {
        if (editElement)
            editElement(element);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    element->setCursor(Qt::ClosedHandCursor);
    m_textDragging = true;
    m_lastCursor = screenPos;
}

void TFormP3::GifTopMouseMove(QWidget *element, const QPoint &screenPos)
{
    if (!m_textDragging || !element)
        return;
    element->move(element->pos() + (screenPos - m_lastCursor));
    m_lastCursor = screenPos;
    LMDtesto->raise();
    LMDimage->raise();
    GifTop->raise();
}

void TFormP3::GifTopMouseUp(QWidget *element, Qt::MouseButton)
{
    if (!m_textDragging || !element)
        return;
    m_textDragging = false;
    element->setCursor(Qt::PointingHandCursor);
    storeDraggedPosition(element);
}

void TFormP3::storeDraggedPosition(QWidget *element)
{
    const DesignSpace design(m_context.env.screenSize);
    IniFile file(m_context.folders.resolve(exerciseFileName), m_context.env.decimalSeparator);
    if (element == GifTop) {
        file.writeInteger(
            QStringLiteral("GifTop"), QStringLiteral("top"), design.topToStored(element->y()));
        file.writeInteger(
            QStringLiteral("GifTop"), QStringLiteral("Left"), design.leftToStored(element->x()));
    } else {
        file.writeInteger(exerciseSection, element->objectName() + QStringLiteral(".Top"),
            design.topToStored(element->y()));
        file.writeInteger(exerciseSection, element->objectName() + QStringLiteral(".Left"),
            design.leftToStored(element->x()));
    }
    file.updateFile();
}

void TFormP3::ImageMouseDown(Qt::MouseButton button, const QPoint &screenPos)
{
    if (!editMode())
        return;
    if (button == Qt::LeftButton || button == Qt::MiddleButton) {
        m_pictureDragging = true;
        m_lastCursor = screenPos;
        PlaceNodes(LMDimage);
        return;
    }
    if (button != Qt::RightButton)
        return;

    // A new picture for the exercise, copied into the pictures folder unless
    // a file of that name is there already.
    Dialogs &dialogs = *m_context.env.dialogs;
    const QString chosen = withDefaultExtension(
        dialogs.openFileName(QStringLiteral("Picture"),
            m_context.folders.resolve(QString(dataFolder::images)), toQtFileFilter(PictureFilter)),
        PictureDefaultExtension.section(QLatin1Char(';'), 0, 0));
    if (chosen.isEmpty())
        return;
    const QString stored = m_context.folders.storedNameFor(dataFolder::images, chosen);
    if (stored.isEmpty()) {
        dialogs.showMessage(
            QStringLiteral("The file \"%1\" cannot be kept in the folder %2 under its name. "
                           "Please give it a plain name and choose it again.")
                .arg(QFileInfo(chosen).fileName(), dataFolder::images));
        return;
    }
    if (!m_context.folders.exists(stored)
        && m_context.folders.pickInto(dataFolder::images, chosen).isEmpty()) {
        dialogs.showMessage(QStringLiteral("Unable to copy %1 into the folder %2.")
                                .arg(QDir::toNativeSeparators(chosen), dataFolder::images));
        return;
    }
    const QString target = m_context.folders.resolve(stored);
    imagePath = target;
    const QString extension = QFileInfo(target).suffix().toLower();
    if (extension == QLatin1String("bmp")) {
        if (const auto bitmap = LoadBitmapFile(target); bitmap && bitmap->height() > 0) {
            const int width
                = int(std::trunc(double(LMDimage->height()) * bitmap->width() / bitmap->height()));
            LMDimage->resize(width, LMDimage->height());
            LMDimage->load(target);
        }
    } else if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg")) {
        if (const auto photo
            = LoadJpegIntoPicture(target, LMDimage->height(), *m_context.env.dialogs)) {
            LMDimage->resize(photo->pictureWidth, LMDimage->height());
            LMDimage->setImage(photo->bitmap);
        }
    }
    LMDimage->setStretch(true);
    PlaceNodes(LMDimage);
    IniFile file(m_context.folders.resolve(exerciseFileName), m_context.env.decimalSeparator);
    file.writeString(exerciseSection, QStringLiteral("LMDimage.imgName"), stored);
    file.updateFile();
    storePictureGeometry();
}

void TFormP3::ImageMouseMove(const QPoint &screenPos)
{
    if (!m_pictureDragging)
        return;
    LMDimage->setCursor(Qt::SizeAllCursor);
    LMDimage->move(LMDimage->pos() + (screenPos - m_lastCursor));
    m_lastCursor = screenPos;
    PlaceNodes(LMDimage);
}

void TFormP3::ImageMouseUp(Qt::MouseButton)
{
    if (!m_pictureDragging)
        return;
    m_pictureDragging = false;
    LMDimage->setCursor(Qt::PointingHandCursor);
    storePictureGeometry();
}

void TFormP3::storePictureGeometry()
{
    const DesignSpace design(m_context.env.screenSize);
    IniFile file(m_context.folders.resolve(exerciseFileName), m_context.env.decimalSeparator);
    const QString prefix = LMDimage->objectName();
    file.writeInteger(
        exerciseSection, prefix + QStringLiteral(".Top"), design.topToStored(LMDimage->y()));
    file.writeInteger(
        exerciseSection, prefix + QStringLiteral(".Left"), design.leftToStored(LMDimage->x()));
    file.writeInteger(exerciseSection, prefix + QStringLiteral(".Height"), LMDimage->height());
    file.writeInteger(exerciseSection, prefix + QStringLiteral(".Width"), LMDimage->width());
    file.updateFile();
}

} // namespace solvaro
