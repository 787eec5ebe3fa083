#include "ui/picturebutton.h"

#include "ui/enterkey.h"
#include "ui/linebreaktext.h"

#include <QKeyEvent>

namespace solvaro {

PictureButton::PictureButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(toLfLineBreaks(caption));
}

void PictureButton::setPicture(const QPixmap &picture)
{
    setIcon(QIcon(picture));
    if (!picture.isNull())
        setIconSize(picture.size());
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(event->key())) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

} // namespace solvaro
