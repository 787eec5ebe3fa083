#include "ui/fillpanel.h"

#include "ui/linebreaktext.h"

#include <QPainter>

namespace solvaro {

namespace {

constexpr int captionMargin = 2;

} // namespace

FillPanel::FillPanel(QWidget *parent)
    : QFrame(parent)
    , m_captionFont(font())
{
}

void FillPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    m_captionLines = toLfLineBreaks(caption);
    update();
}

void FillPanel::setCaptionAlignment(NineAlignment alignment)
{
    m_captionAlignment = alignment;
    update();
}

void FillPanel::setCaptionFont(const QFont &font)
{
    m_captionFont = font;
    update();
}

void FillPanel::setCaptionColor(const QColor &color)
{
    m_captionColor = color;
    update();
}

void FillPanel::setWordWrap(bool on)
{
    m_wordWrap = on;
    update();
}

void FillPanel::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void FillPanel::setFillStyle(FillStyle style)
{
    m_fillStyle = style;
    update();
}

void FillPanel::setBrushColor(const QColor &color)
{
    m_brushColor = color;
    update();
}

void FillPanel::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_stretched = QPixmap();
    update();
}

void FillPanel::setPicture(const QImage &picture)
{
    setPicture(QPixmap::fromImage(picture));
}

void FillPanel::setTileMode(TileMode mode)
{
    m_tileMode = mode;
    update();
}

void FillPanel::setFillAlignment(NineAlignment alignment)
{
    m_fillAlignment = alignment;
    update();
}

void FillPanel::setFillOffset(const QPoint &offset)
{
    m_fillOffset = offset;
    update();
}

void FillPanel::setInnerBevel(bool on)
{
    m_innerBevel = on;
    update();
}

void FillPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    paintFill(painter, area);

    QRect captionArea = area;
    if (m_innerBevel) {
        paintInnerBevel(painter, area);
        captionArea.adjust(1, 1, -1, -1);
    }
    if (!m_captionLines.isEmpty()) {
        captionArea.adjust(captionMargin, 0, -captionMargin, 0);
        int flags = int(toQtAlignment(m_captionAlignment));
        if (m_wordWrap)
            flags |= Qt::TextWordWrap;
        painter.setFont(m_captionFont);
        painter.setPen(m_captionColor);
        painter.drawText(captionArea, flags, m_captionLines);
    }
    drawFrame(&painter);
}

void FillPanel::paintFill(QPainter &painter, const QRect &area)
{
    if (m_backgroundColor.isValid())
        painter.fillRect(area, m_backgroundColor);
    if (fillPaintsBrush(m_fillStyle))
        painter.fillRect(area, m_brushColor);
    if (fillPaintsPicture(m_fillStyle) && !m_picture.isNull())
        paintPicture(painter, area);
}

void FillPanel::paintPicture(QPainter &painter, const QRect &area)
{
    painter.save();
    painter.setClipRect(area);
    switch (m_tileMode) {
    case TileMode::Tile:
        painter.drawTiledPixmap(area, m_picture, tileSourceOffset(m_fillOffset, m_picture.size()));
        break;
    case TileMode::Stretch:
        painter.drawPixmap(area.topLeft(), stretchedPicture(area.size()));
        break;
    case TileMode::None:
    case TileMode::Center: {
        const QRect place
            = picturePlacement(m_tileMode, m_fillAlignment, m_fillOffset, m_picture.size(), area);
        painter.drawPixmap(place.topLeft(), m_picture);
        break;
    }
    }
    painter.restore();
}

void FillPanel::paintInnerBevel(QPainter &painter, const QRect &area) const
{
    if (area.width() < 2 || area.height() < 2)
        return;
    painter.save();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    painter.restore();
}

const QPixmap &FillPanel::stretchedPicture(const QSize &size)
{
    if (m_stretched.size() != size)
        m_stretched = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_stretched;
}

} // namespace solvaro
