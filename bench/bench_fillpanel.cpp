// Paints a full-screen fill panel in each picture mode and prints how long a
// paint takes: the first one (which scales a stretched picture) and the
// average of the following ones (which reuse the scaled copy).
#include "ui/fillpanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTextStream>

using namespace solvaro;

namespace {

QImage samplePicture()
{
    QImage picture(800, 600, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int y = 0; y < picture.height(); y += 20) {
        for (int x = 0; x < picture.width(); x += 20)
            painter.fillRect(x, y, 20, 20, QColor((x * 7) % 256, (y * 5) % 256, 128));
    }
    return picture;
}

double millisecondsOfPaint(FillPanel &panel, QImage &target)
{
    QElapsedTimer timer;
    timer.start();
    panel.render(&target);
    return timer.nsecsElapsed() / 1.0e6;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream out(stdout);

    FillPanel panel;
    panel.resize(1680, 1000);
    panel.setFillStyle(FillStyle::Bitmap);
    panel.setPicture(samplePicture());
    panel.setCaption(QStringLiteral("esercitati con le tabelline\r\nsecond line"));
    panel.setCaptionAlignment(NineAlignment::Center);
    QImage target(panel.size(), QImage::Format_ARGB32_Premultiplied);

    const struct {
        TileMode mode;
        const char *name;
    } modes[] = { { TileMode::None, "none" }, { TileMode::Center, "centre" },
        { TileMode::Stretch, "stretch" }, { TileMode::Tile, "tile" } };
    constexpr int repeats = 50;
    for (const auto &mode : modes) {
        panel.setTileMode(mode.mode);
        // A new picture drops any scaled copy, so the first paint pays for it.
        panel.setPicture(samplePicture());
        const double first = millisecondsOfPaint(panel, target);
        double total = 0;
        for (int i = 0; i < repeats; ++i)
            total += millisecondsOfPaint(panel, target);
        out << QStringLiteral("%1: first paint %2 ms, then %3 ms per paint\n")
                   .arg(QLatin1String(mode.name))
                   .arg(first, 0, 'f', 2)
                   .arg(total / repeats, 0, 'f', 2);
    }
    return 0;
}
