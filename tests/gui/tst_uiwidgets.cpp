#include "ui/hintwindow.h"
#include "ui/memo.h"
#include "ui/mouseevents.h"
#include "ui/scrollbox.h"
#include "ui/tabstrip.h"
#include "ui/textlabel.h"
#include "ui/widgetdialogs.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace solvaro;

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void numberedCaptions_data();
    void numberedCaptions();
    void fillingTabsIsSilent();
    void userChangeTellsTheTabLeftThenTheTabChosen();

    void memoSpeaksCrLf();

    void labelAlignment_data();
    void labelAlignment();
    void labelTransparency();

    void hintShowsWrappedTextAtThePointUntilHidden();

    void scrollBoxContentGrowsAndShrinksWithChildren();
    void scrollPositionsAreClamped();

    void mouseEventsBecomeSignals();

    void fontDialogOpensOnTheFontShown();
};

void TestWidgets::numberedCaptions_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first") << 0 << "01";
    QTest::newRow("ninth") << 8 << "09";
    QTest::newRow("tenth") << 9 << "10";
    QTest::newRow("hundredth") << 99 << "100";
}

void TestWidgets::numberedCaptions()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QCOMPARE(TabStrip::numberedCaption(index), caption);
}

void TestWidgets::fillingTabsIsSilent()
{
    TabStrip tabs;
    QSignalSpy leaving(&tabs, &TabStrip::tabLeaving);
    QSignalSpy changed(&tabs, &TabStrip::tabChanged);
    tabs.setNumberedTabs(14);
    QCOMPARE(tabs.count(), 14);
    QCOMPARE(tabs.tabText(13), QStringLiteral("14"));
    QCOMPARE(tabs.currentIndex(), 0);
    tabs.addNumberedTab();
    QCOMPARE(tabs.tabText(14), QStringLiteral("15"));
    tabs.selectTab(5);
    QCOMPARE(tabs.currentIndex(), 5);
    tabs.setNumberedTabs(3);
    QCOMPARE(tabs.count(), 3);
    QCOMPARE(tabs.currentIndex(), 0);
    tabs.clearTabs();
    QCOMPARE(tabs.count(), 0);
    QCOMPARE(leaving.size(), 0);
    QCOMPARE(changed.size(), 0);
}

void TestWidgets::userChangeTellsTheTabLeftThenTheTabChosen()
{
    TabStrip tabs;
    tabs.setNumberedTabs(5);
    tabs.selectTab(1);
    tabs.show();
    QStringList told;
    connect(&tabs, &TabStrip::tabLeaving, this,
        [&](int index) { told << QStringLiteral("leaving %1").arg(index); });
    connect(&tabs, &TabStrip::tabChanged, this,
        [&](int index) { told << QStringLiteral("changed %1").arg(index); });

    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(3).center());
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(0).center());

    QCOMPARE(told,
        QStringList({ QStringLiteral("leaving 1"), QStringLiteral("changed 3"),
            QStringLiteral("leaving 3"), QStringLiteral("changed 0") }));
}

void TestWidgets::memoSpeaksCrLf()
{
    Memo memo;
    memo.setText(QStringLiteral("uno\r\ndue\r\ntre"));
    QCOMPARE(memo.lines(),
        QStringList({ QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre") }));
    QCOMPARE(memo.toPlainText(), QStringLiteral("uno\ndue\ntre"));
    QCOMPARE(memo.text(), QStringLiteral("uno\r\ndue\r\ntre"));
    memo.setLines({ QStringLiteral("a"), QString(), QStringLiteral("b") });
    QCOMPARE(memo.text(), QStringLiteral("a\r\n\r\nb"));
    memo.setText(QString());
    QCOMPARE(memo.lines(), QStringList());
}

void TestWidgets::labelAlignment_data()
{
    QTest::addColumn<TextAlignment>("alignment");
    QTest::addColumn<int>("third");
    QTest::newRow("left") << TextAlignment::LeftJustify << 0;
    QTest::newRow("centre") << TextAlignment::Center << 1;
    QTest::newRow("right") << TextAlignment::RightJustify << 2;
}

void TestWidgets::labelAlignment()
{
    QFETCH(TextAlignment, alignment);
    QFETCH(int, third);
    TextLabel label;
    label.resize(300, 40);
    label.setTransparent(false);
    label.setBackgroundColor(Qt::white);
    label.setTextColor(Qt::black);
    label.setCaption(QStringLiteral("II"));
    label.setTextAlignment(alignment);
    QCOMPARE(label.textAlignment(), alignment);

    const QImage image = label.grab().toImage();
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    QVERIFY(right >= 0);
    QCOMPARE(left / 100, third);
    QCOMPARE(right / 100, third);
}

void TestWidgets::labelTransparency()
{
    QWidget background;
    background.resize(60, 30);
    background.setAutoFillBackground(true);
    QPalette colors = background.palette();
    colors.setColor(QPalette::Window, Qt::red);
    background.setPalette(colors);
    auto *label = new TextLabel(&background);
    label->setGeometry(0, 0, 60, 30);
    label->setCaption(QStringLiteral("a\r\nb"));
    QCOMPARE(label->text(), QStringLiteral("a\nb"));
    QCOMPARE(label->caption(), QStringLiteral("a\r\nb"));
    label->setBackgroundColor(Qt::blue);

    QVERIFY(label->isTransparent());
    QCOMPARE(background.grab().toImage().pixel(58, 28), qRgb(255, 0, 0));
    label->setTransparent(false);
    QCOMPARE(background.grab().toImage().pixel(58, 28), qRgb(0, 0, 255));
}

void TestWidgets::hintShowsWrappedTextAtThePointUntilHidden()
{
    HintWindow hint;
    hint.setMaxTextWidth(100);
    hint.showHint(QStringLiteral("short"), QPoint(40, 60));
    QVERIFY(hint.isVisible());
    QCOMPARE(hint.pos(), QPoint(40, 60));
    QCOMPARE(hint.text(), QStringLiteral("short"));
    const QSize oneLine = hint.size();

    hint.showHint(QStringLiteral("a much longer help text that cannot fit on one short line"),
        QPoint(10, 10));
    QVERIFY(hint.width() <= 100 + 20);
    QVERIFY(hint.height() > oneLine.height() * 2);

    hint.showHint(QStringLiteral("one\r\ntwo"), QPoint(10, 10));
    QCOMPARE(hint.text(), QStringLiteral("one\ntwo"));

    hint.hideHint();
    QVERIFY(!hint.isVisible());
}

void TestWidgets::scrollBoxContentGrowsAndShrinksWithChildren()
{
    ScrollBox box;
    box.resize(200, 200);
    box.show();
    auto *child = new QWidget(box.content());
    child->setGeometry(0, 900, 100, 100);
    child->show();
    QVERIFY(box.content()->height() >= 1000);
    QVERIFY(box.verticalScrollBar()->maximum() > 0);

    child->move(0, 10);
    QCOMPARE(box.content()->height(), box.viewport()->height());
    QCOMPARE(box.verticalScrollBar()->maximum(), 0);

    child->setGeometry(0, 10, 100, 600);
    QVERIFY(box.content()->height() >= 610);
    child->hide();
    QCOMPARE(box.content()->height(), box.viewport()->height());
    child->show();
    delete child;
    QCOMPARE(box.content()->height(), box.viewport()->height());
}

void TestWidgets::scrollPositionsAreClamped()
{
    ScrollBox box;
    box.resize(200, 200);
    box.show();
    auto *child = new QWidget(box.content());
    child->setGeometry(0, 0, 100, 700);
    child->show();
    const int maximum = box.verticalScrollBar()->maximum();
    QVERIFY(maximum > 0);

    box.setVerticalPosition(5000);
    QCOMPARE(box.verticalPosition(), maximum);
    box.scrollToTop();
    QCOMPARE(box.verticalPosition(), 0);
    box.scrollLines(2);
    QCOMPARE(box.verticalPosition(), 2 * box.verticalScrollBar()->singleStep());
    box.scrollLines(-5);
    QCOMPARE(box.verticalPosition(), 0);
}

void TestWidgets::mouseEventsBecomeSignals()
{
    TextLabel label;
    label.resize(50, 50);
    label.show();
    MouseEvents *events = MouseEvents::of(&label);
    QCOMPARE(MouseEvents::of(&label), events);
    QVERIFY(label.hasMouseTracking());

    QList<Qt::MouseButton> pressed;
    QList<QPoint> released;
    connect(events, &MouseEvents::pressed, this,
        [&](QMouseEvent *event) { pressed << event->button(); });
    connect(events, &MouseEvents::released, this,
        [&](QMouseEvent *event) { released << event->position().toPoint(); });
    QTest::mousePress(&label, Qt::RightButton, {}, QPoint(5, 6));
    QTest::mouseRelease(&label, Qt::RightButton, {}, QPoint(7, 8));
    QCOMPARE(pressed, QList<Qt::MouseButton>({ Qt::RightButton }));
    QCOMPARE(released, QList<QPoint>({ QPoint(7, 8) }));
}

void TestWidgets::fontDialogOpensOnTheFontShown()
{
    // A look written elsewhere names a family this machine may not have.
    QFont element(QStringLiteral("Comic Sans MS"));
    element.setPointSize(15);
    element.setBold(true);
    const QFont start = fontDialogStart(element);
    const QFontDialog dialog(start);
    QCOMPARE(dialog.currentFont().family(), QFontInfo(element).family());
    QVERIFY(dialog.currentFont().bold());
    QCOMPARE(dialog.currentFont().pointSize(), 15);

    // Confirmed without a change the element keeps its font; a change is taken.
    QCOMPARE(fontDialogChoice(element, start, dialog.currentFont()), element);
    QFont italic = dialog.currentFont();
    italic.setItalic(true);
    QCOMPARE(fontDialogChoice(element, start, italic), italic);
}

QTEST_MAIN(TestWidgets)
#include "tst_uiwidgets.moc"
