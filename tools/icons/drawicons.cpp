// Draws the toolbar icons. Every drawing works on a 192 x 192 canvas that is
// scaled down to the icon size, with a dark outline and flat colours.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int iconSize = 48;
const QColor ink(0x37, 0x47, 0x4f);

QPen outline(qreal width = 10, const QColor &color = ink)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

void house(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0xff, 0xcc, 0x80));
    p.drawRect(QRectF(44, 92, 104, 78));
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawPolygon(
        polygon({ { 16, 100 }, { 96, 26 }, { 176, 100 }, { 158, 114 }, { 96, 56 }, { 34, 114 } }));
    p.setBrush(QColor(0x8d, 0x6e, 0x63));
    p.drawRoundedRect(QRectF(80, 118, 32, 52), 4, 4);
    p.setBrush(QColor(0x81, 0xd4, 0xfa));
    p.drawRect(QRectF(122, 112, 18, 18));
}

void gear(QPainter &p)
{
    QPolygonF teeth;
    const int count = 8;
    for (int i = 0; i < 4 * count; ++i) {
        const qreal angle = (i - 0.5) * 2 * M_PI / (4 * count);
        const qreal radius = ((i / 2) % 2 == 0) ? 84 : 64;
        teeth << QPointF(96 + radius * std::cos(angle), 96 + radius * std::sin(angle));
    }
    p.setPen(outline());
    p.setBrush(QColor(0x90, 0xa4, 0xae));
    p.drawPolygon(teeth);
    p.setBrush(QColor(0xec, 0xef, 0xf1));
    p.drawEllipse(QPointF(96, 96), 26, 26);
}

void sheets(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0xe3, 0xf2, 0xfd));
    p.drawRoundedRect(QRectF(28, 18, 94, 118), 8, 8);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(70, 56, 94, 118), 8, 8);
    p.setPen(outline(8));
    p.drawLine(QPointF(88, 92), QPointF(146, 92));
    p.drawLine(QPointF(88, 116), QPointF(146, 116));
    p.drawLine(QPointF(88, 140), QPointF(128, 140));
}

void bin(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(74, 18, 44, 24), 6, 6);
    p.setBrush(QColor(0xef, 0x9a, 0x9a));
    p.drawPolygon(polygon({ { 46, 62 }, { 146, 62 }, { 134, 174 }, { 58, 174 } }));
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawRoundedRect(QRectF(28, 40, 136, 22), 6, 6);
    p.setPen(outline(8));
    p.drawLine(QPointF(78, 86), QPointF(82, 152));
    p.drawLine(QPointF(96, 86), QPointF(96, 152));
    p.drawLine(QPointF(114, 86), QPointF(110, 152));
}

void openFolder(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0xff, 0xb3, 0x00));
    p.drawPolygon(
        polygon({ { 18, 40 }, { 70, 40 }, { 84, 58 }, { 162, 58 }, { 162, 162 }, { 18, 162 } }));
    p.setBrush(QColor(0xff, 0xd5, 0x4f));
    p.drawPolygon(polygon({ { 18, 162 }, { 46, 86 }, { 182, 86 }, { 162, 162 } }));
}

void floppy(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0x1e, 0x88, 0xe5));
    p.drawPolygon(polygon({ { 22, 22 }, { 148, 22 }, { 170, 44 }, { 170, 170 }, { 22, 170 } }));
    p.setBrush(QColor(0xe3, 0xf2, 0xfd));
    p.drawRect(QRectF(52, 22, 82, 50));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(44, 104, 104, 66), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(104, 32, 18, 30));
}

void printer(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(52, 18, 88, 54));
    p.setBrush(QColor(0x78, 0x90, 0x9c));
    p.drawRoundedRect(QRectF(18, 70, 156, 70), 12, 12);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(52, 112, 88, 62));
    p.setPen(outline(8));
    p.drawLine(QPointF(68, 134), QPointF(124, 134));
    p.drawLine(QPointF(68, 154), QPointF(110, 154));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x66, 0xbb, 0x6a));
    p.drawEllipse(QPointF(150, 92), 8, 8);
}

void question(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0x43, 0xa0, 0x47));
    p.drawEllipse(QPointF(96, 96), 80, 80);
    QPainterPath mark;
    mark.moveTo(66, 72);
    mark.arcTo(QRectF(66, 40, 60, 60), 180, -250);
    mark.quadTo(96, 100, 96, 120);
    p.setPen(outline(20, Qt::white));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(96, 150), 12, 12);
}

void speaker(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0x7e, 0x57, 0xc2));
    p.drawPolygon(
        polygon({ { 18, 70 }, { 56, 70 }, { 100, 30 }, { 100, 162 }, { 56, 122 }, { 18, 122 } }));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(76, 62, 68, 68), -45 * 16, 90 * 16);
    p.drawArc(QRectF(48, 34, 124, 124), -45 * 16, 90 * 16);
}

void bulb(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0xff, 0xeb, 0x3b));
    QPainterPath glass;
    glass.moveTo(70, 126);
    glass.arcTo(QRectF(36, 16, 120, 120), 230, -280);
    glass.lineTo(122, 126);
    glass.closeSubpath();
    p.drawPath(glass);
    p.setBrush(QColor(0xb0, 0xbe, 0xc5));
    p.drawRoundedRect(QRectF(68, 128, 56, 20), 4, 4);
    p.drawRoundedRect(QRectF(74, 148, 44, 20), 4, 4);
    p.setPen(outline(8, QColor(0xf5, 0x7f, 0x17)));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(polygon({ { 80, 110 }, { 86, 80 }, { 96, 96 }, { 106, 80 }, { 112, 110 } }));
}

void turnBack(QPainter &p)
{
    const QColor teal(0x00, 0x89, 0x7b);
    p.setPen(outline(20, teal));
    p.setBrush(Qt::NoBrush);
    // Round, counter-clockwise, back to where it started.
    p.drawArc(QRectF(38, 38, 116, 116), 150 * 16, -290 * 16);
    p.setPen(outline(6, teal));
    p.setBrush(teal);
    p.drawPolygon(polygon({ { 14, 58 }, { 80, 70 }, { 34, 118 } }));
}

void tree(QPainter &p)
{
    p.setPen(outline(8));
    p.drawPolyline(polygon({ { 52, 58 }, { 52, 150 }, { 96, 150 } }));
    p.drawLine(QPointF(52, 100), QPointF(96, 100));
    p.setPen(outline());
    p.setBrush(QColor(0x1e, 0x88, 0xe5));
    p.drawRoundedRect(QRectF(18, 16, 68, 46), 8, 8);
    p.setBrush(QColor(0xff, 0xb7, 0x4d));
    p.drawRoundedRect(QRectF(96, 80, 78, 40), 8, 8);
    p.setBrush(QColor(0x81, 0xc7, 0x84));
    p.drawRoundedRect(QRectF(96, 130, 78, 40), 8, 8);
    p.setPen(outline(10, Qt::white));
    p.drawLine(QPointF(38, 39), QPointF(66, 39));
    p.drawLine(QPointF(52, 27), QPointF(52, 51));
}

// A class register: a grid of pupils' rows with ticks and crosses.
void classRegister(QPainter &p)
{
    p.setPen(outline());
    p.setBrush(QColor(0xff, 0xf8, 0xe1));
    p.drawRoundedRect(QRectF(20, 22, 152, 148), 10, 10);
    p.setBrush(QColor(0x42, 0xa5, 0xf5));
    p.drawRoundedRect(QRectF(20, 22, 152, 34), 10, 10);
    p.setPen(outline(6));
    for (const qreal y : { 92.0, 128.0 })
        p.drawLine(QPointF(24, y), QPointF(168, y));
    p.drawLine(QPointF(72, 56), QPointF(72, 166));
    p.setBrush(QColor(0xff, 0xb7, 0x4d));
    for (const qreal y : { 74.0, 110.0, 148.0 })
        p.drawEllipse(QPointF(46, y), 10, 10);
    p.setPen(outline(9, QColor(0x2e, 0x7d, 0x32)));
    p.drawPolyline(polygon({ { 96, 74 }, { 108, 84 }, { 128, 62 } }));
    p.drawPolyline(polygon({ { 96, 148 }, { 108, 158 }, { 128, 136 } }));
    p.setPen(outline(9, QColor(0xc6, 0x28, 0x28)));
    p.drawLine(QPointF(98, 100), QPointF(122, 120));
    p.drawLine(QPointF(122, 100), QPointF(98, 120));
}

void writeIcon(const QString &folder, const char *name, const std::function<void(QPainter &)> &draw)
{
    QImage image(iconSize, iconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(iconSize / 192.0, iconSize / 192.0);
    draw(painter);
    painter.end();
    const QString file = QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!image.save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawicons OUTPUT-FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    writeIcon(folder, "home", house);
    writeIcon(folder, "configure", gear);
    writeIcon(folder, "copy", sheets);
    writeIcon(folder, "delete", bin);
    writeIcon(folder, "carica", openFolder);
    writeIcon(folder, "salva", floppy);
    writeIcon(folder, "stampa", printer);
    writeIcon(folder, "help", question);
    writeIcon(folder, "speaker", speaker);
    writeIcon(folder, "soluzione", bulb);
    writeIcon(folder, "ripristina", turnBack);
    writeIcon(folder, "espandi", tree);
    writeIcon(folder, "classe", classRegister);
    return 0;
}
