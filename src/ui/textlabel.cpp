#include "ui/textlabel.h"

#include "ui/linebreaktext.h"

namespace solvaro {

TextLabel::TextLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(toQtAlignment(m_alignment));
    setAutoFillBackground(false);
}

void TextLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(toLfLineBreaks(caption));
}

void TextLabel::setTextAlignment(TextAlignment alignment)
{
    m_alignment = alignment;
    setAlignment(toQtAlignment(alignment));
}

void TextLabel::setTextColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

QColor TextLabel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void TextLabel::setBackgroundColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
}

QColor TextLabel::backgroundColor() const
{
    return palette().color(QPalette::Window);
}

void TextLabel::setTransparent(bool on)
{
    setAutoFillBackground(!on);
    update();
}

} // namespace solvaro
