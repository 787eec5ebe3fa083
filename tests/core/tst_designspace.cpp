#include "storage/designspace.h"

#include <QTest>
#include <limits>

using namespace solvaro;

class TestDesignSpace : public QObject
{
    Q_OBJECT

private slots:
    void fromStored_data();
    void fromStored();
    void toStored_data();
    void toStored();
    void realFontSize_data();
    void realFontSize();
    void extremeValuesStayInRange_data();
    void extremeValuesStayInRange();
};

void TestDesignSpace::fromStored_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<int>("storedSize");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("size");

    QTest::newRow("half of the design screen")
        << QSize(1680, 1050) << QRect(200, 100, 600, 240) << 24 << QRect(100, 50, 300, 120) << 12;
    // 1366 × 100 / 3360 is about 40.65.
    QTest::newRow("cut toward zero")
        << QSize(1366, 768) << QRect(100, 100, 100, 100) << 100 << QRect(40, 36, 40, 36) << 40;
    QTest::newRow("full design width") << QSize(1680, 1050) << QRect(3360, 2100, 3360, 2100) << 3360
                                       << QRect(1680, 1050, 1680, 1050) << 1680;
    QTest::newRow("the design screen itself")
        << QSize(3360, 2100) << QRect(7, 9, 11, 13) << 17 << QRect(7, 9, 11, 13) << 17;
    QTest::newRow("negative values cut toward zero")
        << QSize(1366, 768) << QRect(-100, -100, 0, 0) << -100 << QRect(-40, -36, 0, 0) << -40;
    // The size multiplies by W / 3360 taken first, the geometry divides the
    // product: at 652 pixels, 2520 × (652 / 3360) falls a hair short of 489 in
    // extended precision while 652 × 2520 / 3360 is exactly 489.
    QTest::newRow("font size uses the factor first")
        << QSize(652, 400) << QRect(0, 0, 2520, 0) << 2520 << QRect(0, 0, 489, 0) << 488;
    // In double precision 105 × (864 / 3360) would give 26.999…; extended gives 27.
    QTest::newRow("font size in extended precision")
        << QSize(864, 600) << QRect(0, 0, 105, 0) << 105 << QRect(0, 0, 27, 0) << 27;
}

void TestDesignSpace::fromStored()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, stored);
    QFETCH(int, storedSize);
    QFETCH(QRect, pixels);
    QFETCH(int, size);

    const DesignSpace design(screen);
    QCOMPARE(design.rectFromStored(stored), pixels);
    QCOMPARE(design.leftFromStored(stored.x()), pixels.x());
    QCOMPARE(design.topFromStored(stored.y()), pixels.y());
    QCOMPARE(design.widthFromStored(stored.width()), pixels.width());
    QCOMPARE(design.heightFromStored(stored.height()), pixels.height());
    QCOMPARE(design.fontSizeFromStored(storedSize), size);
}

void TestDesignSpace::toStored_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("size");
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<int>("storedSize");

    QTest::newRow("half of the design screen")
        << QSize(1680, 1050) << QRect(100, 50, 300, 120) << 12 << QRect(200, 100, 600, 240) << 24;
    // (3360 / 1366) × 100 is about 245.97, (2100 / 768) × 50 = 136.72.
    QTest::newRow("cut toward zero")
        << QSize(1366, 768) << QRect(100, 50, 300, 120) << 12 << QRect(245, 136, 737, 328) << 29;
    // 3360 / 1440 is 2.333…; in extended precision it rounds down, so 27 pixels
    // give 62.999… and are stored as 62, not 63.
    QTest::newRow("extended precision, factor first")
        << QSize(1440, 900) << QRect(27, 0, 51, 0) << 54 << QRect(62, 0, 118, 0) << 125;
}

void TestDesignSpace::toStored()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, pixels);
    QFETCH(int, size);
    QFETCH(QRect, stored);
    QFETCH(int, storedSize);

    const DesignSpace design(screen);
    QCOMPARE(design.rectToStored(pixels), stored);
    QCOMPARE(design.leftToStored(pixels.x()), stored.x());
    QCOMPARE(design.topToStored(pixels.y()), stored.y());
    QCOMPARE(design.widthToStored(pixels.width()), stored.width());
    QCOMPARE(design.heightToStored(pixels.height()), stored.height());
    QCOMPARE(design.fontSizeToStored(size), storedSize);
}

void TestDesignSpace::realFontSize_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("size");

    QTest::newRow("fraction cut") << QSize(1680, 1050) << 17.5 << 8;
    QTest::newRow("whole") << QSize(1680, 1050) << 24.0 << 12;
    QTest::newRow("design screen keeps the integer part") << QSize(3360, 2100) << 17.9 << 17;
}

void TestDesignSpace::realFontSize()
{
    QFETCH(QSize, screen);
    QFETCH(double, stored);
    QFETCH(int, size);
    QCOMPARE(DesignSpace(screen).fontSizeFromStoredReal(stored), size);
}

void TestDesignSpace::extremeValuesStayInRange_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("stored");

    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    QTest::newRow("largest value on a wide screen") << QSize(6720, 4200) << max << max << max / 2;
    QTest::newRow("smallest value on a wide screen") << QSize(6720, 4200) << min << min << min / 2;
    QTest::newRow("largest value on a narrow screen") << QSize(1680, 1050) << max << max / 2 << max;
    QTest::newRow("smallest value on a narrow screen")
        << QSize(1680, 1050) << min << min / 2 << min;
    QTest::newRow("no screen at all") << QSize(0, 0) << 100 << 0 << max;
    QTest::newRow("zero on no screen") << QSize(0, 0) << 0 << 0 << 0;
}

void TestDesignSpace::extremeValuesStayInRange()
{
    QFETCH(QSize, screen);
    QFETCH(int, value);
    QFETCH(int, left);
    QFETCH(int, stored);

    const DesignSpace design(screen);
    QCOMPARE(design.leftFromStored(value), left);
    QCOMPARE(design.leftToStored(value), stored);
}

QTEST_APPLESS_MAIN(TestDesignSpace)
#include "tst_designspace.moc"
