#include "ui/hintwindow.h"

#include "ui/linebreaktext.h"

#include <QFontMetrics>
#include <QPainter>

namespace solvaro {

namespace {

constexpr int padding = 4;

} // namespace

HintWindow::HintWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void HintWindow::setMaxTextWidth(int width)
{
    m_maxTextWidth = qMax(1, width);
}

void HintWindow::setShadowDepth(int depth)
{
    m_shadowDepth = qMax(0, depth);
}

void HintWindow::showHint(const QString &text, const QPoint &globalPosition)
{
    m_text = toLfLineBreaks(text);
    const QRect bounds = textBounds();
    resize(bounds.width() + 2 * padding + m_shadowDepth,
        bounds.height() + 2 * padding + m_shadowDepth);
    move(globalPosition);
    show();
    raise();
    update();
}

void HintWindow::showHintBeside(const QString &text, const QWidget *anchor)
{
    if (!anchor)
        return;
    showHint(text, anchor->mapToGlobal(QPoint(anchor->width(), 0)));
}

void HintWindow::hideHint()
{
    hide();
}

void HintWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -m_shadowDepth - 1, -m_shadowDepth - 1);
    if (m_shadowDepth > 0)
        painter.fillRect(box.translated(m_shadowDepth, m_shadowDepth), QColor(0, 0, 0, 96));
    painter.fillRect(box, palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(box);
    painter.setFont(font());
    painter.drawText(box.adjusted(padding, padding, -padding + 1, -padding + 1),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_text);
}

QRect HintWindow::textBounds() const
{
    const QFontMetrics metrics(font());
    return metrics.boundingRect(QRect(0, 0, m_maxTextWidth, 100000),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_text);
}

} // namespace solvaro
