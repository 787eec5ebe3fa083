#include "ui/speakerbutton.h"

#include "ui/enterkey.h"

#include <QKeyEvent>
#include <QStyle>

namespace solvaro {

SpeakerButton::SpeakerButton(QWidget *parent)
    : QToolButton(parent)
{
    setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    setIconSize(QSize(size - 8, size - 8));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setCursor(Qt::PointingHandCursor);
    // Tab reaches it; a click leaves the focus where the pupil was typing.
    setFocusPolicy(Qt::TabFocus);
    resize(size, size);
}

void SpeakerButton::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(event->key())) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

} // namespace solvaro
