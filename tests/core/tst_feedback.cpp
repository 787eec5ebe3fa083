#include "player/feedbackmedia.h"
#include "playerfixture.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;
using solvaro::globalSettings::EventSound;

class TestFeedback : public QObject
{
    Q_OBJECT

private slots:
    void soundTicks_data();
    void soundTicks();
    void busyRule_data();
    void busyRule();
    void stopCountdown();
    void rightAnswerAndSlide();
    void wrongAnswer();
    void missingSoundAdvancesAtOnce();
    void cockadeSlide();
    void missingCockadeEndsTheSlide();
    void bottomAnimationCrossesTheWorkArea_data();
    void bottomAnimationCrossesTheWorkArea();
    void solutionFeedback();
    void pupilModeRemovesTheFirstBottomAnimation();
    void teacherPreview();
};

void TestFeedback::soundTicks_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("played");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("after");
    QTest::newRow("2.35 seconds") << 0 << true << 2.35 << 23;
    QTest::newRow("replaces a count") << 40 << true << 1.0 << 10;
    QTest::newRow("shorter than a tick") << 0 << true << 0.05 << 20;
    QTest::newRow("header refused") << 0 << true << -1.0 << 20;
    QTest::newRow("header refused keeps a count") << 7 << true << -1.0 << 7;
    QTest::newRow("missing file") << 0 << false << 3.0 << 0;
    QTest::newRow("missing file keeps a count") << 12 << false << 3.0 << 12;
    // A header may claim hours (beyond what a tick count holds): the pupil
    // waits a minute at most.
    QTest::newRow("claims hours") << 0 << true << 7.0e8 << 600;
}

void TestFeedback::soundTicks()
{
    QFETCH(int, before);
    QFETCH(bool, played);
    QFETCH(double, seconds);
    QFETCH(int, after);
    SoundStart start { played, seconds < 0 ? std::nullopt : std::optional<double>(seconds) };
    QCOMPARE(soundTicksAfter(before, start), after);
}

void TestFeedback::busyRule_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("keepsExercise");
    QTest::newRow("idle") << "" << false << false;
    QTest::newRow("correct") << "correct" << true << true;
    QTest::newRow("wrong") << "wrong" << true << true;
    QTest::newRow("cockade") << "cockade" << true << true;
    QTest::newRow("panel") << "panel" << true << true;
    QTest::newRow("advance") << "advance" << true << true;
    QTest::newRow("sound") << "sound" << true << false;
}

void TestFeedback::busyRule()
{
    QFETCH(QString, flag);
    QFETCH(bool, busy);
    QFETCH(bool, keepsExercise);
    FeedbackFlags flags;
    flags.correctPending = flag == u"correct"_s;
    flags.wrongPending = flag == u"wrong"_s;
    flags.cockadeSliding = flag == u"cockade"_s;
    flags.panelSliding = flag == u"panel"_s;
    flags.advancePending = flag == u"advance"_s;
    flags.soundTicks = flag == u"sound"_s ? 4 : 0;
    QCOMPARE(flags.isBusy(), busy);
    QCOMPARE(flags.anyFlagSet(), keepsExercise);
}

void TestFeedback::stopCountdown()
{
    PlayerFixture f(u"C"_s, {}, { 5 });
    f.flags().soundTicks = 5;
    QVERIFY(f.player.stopCountdown());
    QCOMPARE(f.flags().soundTicks, 0);
    f.flags().soundTicks = 5;
    f.flags().panelSliding = true;
    QVERIFY(!f.player.stopCountdown());
    QCOMPARE(f.flags().soundTicks, 0);
}

void TestFeedback::rightAnswerAndSlide()
{
    PlayerFixture f(u"CC"_s, {}, { 5, 65 });
    f.groups[0] = QStringList { u"A"_s, u"B"_s };
    f.view.sounds[1] = { true, 0.3 };
    f.view.sounds[3] = { true, 0.2 };
    f.load(0);
    f.steps().answer(0);
    f.view.clear();

    f.player.tick();
    // The right answer is greeted, written and smiled at.
    QCOMPARE(f.view.playedSounds, QList<int> { int(EventSound::CorrectAnswer) });
    QCOMPARE(f.view.topAnimation, u"GIF1"_s);
    QCOMPARE(f.view.answerLabels.value(0), u"A"_s);
    QCOMPARE(f.view.smileys.value(0), u"SOL_IMG\\Smiley Verde.bmp"_s);
    QVERIFY(f.view.contains(u"bar 5"_s));
    QVERIFY(f.flags().advancePending);
    QCOMPARE(f.flags().soundTicks, 2);
    f.player.tick();
    f.player.tick();
    QCOMPARE(f.flags().soundTicks, 0);
    QVERIFY(f.player.isBusy());
    f.view.clear();

    // The sound has run out: the greeting ends, and the scroll sound and the
    // slide start at the same tick.
    f.player.tick();
    QVERIFY(f.view.topAnimation.isEmpty());
    QCOMPARE(f.view.playedSounds, QList<int> { int(EventSound::ButtonScroll) });
    QCOMPARE(f.view.starting(u"panel top"_s), QStringList { u"panel top 10"_s });
    QVERIFY(f.flags().panelSliding);
    int ticks = 1;
    while (f.steps().currentStep() == 0 && ticks < 100) {
        f.player.tick();
        ++ticks;
    }
    QStringList tops;
    for (int top = 10; top <= 65; top += 5)
        tops << u"panel top %1"_s.arg(top);
    QCOMPARE(f.view.starting(u"panel top"_s), tops);
    QCOMPARE(ticks, 13);
    QVERIFY(f.view.contains(u"panel 65"_s));
    QVERIFY(!f.flags().panelSliding);
    QCOMPARE(f.steps().questionPanelTop(), 65);
}

void TestFeedback::wrongAnswer()
{
    PlayerFixture f(u"CC"_s, {}, { 5, 65 });
    f.groups[0] = QStringList { u"A"_s, u"B"_s };
    f.view.sounds[2] = { true, 0.5 };
    f.load(0);
    f.steps().answer(1);
    QCOMPARE(f.flags().soundTicks, 5);
    f.view.clear();
    f.player.tick();
    // The wrong-answer sound starts again together with its animation.
    QCOMPARE(f.view.playedSounds, QList<int> { int(EventSound::WrongAnswer) });
    QCOMPARE(f.view.topAnimation, u"GIF2"_s);
    QVERIFY(!f.flags().wrongPending);
    QCOMPARE(f.tickUntilIdle(), 4);
    f.view.clear();
    f.player.tick();
    // The feedback ends and the pupil stays on the step.
    QVERIFY(f.view.topAnimation.isEmpty());
    QVERIFY(f.view.contains(u"sound stopped"_s));
    QVERIFY(f.view.playedSounds.isEmpty());
    QCOMPARE(f.steps().currentStep(), 0);
}

void TestFeedback::missingSoundAdvancesAtOnce()
{
    PlayerFixture f(u"CC"_s, {}, { 5, 10 });
    f.groups[0] = QStringList { u"A"_s };
    f.view.sounds[1] = { false, std::nullopt };
    f.view.sounds[3] = { false, std::nullopt };
    f.load(0);
    f.steps().answer(0);
    f.player.tick();
    QVERIFY(f.flags().panelSliding);
    QCOMPARE(f.steps().questionPanelTop(), 10);
    f.player.tick();
    QCOMPARE(f.steps().currentStep(), 1);
    QVERIFY(!f.player.isBusy());
}

void TestFeedback::cockadeSlide()
{
    PlayerFixture f(u"CCC"_s, {}, { 5, 65, 121 });
    f.groups[2] = QStringList { u"A"_s };
    f.load(0);
    f.steps().setCurrentStep(2);
    f.steps().NEXT_ROW();
    f.steps().answer(0);
    QVERIFY(f.flags().cockadeSliding);
    QCOMPARE(f.player.media().cockadeTop(), 0);
    for (int i = 0; i < 7; ++i)
        f.player.tick();
    QCOMPARE(f.view.starting(u"cockade top"_s),
        (QStringList { u"cockade top 18"_s, u"cockade top 36"_s, u"cockade top 54"_s,
            u"cockade top 72"_s, u"cockade top 90"_s, u"cockade top 108"_s }));
    QVERIFY(!f.flags().cockadeSliding);
}

void TestFeedback::missingCockadeEndsTheSlide()
{
    PlayerFixture f(u"C"_s, {}, { 300 });
    f.groups[0] = QStringList { u"A"_s };
    f.view.missingFiles << u"SOL_IMG\\coccarda.bmp"_s;
    f.player.setWorkAreaWidth(30);
    f.load(0);
    f.steps().answer(0);
    QVERIFY(f.flags().cockadeSliding);
    f.player.tick();
    QVERIFY(!f.flags().cockadeSliding);
    QVERIFY(f.view.starting(u"cockade"_s).isEmpty());
    QCOMPARE(f.tickUntilIdle(), 2);
}

void TestFeedback::bottomAnimationCrossesTheWorkArea_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1000 pixels") << 1000;
    QTest::newRow("wider than 1000 pixels") << 1400;
}

void TestFeedback::bottomAnimationCrossesTheWorkArea()
{
    QFETCH(int, width);
    PlayerFixture f(u"C"_s, {}, { 5 });
    f.groups[0] = QStringList { u"A"_s };
    f.player.setWorkAreaWidth(width);
    f.load(0);
    f.steps().answer(0);
    QCOMPARE(f.flags().soundTicks, width / 10);
    f.view.clear();
    f.player.tick();
    QCOMPARE(f.player.media().bottomLeft(), 10);
    f.player.tick();
    QCOMPARE(f.player.media().bottomLeft(), 20);
    for (int i = 2; i < width / 10; ++i)
        f.player.tick();
    QCOMPARE(f.player.media().bottomLeft(), width);
    QCOMPARE(f.view.starting(u"bottom left"_s).size(), width / 10);
    QVERIFY(!f.view.contains(u"bottom removed"_s));
    f.player.tick();
    QVERIFY(f.view.contains(u"bottom removed"_s));
    QVERIFY(!f.player.media().hasBottomAnimation());
}

void TestFeedback::solutionFeedback()
{
    PlayerFixture f(u"CC"_s, {}, { 5, 65 });
    f.view.sounds[4] = { true, 2.35 };
    f.load(0);
    QVERIFY(f.steps().requestSolution());
    QCOMPARE(f.flags().soundTicks, 23);
    QVERIFY(f.player.isBusy());
    f.view.clear();
    f.player.tick();
    f.player.tick();
    QCOMPARE(f.view.starting(u"bottom left"_s),
        (QStringList { u"bottom left 10"_s, u"bottom left 20"_s }));
    QCOMPARE(f.tickUntilIdle(), 21);
    QCOMPARE(f.steps().exerciseState(0), int(SolvedBySolution));
    QCOMPARE(f.steps().currentStep(), 2);
}

void TestFeedback::pupilModeRemovesTheFirstBottomAnimation()
{
    PlayerFixture f(u"C"_s, {}, { 5 });
    f.load(0);
    f.view.clear();
    f.player.GIFinit({});
    QCOMPARE(f.view.log, QStringList { u"bottom GIF5"_s });
    f.player.tick();
    QVERIFY(f.view.contains(u"bottom removed"_s));
    f.view.clear();
    f.player.tick();
    QVERIFY(f.view.log.isEmpty());
}

void TestFeedback::teacherPreview()
{
    PlayerFixture f(u"CF"_s, { u"AoB=X"_s }, { 5, 65 }, true);
    f.load(0);
    f.view.clear();
    f.player.GIFinit({ u"/i/g1.gif"_s, u"/i/g2.gif"_s, QString(), u"/i/g4.gif"_s });
    QCOMPARE(f.view.log, QStringList { u"bottom GIF5"_s });
    QStringList perTick;
    for (int tick = 0; tick < 41; ++tick) {
        f.view.clear();
        f.player.tick();
        if (!f.view.log.isEmpty())
            perTick << u"%1: %2"_s.arg(tick).arg(f.view.log.join(u", "_s));
    }
    QCOMPARE(perTick,
        (QStringList { u"0: top file /i/g1.gif"_s, u"10: top file /i/g2.gif, bottom GIF5"_s,
            u"20: bottom GIF5"_s, u"30: top file /i/g4.gif, bottom GIF6"_s,
            u"40: top file /i/g1.gif"_s }));
    QCOMPARE(f.player.preview().previewCounter(), 11);
    // The teacher's timer never judges nor slides.
    QVERIFY(!f.player.isBusy());
}

QTEST_APPLESS_MAIN(TestFeedback)
#include "tst_feedback.moc"
