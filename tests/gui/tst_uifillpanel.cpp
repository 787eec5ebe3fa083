#include "ui/fillpanel.h"

#include <QPainter>
#include <QTest>

using namespace solvaro;

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor white(255, 255, 255);
const QColor brush(0, 0, 200);

// 10 x 10: the left half red, the right half green, so that a pixel tells
// which half of which copy of the picture it shows.
QImage halvesPicture(const QColor &left = red, const QColor &right = green)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 5, 10, left);
    painter.fillRect(5, 0, 5, 10, right);
    return image;
}

QImage paintedImage(FillPanel &panel)
{
    return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel far from the background colour.
QRect inkBounds(const QImage &image, const QColor &background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = qAbs(pixel.red() - background.red())
                + qAbs(pixel.green() - background.green()) + qAbs(pixel.blue() - background.blue());
            if (distance > 200)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

class TestFillPanel : public QObject
{
    Q_OBJECT

private slots:
    void pictureModes_data();
    void pictureModes();
    void fillStyles_data();
    void fillStyles();
    void stretchedPictureFollowsSizeAndPictureChanges();
    void captionAlignment_data();
    void captionAlignment();
    void captionBreaksLinesAtCrLf();
    void captionUsesItsFontAndColour();
    void innerBevelDrawsInsideTheEdge();
};

void TestFillPanel::pictureModes_data()
{
    QTest::addColumn<TileMode>("mode");
    QTest::addColumn<NineAlignment>("alignment");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("expected");

    const QPoint none(0, 0);
    const auto tl = NineAlignment::TopLeft;
    QTest::newRow("tile: first copy, left half")
        << TileMode::Tile << tl << none << QPoint(2, 2) << red;
    QTest::newRow("tile: first copy, right half")
        << TileMode::Tile << tl << none << QPoint(7, 2) << green;
    QTest::newRow("tile: second copy") << TileMode::Tile << tl << none << QPoint(12, 5) << red;
    QTest::newRow("tile: far corner") << TileMode::Tile << tl << none << QPoint(37, 35) << green;
    QTest::newRow("tile: moved right, gap filled")
        << TileMode::Tile << tl << QPoint(5, 0) << QPoint(2, 2) << green;
    QTest::newRow("tile: moved right, copy start")
        << TileMode::Tile << tl << QPoint(5, 0) << QPoint(6, 2) << red;
    QTest::newRow("tile: moved left")
        << TileMode::Tile << tl << QPoint(-3, 0) << QPoint(0, 0) << red;
    QTest::newRow("tile: moved left, right half")
        << TileMode::Tile << tl << QPoint(-3, 0) << QPoint(2, 0) << green;

    QTest::newRow("centre: left half") << TileMode::Center << tl << none << QPoint(16, 16) << red;
    QTest::newRow("centre: right half")
        << TileMode::Center << tl << none << QPoint(22, 16) << green;
    QTest::newRow("centre: outside") << TileMode::Center << tl << none << QPoint(5, 5) << white;
    QTest::newRow("centre: not tiled") << TileMode::Center << tl << none << QPoint(30, 30) << white;
    QTest::newRow("centre: alignment ignored")
        << TileMode::Center << NineAlignment::BottomRight << none << QPoint(16, 16) << red;
    QTest::newRow("centre: moved")
        << TileMode::Center << tl << QPoint(10, 0) << QPoint(26, 20) << red;
    QTest::newRow("centre: moved away")
        << TileMode::Center << tl << QPoint(10, 0) << QPoint(16, 20) << white;

    QTest::newRow("stretch: left") << TileMode::Stretch << tl << none << QPoint(5, 20) << red;
    QTest::newRow("stretch: right") << TileMode::Stretch << tl << none << QPoint(35, 20) << green;
    QTest::newRow("stretch: bottom left")
        << TileMode::Stretch << tl << none << QPoint(3, 38) << red;
    QTest::newRow("stretch: offsets ignored")
        << TileMode::Stretch << tl << QPoint(10, 10) << QPoint(2, 2) << red;

    QTest::newRow("none: top left") << TileMode::None << tl << none << QPoint(2, 2) << red;
    QTest::newRow("none: top left, right half")
        << TileMode::None << tl << none << QPoint(7, 2) << green;
    QTest::newRow("none: not tiled") << TileMode::None << tl << none << QPoint(12, 2) << white;
    QTest::newRow("none: bottom right")
        << TileMode::None << NineAlignment::BottomRight << none << QPoint(31, 31) << red;
    QTest::newRow("none: bottom right, right half")
        << TileMode::None << NineAlignment::BottomRight << none << QPoint(38, 38) << green;
    QTest::newRow("none: bottom right, outside")
        << TileMode::None << NineAlignment::BottomRight << none << QPoint(25, 25) << white;
    QTest::newRow("none: top centre")
        << TileMode::None << NineAlignment::TopCenter << none << QPoint(16, 2) << red;
    QTest::newRow("none: top centre, below")
        << TileMode::None << NineAlignment::TopCenter << none << QPoint(16, 15) << white;
    QTest::newRow("none: centre left, moved")
        << TileMode::None << NineAlignment::CenterLeft << QPoint(3, -2) << QPoint(4, 14) << red;
    QTest::newRow("none: centre left, moved, right half")
        << TileMode::None << NineAlignment::CenterLeft << QPoint(3, -2) << QPoint(11, 14) << green;
    QTest::newRow("none: centre left, left of it")
        << TileMode::None << NineAlignment::CenterLeft << QPoint(3, -2) << QPoint(1, 14) << white;
}

void TestFillPanel::pictureModes()
{
    QFETCH(TileMode, mode);
    QFETCH(NineAlignment, alignment);
    QFETCH(QPoint, offset);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, expected);

    FillPanel panel;
    panel.resize(40, 40);
    panel.setBackgroundColor(white);
    panel.setFillStyle(FillStyle::Bitmap);
    panel.setPicture(halvesPicture());
    panel.setTileMode(mode);
    panel.setFillAlignment(alignment);
    panel.setFillOffset(offset);
    QCOMPARE(paintedImage(panel).pixelColor(pixel), expected);
}

void TestFillPanel::fillStyles_data()
{
    QTest::addColumn<FillStyle>("style");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<QColor>("corner");
    QTest::addColumn<QColor>("middle");

    QTest::newRow("brush covers a picture") << FillStyle::Brush << true << brush << brush;
    QTest::newRow("none paints no brush") << FillStyle::None << true << white << white;
    QTest::newRow("bitmap without a picture") << FillStyle::Bitmap << false << white << white;
    QTest::newRow("bitmap over the panel colour") << FillStyle::Bitmap << true << white << red;
    QTest::newRow("brush under the bitmap") << FillStyle::BrushBitmap << true << brush << red;
    QTest::newRow("gradient as brush") << FillStyle::Gradient << false << brush << brush;
}

void TestFillPanel::fillStyles()
{
    QFETCH(FillStyle, style);
    QFETCH(bool, withPicture);
    QFETCH(QColor, corner);
    QFETCH(QColor, middle);

    FillPanel panel;
    panel.resize(40, 40);
    panel.setBackgroundColor(white);
    panel.setBrushColor(brush);
    panel.setTileMode(TileMode::Center);
    if (withPicture)
        panel.setPicture(halvesPicture());
    panel.setFillStyle(style);
    const QImage image = paintedImage(panel);
    QCOMPARE(image.pixelColor(2, 2), corner);
    QCOMPARE(image.pixelColor(16, 16), middle);
}

void TestFillPanel::stretchedPictureFollowsSizeAndPictureChanges()
{
    FillPanel panel;
    panel.resize(40, 40);
    panel.setFillStyle(FillStyle::Bitmap);
    panel.setTileMode(TileMode::Stretch);
    panel.setPicture(halvesPicture());
    QCOMPARE(paintedImage(panel).pixelColor(35, 20), green);

    panel.resize(80, 60);
    QImage image = paintedImage(panel);
    QCOMPARE(image.pixelColor(75, 55), green);
    QCOMPARE(image.pixelColor(30, 55), red);

    panel.setPicture(halvesPicture(brush, white));
    image = paintedImage(panel);
    QCOMPARE(image.pixelColor(30, 55), brush);
    QCOMPARE(image.pixelColor(75, 55), white);
}

void TestFillPanel::captionAlignment_data()
{
    QTest::addColumn<NineAlignment>("alignment");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");

    QTest::newRow("top left") << NineAlignment::TopLeft << 0 << 0;
    QTest::newRow("top centre") << NineAlignment::TopCenter << 1 << 0;
    QTest::newRow("top right") << NineAlignment::TopRight << 2 << 0;
    QTest::newRow("centre left") << NineAlignment::CenterLeft << 0 << 1;
    QTest::newRow("centre") << NineAlignment::Center << 1 << 1;
    QTest::newRow("centre right") << NineAlignment::CenterRight << 2 << 1;
    QTest::newRow("bottom left") << NineAlignment::BottomLeft << 0 << 2;
    QTest::newRow("bottom centre") << NineAlignment::BottomCenter << 1 << 2;
    QTest::newRow("bottom right") << NineAlignment::BottomRight << 2 << 2;
}

void TestFillPanel::captionAlignment()
{
    QFETCH(NineAlignment, alignment);
    QFETCH(int, column);
    QFETCH(int, row);

    FillPanel panel;
    panel.resize(300, 120);
    panel.setFillStyle(FillStyle::Brush);
    panel.setBrushColor(white);
    panel.setCaptionFont(pixelFont(20));
    panel.setCaption(QStringLiteral("HH"));
    panel.setCaptionAlignment(alignment);

    const QRect ink = inkBounds(paintedImage(panel), white);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.width() < 100 && ink.height() < 40, "the caption is not a small block");
    // The whole caption lies in the expected third, both ways.
    QCOMPARE(ink.left() / 100, column);
    QCOMPARE(ink.right() / 100, column);
    QCOMPARE(ink.top() / 40, row);
    QCOMPARE(ink.bottom() / 40, row);
}

void TestFillPanel::captionBreaksLinesAtCrLf()
{
    FillPanel panel;
    panel.resize(300, 200);
    panel.setFillStyle(FillStyle::Brush);
    panel.setBrushColor(white);
    panel.setCaptionFont(pixelFont(20));

    panel.setCaption(QStringLiteral("HHHH"));
    const QRect oneLine = inkBounds(paintedImage(panel), white);
    panel.setCaption(QStringLiteral("HH\r\nHH"));
    const QRect twoLines = inkBounds(paintedImage(panel), white);

    QVERIFY(twoLines.height() > oneLine.height() * 3 / 2);
    // The break stands between the halves; no stray mark is drawn for '\r'.
    QVERIFY(twoLines.width() < oneLine.width() * 2 / 3);
}

void TestFillPanel::captionUsesItsFontAndColour()
{
    FillPanel panel;
    panel.resize(300, 200);
    panel.setFillStyle(FillStyle::Brush);
    panel.setBrushColor(white);
    panel.setCaption(QStringLiteral("HH"));
    panel.setCaptionColor(QColor(0, 0, 255));

    panel.setCaptionFont(pixelFont(10));
    const QRect small = inkBounds(paintedImage(panel), white);
    panel.setCaptionFont(pixelFont(40));
    const QImage image = paintedImage(panel);
    const QRect large = inkBounds(image, white);

    QVERIFY(large.height() > small.height() * 3);
    int bluePixels = 0;
    for (int y = large.top(); y <= large.bottom(); ++y) {
        for (int x = large.left(); x <= large.right(); ++x)
            bluePixels += image.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
    }
    QVERIFY(bluePixels > 20);
}

void TestFillPanel::innerBevelDrawsInsideTheEdge()
{
    FillPanel panel;
    panel.resize(40, 40);
    panel.setFillStyle(FillStyle::Brush);
    panel.setBrushColor(white);
    QCOMPARE(paintedImage(panel).pixelColor(0, 0), white);

    panel.setInnerBevel(true);
    const QImage image = paintedImage(panel);
    QCOMPARE(image.pixel(0, 10), panel.palette().color(QPalette::Dark).rgb());
    QCOMPARE(image.pixel(39, 10), panel.palette().color(QPalette::Light).rgb());
    QCOMPARE(image.pixelColor(10, 10), white);
}

QTEST_MAIN(TestFillPanel)
#include "tst_uifillpanel.moc"
