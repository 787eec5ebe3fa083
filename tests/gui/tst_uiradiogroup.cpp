#include "ui/radiogroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace solvaro;

namespace {

QStringList options(int count, const QString &text = QStringLiteral("option"))
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << QStringLiteral("%1 %2").arg(text).arg(i + 1);
    return result;
}

QFont pixelFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

class TestRadioGroup : public QObject
{
    Q_OBJECT

private slots:
    void heightFitsEveryItem_data();
    void heightFitsEveryItem();
    void growsWithTheFont();
    void isAtLeastAsWideAsTheWidestItem();
    void keepsAWiderWidthItWasGiven();
    void itemsFromOneTextWithLineBreaks();
    void newItemsClearTheChoice();
    void clickingAnItemChoosesIt();
};

void TestRadioGroup::heightFitsEveryItem_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
    QTest::newRow("nine") << 9;
}

void TestRadioGroup::heightFitsEveryItem()
{
    QFETCH(int, count);
    QWidget window;
    auto *group = new RadioGroup(&window);
    group->setFont(pixelFont(16));
    group->setItems(options(count));
    window.show();

    QCOMPARE(group->count(), count);
    const QList<QRadioButton *> buttons = group->findChildren<QRadioButton *>();
    QCOMPARE(buttons.size(), count);
    for (const QRadioButton *button : buttons) {
        QVERIFY(group->rect().contains(button->geometry()));
        QVERIFY(button->height() >= button->sizeHint().height());
    }
    // No more than a small margin below the last item.
    const QRadioButton *last = buttons.constLast();
    QVERIFY(group->height() - last->geometry().bottom() < 12);
}

void TestRadioGroup::growsWithTheFont()
{
    RadioGroup group;
    group.resize(10, 10);
    group.setFont(pixelFont(10));
    group.setItems(options(4));
    const QSize small = group.size();
    group.setFont(pixelFont(30));
    QVERIFY(group.height() > small.height() * 2);
    QVERIFY(group.width() > small.width());
}

void TestRadioGroup::isAtLeastAsWideAsTheWidestItem()
{
    RadioGroup group;
    group.resize(20, 20);
    group.setFont(pixelFont(16));
    const QString longest = QStringLiteral("a rather long answer among short ones");
    group.setItems({ QStringLiteral("a"), longest, QStringLiteral("b") });
    const QFontMetrics metrics(group.font());
    QVERIFY(group.width() > metrics.horizontalAdvance(longest));
}

void TestRadioGroup::keepsAWiderWidthItWasGiven()
{
    RadioGroup group;
    group.resize(600, 20);
    group.setItems(options(2));
    QCOMPARE(group.width(), 600);
}

void TestRadioGroup::itemsFromOneTextWithLineBreaks()
{
    RadioGroup group;
    group.setItemsText(QStringLiteral("7 apples\r\n5 pears\r\n2 plums"));
    QCOMPARE(group.items(),
        QStringList(
            { QStringLiteral("7 apples"), QStringLiteral("5 pears"), QStringLiteral("2 plums") }));
    QCOMPARE(group.itemText(1), QStringLiteral("5 pears"));
    QCOMPARE(group.itemText(3), QString());
}

void TestRadioGroup::newItemsClearTheChoice()
{
    RadioGroup group;
    group.setItems(options(3));
    QCOMPARE(group.itemIndex(), -1);
    group.setItemIndex(2);
    QCOMPARE(group.itemIndex(), 2);
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    group.setItemIndex(1);
    group.setItems(options(3, QStringLiteral("other")));
    QCOMPARE(group.itemIndex(), -1);
}

void TestRadioGroup::clickingAnItemChoosesIt()
{
    QWidget window;
    auto *group = new RadioGroup(&window);
    group->setItems(options(3));
    window.show();
    QSignalSpy chosen(group, &RadioGroup::itemChosen);
    QRadioButton *second = group->findChildren<QRadioButton *>().at(1);
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, second->height() / 2));
    QCOMPARE(group->itemIndex(), 1);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 1);
}

QTEST_MAIN(TestRadioGroup)
#include "tst_uiradiogroup.moc"
