#include "schemes/schemenodelook.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidgetItem>

namespace solvaro {

namespace {

// Drawn on a 24 x 24 canvas, scaled to the tree's icon size.
constexpr int canvas = 24;
const QColor ink(0x37, 0x47, 0x4f);

struct KindLook {
    QColor color;
    void (*draw)(QPainter &, const QColor &);
};

void drawSheet(QPainter &p, const QColor &color)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({ { 4, 2 }, { 15, 2 }, { 20, 7 }, { 20, 22 }, { 4, 22 } }));
    p.setPen(QPen(color, 2));
    for (int y : { 10, 14, 18 })
        p.drawLine(QPointF(7, y), QPointF(17, y));
}

void drawSection(QPainter &p, const QColor &color)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(1.5, 6.5, 21, 11), 2, 2);
}

void drawQuestions(QPainter &p, const QColor &color)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(7, 7), 4, 4);
    p.drawEllipse(QPointF(7, 17), 4, 4);
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(7, 7), 2, 2);
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(14, 7), QPointF(22, 7));
    p.drawLine(QPointF(14, 17), QPointF(22, 17));
}

void drawSign(QPainter &p, const QColor &color, bool equals)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 4, 4);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    if (equals) {
        p.drawLine(QPointF(7, 9), QPointF(17, 9));
        p.drawLine(QPointF(7, 15), QPointF(17, 15));
    } else {
        p.drawLine(QPointF(7, 12), QPointF(17, 12));
        p.drawLine(QPointF(12, 7), QPointF(12, 17));
    }
}

void drawFormula(QPainter &p, const QColor &color)
{
    drawSign(p, color, false);
}

void drawEquivalence(QPainter &p, const QColor &color)
{
    drawSign(p, color, true);
}

// A row of entry fields, as the player lays the pattern out.
void drawPattern(QPainter &p, const QColor &color)
{
    p.setPen(QPen(color, 1.5));
    p.setBrush(Qt::white);
    for (int x : { 1, 9, 17 })
        p.drawRect(QRectF(x + 0.5, 8.5, 6, 7));
}

KindLook lookOf(SchemeNodeKind kind)
{
    switch (kind) {
    case SchemeNodeKind::Sheet:
        return { QColor(0x15, 0x65, 0xc0), drawSheet };
    case SchemeNodeKind::Section:
        return { QColor(0xef, 0x6c, 0x00), drawSection };
    case SchemeNodeKind::QuestionGroup:
        return { QColor(0x2e, 0x7d, 0x32), drawQuestions };
    case SchemeNodeKind::Formula:
        return { QColor(0x6a, 0x1b, 0x9a), drawFormula };
    case SchemeNodeKind::Equivalence:
        return { QColor(0x00, 0x79, 0x6b), drawEquivalence };
    case SchemeNodeKind::FormulaPattern:
    case SchemeNodeKind::EquivalencePattern:
        break;
    }
    return { QColor(0x60, 0x7d, 0x8b), drawPattern };
}

} // namespace

QIcon SchemeNodeLooks::iconOf(SchemeNodeKind kind)
{
    const auto found = m_icons.constFind(int(kind));
    if (found != m_icons.constEnd())
        return *found;
    const KindLook look = lookOf(kind);
    QIcon icon;
    for (int size : { 16, 24, 32 }) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(size) / canvas, qreal(size) / canvas);
        look.draw(painter, look.color);
        painter.end();
        icon.addPixmap(picture);
    }
    m_icons.insert(int(kind), icon);
    return icon;
}

void SchemeNodeLooks::apply(QTreeWidgetItem *node, SchemeNodeKind kind)
{
    if (!node)
        return;
    const KindLook look = lookOf(kind);
    node->setIcon(0, iconOf(kind));
    QFont font = node->treeWidget() ? node->treeWidget()->font() : QFont();
    switch (kind) {
    case SchemeNodeKind::Sheet:
    case SchemeNodeKind::Section:
        font.setBold(true);
        break;
    case SchemeNodeKind::FormulaPattern:
    case SchemeNodeKind::EquivalencePattern: {
        const int size = font.pointSize();
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (size > 0)
            font.setPointSize(size);
        break;
    }
    default:
        break;
    }
    node->setFont(0, font);
    node->setForeground(0, look.color);
}

} // namespace solvaro
