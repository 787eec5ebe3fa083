#include "home/tgif.h"

#include <QPainter>

namespace solvaro {

Tgif::Tgif(QWidget *parent)
    : AnimatedPicture(parent)
{
}

void Tgif::paintEvent(QPaintEvent *event)
{
    if (missingFile.isEmpty()) {
        AnimatedPicture::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xee, 0xee, 0xee));
    painter.setPen(QPen(Qt::red, 2, Qt::DashLine));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWrapAnywhere,
        QStringLiteral("?\n") + missingFile);
}

} // namespace solvaro
