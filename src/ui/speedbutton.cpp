#include "ui/speedbutton.h"

#include "ui/enterkey.h"
#include "ui/linebreaktext.h"

#include <QKeyEvent>

namespace solvaro {

SpeedButton::SpeedButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    // Like its model, a speed button never takes the focus away from the
    // field the pupil is typing in.
    setFocusPolicy(Qt::NoFocus);
}

void SpeedButton::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(toLfLineBreaks(caption));
}

void SpeedButton::setGlyph(const QPixmap &glyph)
{
    setIcon(QIcon(glyph));
    if (!glyph.isNull())
        setIconSize(glyph.size());
}

void SpeedButton::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(event->key())) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

} // namespace solvaro
