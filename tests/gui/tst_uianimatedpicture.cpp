#include "support/testinstallation.h"
#include "ui/animatedpicture.h"

#include <QMovie>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace solvaro;

namespace {

const QRgb green = qRgb(0, 255, 0);
const QRgb red = qRgb(255, 0, 0);
const QRgb white = qRgb(255, 255, 255);

QString fixture(const char *name)
{
    return TestInstallation::fixture(QStringLiteral("ui/") + QLatin1String(name));
}

QRgb pixelOf(QWidget &widget, int x, int y)
{
    return widget.grab().toImage().pixel(x, y);
}

void setWindowColor(QWidget &widget, const QColor &color)
{
    QPalette colors = widget.palette();
    colors.setColor(QPalette::Window, color);
    widget.setPalette(colors);
}

} // namespace

class TestAnimatedPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void failedLoadKeepsThePreviousPicture_data();
    void failedLoadKeepsThePreviousPicture();
    void hiddenPictureIsDecodedOnlyWhenShown();
    void framesRunOnlyWhileShownAndAnimating();
    void autoSizeTakesThePictureSize();
    void pictureWhoseFileDisappearsKeepsPlaying();
    void animationLargerThanAScreenStaysStill();
    void placement_data();
    void placement();
    void transparentStillClearsItsKeyColour();
    void hintLinesShowOnlyWhenHintIsOn();

private:
    QTemporaryDir m_dir;
};

void TestAnimatedPicture::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile garbage(m_dir.filePath(QStringLiteral("garbage.gif")));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("this is no picture at all");
}

void TestAnimatedPicture::failedLoadKeepsThePreviousPicture_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("missing.gif"));
    QTest::newRow("not a picture") << m_dir.filePath(QStringLiteral("garbage.gif"));
    QTest::newRow("empty name") << QString();
}

void TestAnimatedPicture::failedLoadKeepsThePreviousPicture()
{
    QFETCH(QString, fileName);
    AnimatedPicture picture;
    picture.resize(8, 8);
    picture.show();
    QVERIFY(picture.load(fixture("green.gif")));
    QCOMPARE(picture.currentFrame().pixel(3, 3), green);

    QVERIFY(!picture.load(fileName));
    QCOMPARE(picture.fileName(), fixture("green.gif"));
    QCOMPARE(picture.currentFrame().pixel(3, 3), green);
    QCOMPARE(pixelOf(picture, 3, 3), green);
}

void TestAnimatedPicture::hiddenPictureIsDecodedOnlyWhenShown()
{
    QWidget window;
    auto *picture = new AnimatedPicture(&window);
    picture->hide();
    window.show();

    QVERIFY(picture->load(fixture("two-frames.gif")));
    QVERIFY(picture->hasPicture());
    QCOMPARE(picture->pictureSize(), QSize(8, 8));
    QVERIFY(!picture->isDecoded());
    QVERIFY(!picture->isPlaying());

    picture->show();
    QVERIFY(picture->isDecoded());
    QVERIFY(picture->isPlaying());
}

void TestAnimatedPicture::framesRunOnlyWhileShownAndAnimating()
{
    AnimatedPicture picture;
    QVERIFY(picture.load(fixture("two-frames.gif")));
    picture.show();
    QVERIFY(picture.isAnimating());
    QVERIFY(picture.isPlaying());

    picture.hide();
    QVERIFY(!picture.isPlaying());
    QVERIFY(picture.isAnimating());
    picture.show();
    QVERIFY(picture.isPlaying());

    picture.setAnimating(false);
    QVERIFY(!picture.isPlaying());
    picture.setAnimating(true);
    QVERIFY(picture.isPlaying());
}

void TestAnimatedPicture::pictureWhoseFileDisappearsKeepsPlaying()
{
    const QString copy = m_dir.filePath(QStringLiteral("going.gif"));
    QVERIFY(QFile::copy(fixture("two-frames.gif"), copy));
    QWidget window;
    auto *shown = new AnimatedPicture(&window);
    auto *hidden = new AnimatedPicture(&window);
    QVERIFY(shown->load(copy));
    QVERIFY(hidden->load(copy));
    hidden->hide();
    window.show();
    const QImage first = shown->currentFrame();
    QVERIFY(QFile::remove(copy));

    // Round the frames and back to the first, as the animation does.
    QMovie *movie = shown->findChild<QMovie *>();
    QVERIFY(movie);
    QVERIFY(movie->jumpToNextFrame());
    QVERIFY(shown->currentFrame() != first);
    QVERIFY(movie->jumpToFrame(0));
    QCOMPARE(shown->currentFrame(), first);
    QVERIFY(shown->isPlaying());
    hidden->show();
    QCOMPARE(hidden->currentFrame(), first);

    // A picture that reads from the same name later is a new picture.
    QVERIFY(QFile::copy(fixture("green.gif"), copy));
    QCOMPARE(shown->currentFrame(), first);
    QVERIFY(shown->load(copy));
    QCOMPARE(shown->currentFrame().pixel(3, 3), green);
}

void TestAnimatedPicture::animationLargerThanAScreenStaysStill()
{
    // A few bytes of GIF that declare a looping animation on a 40000 x 60
    // canvas, which Qt would clear for every frame; its reader tells the size
    // of the first image, 8 x 60.
    const QString path = m_dir.filePath(QStringLiteral("canvas.gif"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray::fromHex("474946383961409c3c00f10000ff00000000ff00ff00ffffff21ff0b4e4554534"
                            "3415045322e3003000101002c0000000008000808000000"));
    file.close();
    AnimatedPicture picture;
    QVERIFY(picture.load(path));
    picture.show();
    QVERIFY(!picture.isDecoded());
    QVERIFY(!picture.isPlaying());
    QCOMPARE(picture.currentFrame().size(), QSize(40000, 60));
}

void TestAnimatedPicture::autoSizeTakesThePictureSize()
{
    AnimatedPicture picture;
    picture.resize(50, 30);
    QVERIFY(picture.load(fixture("green.gif")));
    QCOMPARE(picture.size(), QSize(50, 30));
    picture.setAutoSize(true);
    QCOMPARE(picture.size(), QSize(8, 8));
    picture.resize(50, 30);
    QVERIFY(picture.load(fixture("two-frames.gif")));
    QCOMPARE(picture.size(), QSize(8, 8));
}

void TestAnimatedPicture::placement_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("expected");

    QTest::newRow("top left: picture") << false << false << QPoint(2, 2) << green;
    QTest::newRow("top left: beside it") << false << false << QPoint(20, 20) << white;
    QTest::newRow("centred: middle") << false << true << QPoint(20, 20) << green;
    QTest::newRow("centred: corner") << false << true << QPoint(2, 2) << white;
    QTest::newRow("stretched: far corner") << true << false << QPoint(37, 37) << green;
    QTest::newRow("stretched wins over centred") << true << true << QPoint(2, 37) << green;
}

void TestAnimatedPicture::placement()
{
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, expected);

    AnimatedPicture picture;
    picture.resize(40, 40);
    setWindowColor(picture, Qt::white);
    picture.setStretch(stretch);
    picture.setCenter(center);
    QVERIFY(picture.load(fixture("green.gif")));
    picture.show();
    QCOMPARE(pixelOf(picture, pixel.x(), pixel.y()), expected);
}

void TestAnimatedPicture::transparentStillClearsItsKeyColour()
{
    QImage still(8, 8, QImage::Format_RGB32);
    still.fill(QColor(255, 0, 255));
    QPainter(&still).fillRect(2, 2, 4, 4, Qt::white);
    const QString file = m_dir.filePath(QStringLiteral("smiley.bmp"));
    QVERIFY(still.save(file, "BMP"));

    QWidget background;
    background.resize(20, 20);
    background.setAutoFillBackground(true);
    setWindowColor(background, Qt::red);
    auto *picture = new AnimatedPicture(&background);
    picture->setGeometry(0, 0, 8, 8);
    QVERIFY(picture->load(file));
    background.show();

    QCOMPARE(background.grab().toImage().pixel(0, 0), qRgb(255, 0, 255));
    picture->setTransparent(true);
    const QImage seen = background.grab().toImage();
    QCOMPARE(seen.pixel(0, 0), red);
    QCOMPARE(seen.pixel(3, 3), white);
}

void TestAnimatedPicture::hintLinesShowOnlyWhenHintIsOn()
{
    AnimatedPicture picture;
    picture.setHint(QStringLiteral("2\rStart X10 , Y20"));
    QCOMPARE(picture.toolTip(), QString());
    picture.setShowHint(true);
    QCOMPARE(picture.toolTip(), QStringLiteral("2\nStart X10 , Y20"));
    picture.setShowHint(false);
    QCOMPARE(picture.toolTip(), QString());
}

QTEST_MAIN(TestAnimatedPicture)
#include "tst_uianimatedpicture.moc"
