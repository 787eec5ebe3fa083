#include "home/gifmotion.h"

#include <QTest>

#include <limits>

using namespace solvaro;

// The motion of the home page's pictures along their paths.
class TestSkinMotion : public QObject
{
    Q_OBJECT

private slots:
    void horizontalPathRestartsOncePastTheEnd();
    void slantedPathFollowsTheLine();
    void verticalPathUpwards();
    void endTest_data();
    void endTest();
    void stepDirection_data();
    void stepDirection();
    void extremeValuesDoNotOverflow();
};

void TestSkinMotion::horizontalPathRestartsOncePastTheEnd()
{
    const GifPath path { 100, 50, 400, 50, 5 };
    QPoint position = path.start();
    int ticks = 0;
    for (;;) {
        const GifStep step = stepAlongPath(path, position);
        ++ticks;
        if (step.restarted) {
            QCOMPARE(step.position, QPoint(100, 50));
            break;
        }
        QCOMPARE(step.position, position + QPoint(5, 0));
        position = step.position;
        QVERIFY(ticks < 100);
    }
    // 100 + 5 × 61 = 405 is the first left beyond 400.
    QCOMPARE(ticks, 61);
    QCOMPARE(position, QPoint(400, 50));
}

void TestSkinMotion::slantedPathFollowsTheLine()
{
    const GifPath path { 100, 300, 400, 100, 10 };
    QPoint position = path.start();
    GifStep step = stepAlongPath(path, position);
    QCOMPARE(step.position.x(), 110);
    // 300 - 200 / 300.0001 × 10, cut toward zero.
    QCOMPARE(step.position.y(), 293);
    QVERIFY(!step.restarted);

    position = QPoint(400, 100);
    step = stepAlongPath(path, position);
    QVERIFY(step.restarted);
    QCOMPARE(step.position, QPoint(100, 300));
}

void TestSkinMotion::verticalPathUpwards()
{
    GifPath path { 200, 500, 200, 100, 0 };
    path.DX = solvaro::directedStep(path, 7);
    QCOMPARE(path.DX, -7);

    QPoint position = path.start();
    int ticks = 0;
    for (;;) {
        const GifStep step = stepAlongPath(path, position);
        ++ticks;
        if (step.restarted)
            break;
        QCOMPARE(step.position, position + QPoint(0, -7));
        position = step.position;
        QVERIFY(ticks < 100);
    }
    // 500 - 7 × 58 = 94 is the first top above 100.
    QCOMPARE(ticks, 58);
}

void TestSkinMotion::endTest_data()
{
    QTest::addColumn<GifPath>("path");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<bool>("restarted");

    QTest::newRow("rightwards, at the end")
        << GifPath { 0, 0, 100, 0, 1 } << QPoint(99, 0) << false;
    QTest::newRow("rightwards, past it") << GifPath { 0, 0, 100, 0, 1 } << QPoint(100, 0) << true;
    QTest::newRow("leftwards, at the end") << GifPath { 100, 0, 0, 0, -1 } << QPoint(1, 0) << false;
    QTest::newRow("leftwards, past it") << GifPath { 100, 0, 0, 0, -1 } << QPoint(0, 0) << true;
    QTest::newRow("downwards, past it") << GifPath { 5, 0, 5, 100, 2 } << QPoint(5, 99) << true;
    QTest::newRow("a standing step never ends")
        << GifPath { 5, 0, 5, 100, 0 } << QPoint(5, 500) << false;
    // A step against the path's direction walks away and never comes back.
    QTest::newRow("wrong way on a horizontal path")
        << GifPath { 0, 0, 100, 0, -3 } << QPoint(0, 0) << false;
}

void TestSkinMotion::endTest()
{
    QFETCH(GifPath, path);
    QFETCH(QPoint, from);
    QFETCH(bool, restarted);

    const GifStep step = stepAlongPath(path, from);
    QCOMPARE(step.restarted, restarted);
    if (restarted)
        QCOMPARE(step.position, path.start());
}

void TestSkinMotion::stepDirection_data()
{
    QTest::addColumn<GifPath>("path");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("step");

    QTest::newRow("rightwards") << GifPath { 0, 0, 10, 0, 0 } << 4 << 4;
    QTest::newRow("leftwards") << GifPath { 10, 0, 0, 0, 0 } << 4 << -4;
    QTest::newRow("leftwards and down") << GifPath { 10, 0, 0, 50, 0 } << 4 << -4;
    QTest::newRow("down") << GifPath { 3, 0, 3, 10, 0 } << 4 << 4;
    QTest::newRow("up") << GifPath { 3, 10, 3, 0, 0 } << 4 << -4;
    QTest::newRow("start and end the same") << GifPath { 3, 3, 3, 3, 0 } << 4 << 4;
}

void TestSkinMotion::stepDirection()
{
    QFETCH(GifPath, path);
    QFETCH(int, speed);
    QFETCH(int, step);
    QCOMPARE(solvaro::directedStep(path, speed), step);
}

void TestSkinMotion::extremeValuesDoNotOverflow()
{
    const int big = std::numeric_limits<int>::max();
    const GifPath path { 0, 0, big, big, big };
    const GifStep step = stepAlongPath(path, QPoint(big - 1, 0));
    QCOMPARE(step.position.x(), big);
    QVERIFY(!step.restarted);
}

QTEST_APPLESS_MAIN(TestSkinMotion)
#include "tst_skinmotion.moc"
