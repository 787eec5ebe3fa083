#include "storage/colornumber.h"

#include <QTest>
#include <limits>

using namespace solvaro;

namespace {

// A palette where every role has a colour of its own, so that a wrong role
// cannot pass by chance.
QPalette distinctPalette()
{
    QPalette palette;
    int shade = 10;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role == QPalette::NoRole)
            continue;
        for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled }) {
            palette.setColor(group, static_cast<QPalette::ColorRole>(role),
                QColor(shade, 255 - shade, group * 40));
        }
        shade += 9;
    }
    return palette;
}

} // namespace

class TestColorNumber : public QObject
{
    Q_OBJECT

private slots:
    void plainColors_data();
    void plainColors();
    void systemColors_data();
    void systemColors();
    void unknownSystemIndexIsBlack();
    void noColorIsTransparent();
    void plainNumbers_data();
    void plainNumbers();
};

void TestColorNumber::plainColors_data()
{
    QTest::addColumn<qint32>("number");
    QTest::addColumn<QColor>("color");
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("red is the low byte") << 255 << QColor(255, 0, 0);
    QTest::newRow("green") << 256 * 128 << QColor(0, 128, 0);
    QTest::newRow("blue is the high byte") << 65536 * 200 << QColor(0, 0, 200);
    QTest::newRow("gray of the answer labels") << 8421504 << QColor(128, 128, 128);
    QTest::newRow("teal") << 8421376 << QColor(0, 128, 128);
    QTest::newRow("palette-relative bits are ignored") << 0x02000080 << QColor(128, 0, 0);
}

void TestColorNumber::plainColors()
{
    QFETCH(qint32, number);
    QFETCH(QColor, color);
    QCOMPARE(colorFromNumber(number, distinctPalette()), color);
    QVERIFY(!isSystemColorNumber(number));
}

void TestColorNumber::systemColors_data()
{
    QTest::addColumn<qint32>("number");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");

    // The button face is written -2147483633 in the files.
    QTest::newRow("button face") << -2147483633 << int(QPalette::Active) << int(QPalette::Button);
    QTest::newRow("window is the text background")
        << clWindow << int(QPalette::Active) << int(QPalette::Base);
    QTest::newRow("window text") << clWindowText << int(QPalette::Active) << int(QPalette::Text);
    QTest::newRow("inactive caption of the section bands")
        << clInactiveCaption << int(QPalette::Active) << int(QPalette::Mid);
    QTest::newRow("highlight") << systemColorNumber(SystemColor::Highlight) << int(QPalette::Active)
                               << int(QPalette::Highlight);
    QTest::newRow("highlight text") << systemColorNumber(SystemColor::HighlightText)
                                    << int(QPalette::Active) << int(QPalette::HighlightedText);
    QTest::newRow("button text") << systemColorNumber(SystemColor::ButtonText)
                                 << int(QPalette::Active) << int(QPalette::ButtonText);
    QTest::newRow("button shadow") << systemColorNumber(SystemColor::ButtonShadow)
                                   << int(QPalette::Active) << int(QPalette::Dark);
    QTest::newRow("button highlight") << systemColorNumber(SystemColor::ButtonHighlight)
                                      << int(QPalette::Active) << int(QPalette::Light);
    QTest::newRow("dark shadow") << systemColorNumber(SystemColor::DarkShadow3D)
                                 << int(QPalette::Active) << int(QPalette::Shadow);
    QTest::newRow("gray text") << systemColorNumber(SystemColor::GrayText)
                               << int(QPalette::Disabled) << int(QPalette::Text);
    QTest::newRow("info background") << systemColorNumber(SystemColor::InfoBackground)
                                     << int(QPalette::Active) << int(QPalette::ToolTipBase);
    QTest::newRow("menu") << systemColorNumber(SystemColor::Menu) << int(QPalette::Active)
                          << int(QPalette::Window);
    QTest::newRow("hot light") << systemColorNumber(SystemColor::HotLight) << int(QPalette::Active)
                               << int(QPalette::Link);
}

void TestColorNumber::systemColors()
{
    QFETCH(qint32, number);
    QFETCH(int, group);
    QFETCH(int, role);

    const QPalette palette = distinctPalette();
    QVERIFY(isSystemColorNumber(number));
    QCOMPARE(colorFromNumber(number, palette),
        palette.color(
            static_cast<QPalette::ColorGroup>(group), static_cast<QPalette::ColorRole>(role)));
}

void TestColorNumber::unknownSystemIndexIsBlack()
{
    const QPalette palette = distinctPalette();
    QCOMPARE(colorFromNumber(static_cast<qint32>(0x80000019u), palette), QColor(0, 0, 0));
    QCOMPARE(colorFromNumber(static_cast<qint32>(0x800000FFu), palette), QColor(0, 0, 0));
    QCOMPARE(colorFromNumber(std::numeric_limits<qint32>::min(), palette),
        palette.color(QPalette::Active, QPalette::Button));
}

void TestColorNumber::noColorIsTransparent()
{
    QCOMPARE(colorFromNumber(clNone, distinctPalette()).alpha(), 0);
    QCOMPARE(numberFromColor(QColor(Qt::transparent)), clNone);
}

void TestColorNumber::plainNumbers_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<qint32>("number");
    QTest::newRow("white") << QColor(255, 255, 255) << 16777215;
    QTest::newRow("mixed") << QColor(1, 2, 3) << 1 + 2 * 256 + 3 * 65536;
    QTest::newRow("half transparent keeps its colour")
        << QColor(10, 20, 30, 128) << 10 + 20 * 256 + 30 * 65536;
    QTest::newRow("colour given as HSV") << QColor(QColor(0, 0, 255).toHsv()) << 255 * 65536;
    QTest::newRow("invalid reads as black") << QColor() << 0;
}

void TestColorNumber::plainNumbers()
{
    QFETCH(QColor, color);
    QFETCH(qint32, number);
    QCOMPARE(numberFromColor(color), number);
    if (color.isValid() && color.alpha() == 255)
        QCOMPARE(colorFromNumber(number, QPalette()), color.toRgb());
}

QTEST_APPLESS_MAIN(TestColorNumber)
#include "tst_colornumber.moc"
