// The teacher's editing of the page itself: dragging the two text boxes, the
// box menu, and the background menu with its image and music commands.

#include "home/unit1.h"

#include "app/appcontext.h"
#include "base/dialogs.h"
#include "home/screencursor.h"
#include "home/skinfile.h"
#include "storage/datafolders.h"
#include "storage/designspace.h"
#include "storage/inifile.h"
#include "ui/filefilter.h"
#include "ui/fillpanel.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace solvaro {

void TForm1::TextBoxMouseDown(QWidget *box, Qt::MouseButton button, const QPoint &screenPos)
{
    if (!EditMode)
        return;
    PressedBox = box;
    if (button != Qt::LeftButton)
        return;
    setScreenCursor(Qt::PointingHandCursor);
    BoxDragging = true;
    LastCursor = screenPos;
}

void TForm1::TextBoxMouseMove(QWidget *box, const QPoint &screenPos)
{
    if (!BoxDragging)
        return;
    box->move(box->pos() + (screenPos - LastCursor));
    LastCursor = screenPos;
}

void TForm1::TextBoxMouseUp(QWidget *box, Qt::MouseButton button, const QPoint &screenPos)
{
    if (BoxDragging) {
        box->releaseMouse();
        BoxDragging = false;
        restoreScreenCursor();
        const DesignSpace design(m_context.env.screenSize);
        const QString name = box->objectName();
        IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
        skin.writeInteger(name, name + QStringLiteral(".Top"), design.topToStored(box->y()));
        skin.writeInteger(name, name + QStringLiteral(".Left"), design.leftToStored(box->x()));
        skin.updateFile();
    }
    if (EditMode && button == Qt::RightButton)
        PopupMenu1->popup(screenPos);
}

void TForm1::SendBackClick()
{
    if (auto *box = qobject_cast<FillPanel *>(PressedBox))
        box->lower();
}

void TForm1::BringFrontClick()
{
    if (auto *box = qobject_cast<FillPanel *>(PressedBox))
        box->raise();
}

void TForm1::EditClick()
{
    xMouseUp(this, PressedBox);
}

void TForm1::BackgroundMouseUp(Qt::MouseButton button, const QPoint &screenPos)
{
    if (EditMode && button == Qt::RightButton)
        PopupMenu2->popup(screenPos);
}

void TForm1::BackgroundImageClick()
{
    xMouseUp(this, LMDsfondoUnit1);
}

void TForm1::BackgroundSoundClick()
{
    const QString chosen = m_context.env.dialogs->openFileName(QStringLiteral("Background Sound"),
        m_context.folders.resolve(QStringLiteral("SOL_WAV")),
        toQtFileFilter(QStringLiteral("*.wav|*.WAV")));
    if (chosen.isEmpty())
        return;
    const QString stored = dataFolder::sounds + QFileInfo(chosen).fileName();
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    skin.writeString(skinKeys::musicSection, skinKeys::homeMusicKey, stored);
    skin.writeString(skinKeys::musicSection, skinKeys::musicSwitchKey, skinKeys::musicOn);
    skin.updateFile();
    // A sound already in the sound folder under that name is the one used.
    if (!m_context.folders.exists(stored))
        QFile::copy(chosen, m_context.folders.resolve(stored));
}

void TForm1::BackgroundSoundOnClick()
{
    writeMusicSwitch(skinKeys::musicOn);
}

void TForm1::BackgroundSoundOffClick()
{
    writeMusicSwitch(skinKeys::musicOff);
}

void TForm1::writeMusicSwitch(const QString &value)
{
    IniFile skin(m_context.folders.resolve(SkinFile), m_context.env.decimalSeparator);
    skin.writeString(skinKeys::musicSection, skinKeys::musicSwitchKey, value);
    skin.updateFile();
}

} // namespace solvaro
