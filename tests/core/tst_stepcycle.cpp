#include "player/evaluator.h"
#include "player/feedbackmedia.h"
#include "playerfixture.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;
using solvaro::globalSettings::EventSound;

namespace {

const QString aob = u"AoB=X"_s;
const QString verde = u"SOL_IMG\\Smiley Verde.bmp"_s;
const QString giallo = u"SOL_IMG\\Smiley Giallo.bmp"_s;
const QString rosso = u"SOL_IMG\\Smiley Rosso.bmp"_s;

} // namespace

class TestStepCycle : public QObject
{
    Q_OBJECT

private slots:
    void nothingSelected();
    void wrongAnswersThenRight();
    void hintsPerStep_data();
    void hintsPerStep();
    void helpCountsNoError();
    void onlyStepIsAQuestionGroup();
    void onlyFormulaSteps();
    void wrongFormula();
    void evaluatorErrorsCountNothing_data();
    void evaluatorErrorsCountNothing();
    void staleSelectionDoesNotJudgeAFormula();
    void secondPressWhileAdvancingIgnored();
    void labelsPassForTheTeacher();
    void solutionRefusedWhileBusy();
    void solutionShown();
    void solvedExerciseShownSolvedAgain();
    void smileyFiles_data();
    void smileyFiles();
    void roadThroughAnExercise();
};

void TestStepCycle::nothingSelected()
{
    PlayerFixture f(u"CC"_s, {}, { 5, 65 });
    f.load(0);
    f.view.clear();
    f.steps().answer(-1);
    QCOMPARE(f.steps().totalErrors(), 0);
    QCOMPARE(f.steps().currentStep(), 0);
    QVERIFY(!f.player.isBusy());
    // Nothing judged: no sound, no smiley, the hint put away.
    QVERIFY(f.view.playedSounds.isEmpty());
    QVERIFY(f.view.smileys.isEmpty());
    QVERIFY(f.view.hint.isEmpty());
}

void TestStepCycle::wrongAnswersThenRight()
{
    PlayerFixture f(u"CC"_s, {}, { 5, 65 });
    f.groups[0] = QStringList { u"A"_s, u"B"_s, u"C"_s };
    f.draws = { 2 };
    f.load(0, { QString(), u"Leggi bene"_s, {} });
    QCOMPARE(f.view.shownOptions, (QStringList { u"C"_s, u"B"_s, u"A"_s }));
    QCOMPARE(f.steps().correctIndex(), 2);

    for (int i = 1; i <= 3; ++i) {
        f.steps().answer(0);
        QVERIFY(f.flags().wrongPending);
        QCOMPARE(f.steps().totalErrors(), i);
        f.tickUntilIdle();
    }
    QCOMPARE(f.view.count(u"hint Leggi bene"_s), 3);
    QCOMPARE(f.view.count(u"errors ERRORS 3"_s), 1);
    QCOMPARE(f.steps().errorsText(), u"ERRORS 3"_s);

    f.steps().answer(2);
    QVERIFY(f.flags().correctPending);
    QCOMPARE(f.steps().stepErrors().at(0), 3);
    QCOMPARE(f.steps().totalErrors(), 3);
    f.tickUntilIdle();
    QCOMPARE(f.steps().currentStep(), 1);
    QVERIFY(f.view.contains(u"smiley 0 %1 5"_s.arg(giallo)));
    QVERIFY(f.view.contains(u"label 0 A"_s));
}

void TestStepCycle::hintsPerStep_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("hint");
    QTest::newRow("first") << 0 << "Conta le mele";
    QTest::newRow("second") << 1 << "Rileggi il testo";
    QTest::newRow("beyond the texts") << 2 << "?";
}

void TestStepCycle::hintsPerStep()
{
    QFETCH(int, step);
    QFETCH(QString, hint);
    PlayerFixture f(u"CCC"_s, {}, { 5, 65, 125 });
    f.groups[step] = QStringList { u"A"_s, u"B"_s };
    f.load(0, { u"h0|h1|h2"_s, u"Conta le mele|Rileggi il testo"_s, {} });
    f.steps().setCurrentStep(step);
    f.steps().NEXT_ROW();
    f.steps().answer(1);
    QVERIFY(f.view.contains(u"hint "_s + hint));
    QCOMPARE(f.steps().stepErrors().at(step), 1);
}

void TestStepCycle::helpCountsNoError()
{
    PlayerFixture f(u"CF"_s, { aob }, { 5, 65 });
    f.load(0, { u"Guarda la figura|Somma"_s, QString(), { u"12+7"_s } });
    f.view.clear();
    f.steps().showHelp();
    QCOMPARE(f.view.log, QStringList { u"hint Guarda la figura"_s });
    QCOMPARE(f.steps().totalErrors(), 0);
    QVERIFY(!f.player.isBusy());
}

void TestStepCycle::onlyStepIsAQuestionGroup()
{
    PlayerFixture f(u"C"_s, {}, { 5 });
    f.groups[0] = QStringList { u"Giusta"_s, u"Sbagliata"_s };
    f.draws = { 1 };
    f.load(0);
    f.view.clear();
    f.steps().answer(1);
    QCOMPARE(f.steps().exerciseState(0), int(SolvedByPupil));
    QCOMPARE(f.view.solvedCounter, 1);
    QCOMPARE(f.steps().currentStep(), 1);
    QCOMPARE(f.flags().soundTicks, 70);
    QVERIFY(f.flags().cockadeSliding);
    QVERIFY(!f.flags().correctPending);
    // The exercise is crowned: the exercise-ended sound and animations, the
    // cockade, the smiley and the chosen answer; the question panel goes.
    QCOMPARE(f.view.playedSounds, QList<int> { int(EventSound::ExerciseEnded) });
    QCOMPARE(f.view.topAnimation, u"GIF4"_s);
    QCOMPARE(f.view.bottomAnimation, u"GIF6"_s);
    QCOMPARE(f.view.cockade, u"SOL_IMG\\coccarda.bmp"_s);
    QCOMPARE(f.view.smileys.value(0), verde);
    QCOMPARE(f.view.answerLabels.value(0), u"Giusta"_s);
    QVERIFY(!f.view.questionPanelShown);
    QVERIFY(f.view.contains(u"scroll 65"_s));
    QCOMPARE(f.steps().answerLabel(0), std::optional<QString>(u"Giusta"_s));
}

void TestStepCycle::onlyFormulaSteps()
{
    PlayerFixture f(u"F"_s, { aob }, { 5 });
    f.load(0, { QString(), QString(), { u"12+7"_s } });
    f.type(0, { u"7"_s, u"+"_s, u"12"_s, u"="_s, u"19"_s });
    f.view.clear();
    f.steps().answer(-1);
    // A formula row gets no answer label, and its smiley rises with its panel.
    QCOMPARE(f.view.solvedCounter, 1);
    QCOMPARE(f.steps().exerciseState(0), int(SolvedByPupil));
    QVERIFY(f.view.contains(u"smiley 0 %1 -5"_s.arg(verde)));
    QVERIFY(f.view.starting(u"label"_s).isEmpty());
    QVERIFY(!f.steps().answerLabel(0));
}

void TestStepCycle::wrongFormula()
{
    PlayerFixture f(u"F"_s, { aob }, { 5 });
    f.load(0, { QString(), u"Controlla il risultato"_s, { u"12+7"_s } });
    f.type(0, { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"20"_s });
    f.view.clear();
    f.steps().answer(-1);
    QCOMPARE(f.view.errorsText, u"ERRORS 1"_s);
    QCOMPARE(f.view.hint, u"Controlla il risultato"_s);
    QCOMPARE(f.view.playedSounds, QList<int> { int(EventSound::WrongAnswer) });
    QCOMPARE(f.steps().stepErrors().at(0), 1);
    QVERIFY(f.flags().wrongPending);
    QCOMPARE(f.steps().currentStep(), 0);
    QVERIFY(f.player.formulas().row(0).field(1)->enabled);
}

void TestStepCycle::evaluatorErrorsCountNothing_data()
{
    QTest::addColumn<QStringList>("pupil");
    QTest::newRow("division by zero") << QStringList { u"6"_s, u":"_s, u"0"_s, u"="_s, u"3"_s };
    QTest::newRow("lone separator") << QStringList { u","_s, u":"_s, u"2"_s, u"="_s, u"3"_s };
}

void TestStepCycle::evaluatorErrorsCountNothing()
{
    QFETCH(QStringList, pupil);
    PlayerFixture f(u"F"_s, { aob }, { 5 });
    f.load(0, { QString(), QString(), { u"6:2"_s } });
    f.type(0, pupil);
    f.view.clear();
    QVERIFY_THROWS_EXCEPTION(ExpressionError, f.steps().answer(-1));
    QCOMPARE(f.steps().totalErrors(), 0);
    QCOMPARE(f.steps().stepErrors().at(0), 0);
    QVERIFY(!f.player.isBusy());
    // No feedback and no error shown.
    QVERIFY(f.view.playedSounds.isEmpty());
    QVERIFY(f.view.starting(u"errors"_s).isEmpty());
    QVERIFY(f.view.hint.isEmpty());
}

void TestStepCycle::staleSelectionDoesNotJudgeAFormula()
{
    PlayerFixture f(u"FC"_s, { aob }, { 5, 61 });
    f.groups[1] = QStringList { u"A"_s, u"B"_s };
    f.draws = { 1 };
    const ExerciseTexts texts { QString(), QString(), { u"12+7"_s } };
    f.load(0, texts);
    f.type(0, { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s });
    f.steps().answer(-1);
    f.tickUntilIdle();
    QCOMPARE(f.steps().currentStep(), 1);
    f.steps().answer(0);
    QCOMPARE(f.steps().totalErrors(), 1);
    f.tickUntilIdle();

    // The next exercise starts with the formula while the radio group still
    // holds the wrong option chosen before.
    f.load(1, texts);
    f.type(0, { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s });
    f.steps().answer(0);
    QCOMPARE(f.steps().totalErrors(), 0);
    QVERIFY(f.flags().correctPending);
    QVERIFY(!f.flags().wrongPending);
}

void TestStepCycle::secondPressWhileAdvancingIgnored()
{
    PlayerFixture f(u"CC"_s, {}, { 5, 65 });
    f.groups[0] = QStringList { u"A"_s, u"B"_s };
    f.load(0);
    f.steps().answer(0);
    f.player.tick();
    QVERIFY(f.flags().advancePending);
    f.steps().answer(0);
    QVERIFY(!f.flags().correctPending);
    f.tickUntilIdle();
    QCOMPARE(f.steps().currentStep(), 1);
    QCOMPARE(f.view.count(u"sound 1"_s), 1);
    QCOMPARE(f.view.solvedCounter, 0);
}

void TestStepCycle::labelsPassForTheTeacher()
{
    PlayerFixture f(u"CFC"_s, { aob }, { 5, 65, 121 }, true);
    QList<int> loaded;
    f.player.setQuestionGroupLoader([&loaded](int step) {
        loaded << step;
        return QuestionGroup { { u"Prima"_s, u"Seconda"_s }, {} };
    });
    f.load(0);
    QCOMPARE(loaded, (QList<int> { 0, 2 }));
    QCOMPARE(f.view.starting(u"label"_s),
        (QStringList { u"label 0 QUESTION GROUP N.0"_s, u"label 2 QUESTION GROUP N.1"_s }));
    QCOMPARE(f.view.starting(u"smiley"_s).size(), 3);
    QCOMPARE(f.steps().currentStep(), 3);
    QCOMPARE(f.steps().correctIndex(), 0);
    for (const FormulaRow &row : f.player.formulas().rows())
        QVERIFY(row.panelVisible);
}

void TestStepCycle::solutionRefusedWhileBusy()
{
    PlayerFixture f(u"CF"_s, { aob }, { 5, 65 });
    f.load(0, { QString(), QString(), { u"12+7"_s } });
    f.flags().soundTicks = 3;
    f.view.clear();
    QVERIFY(!f.steps().requestSolution());
    QCOMPARE(f.steps().exerciseState(0), int(NotSolved));
    QVERIFY(f.view.log.isEmpty());
}

void TestStepCycle::solutionShown()
{
    PlayerFixture f(u"CF"_s, { aob }, { 5, 65 });
    f.groups[0] = QStringList { u"Giusta"_s, u"Sbagliata"_s };
    f.draws = { 1 };
    f.load(0, { QString(), QString(), { u"12+7"_s } });
    f.steps().answer(0);
    f.tickUntilIdle();
    f.view.clear();

    QVERIFY(f.steps().requestSolution());
    QCOMPARE(f.steps().exerciseState(0), int(SolvedBySolution));
    QCOMPARE(f.steps().currentStep(), 2);
    QCOMPARE(f.view.solvedCounter, 0);
    QCOMPARE(f.view.log.first(), u"scroll 1000"_s);
    QVERIFY(f.view.contains(u"label 0 Giusta"_s));
    QCOMPARE(f.view.starting(u"smiley"_s),
        (QStringList { u"smiley 0 %1 5"_s.arg(giallo), u"smiley 1 %1 55"_s.arg(giallo) }));
    QCOMPARE(f.view.starting(u"cockade"_s), QStringList { u"cockade SOL_IMG\\coccardaHElp.bmp"_s });
    QVERIFY(f.view.contains(u"bottom GIF5"_s));
    QVERIFY(f.view.contains(u"sound 4"_s));
    QVERIFY(f.view.contains(u"top GIF4"_s));
    QVERIFY(f.flags().cockadeSliding);
    const FormulaRow &row = f.player.formulas().row(0);
    QVERIFY(row.panelVisible);
    QCOMPARE(row.field(5)->text, u"19"_s);
    QCOMPARE(row.field(2)->text, u"+"_s);
    QVERIFY(!row.field(1)->enabled);
}

void TestStepCycle::solvedExerciseShownSolvedAgain()
{
    PlayerFixture f(u"CF"_s, { aob }, { 5, 65 });
    f.groups[0] = QStringList { u"Giusta"_s, u"Sbagliata"_s };
    const ExerciseTexts texts { QString(), QString(), { u"12+7"_s } };
    f.load(0, texts);
    f.steps().answer(0);
    f.tickUntilIdle();
    f.type(0, { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s });
    f.steps().answer(-1);
    f.tickUntilIdle();
    QCOMPARE(f.steps().exerciseState(0), int(SolvedByPupil));

    f.load(1, texts);
    QCOMPARE(f.steps().currentStep(), 0);
    QCOMPARE(f.player.formulas().row(0).field(5)->text, QString());
    f.view.clear();
    f.load(0, texts);
    QCOMPARE(f.steps().currentStep(), 2);
    QVERIFY(f.view.contains(u"label 0 Giusta"_s));
    QVERIFY(f.view.contains(u"cockade SOL_IMG\\coccarda.bmp"_s));
    QVERIFY(f.view.contains(u"panel hidden"_s));
    QVERIFY(f.view.starting(u"sound"_s).isEmpty());
    const FormulaRow &row = f.player.formulas().row(0);
    QVERIFY(row.panelVisible);
    QCOMPARE(row.field(5)->text, u"19"_s);
    QVERIFY(!row.field(5)->enabled);
    QCOMPARE(f.steps().totalErrors(), 0);
}

void TestStepCycle::smileyFiles_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("file");
    QTest::newRow("no error") << 0 << 3 << verde;
    QTest::newRow("one error") << 1 << 3 << giallo;
    QTest::newRow("three errors") << 3 << 3 << giallo;
    QTest::newRow("four errors") << 4 << 3 << rosso;
    QTest::newRow("many errors") << 12 << 0 << rosso;
    QTest::newRow("solution shown, no error") << 0 << 4 << giallo;
    QTest::newRow("solution shown, many errors") << 7 << 4 << giallo;
}

void TestStepCycle::smileyFiles()
{
    QFETCH(int, errors);
    QFETCH(int, state);
    QFETCH(QString, file);
    QCOMPARE(smileyFile(errors, ExerciseState(state)), file);
}

void TestStepCycle::roadThroughAnExercise()
{
    // A question group, a formula and an equivalence, as |CF|E lays them out.
    PlayerFixture f(u"CFE"_s, { aob, u"Yo?Xo"_s }, { 5, 65, 154 });
    f.groups[0]
        = QStringList { u"Marco ha 19 mele"_s, u"Marco ha 5 mele"_s, u"Marco ha 12 mele"_s };
    f.draws = { 1 };
    f.player.setWorkAreaWidth(700);
    f.load(0,
        { u"Leggi il testo|Somma le mele|Un km sono mille metri"_s,
            u"Non e' questa|Controlla il risultato|Guarda le unita'"_s,
            { u"12+7"_s, u"3 km = 3000 m"_s } });
    QCOMPARE(f.view.shownOptions,
        (QStringList { u"Marco ha 5 mele"_s, u"Marco ha 19 mele"_s, u"Marco ha 12 mele"_s }));

    // Step 0: a wrong option, help, the right option.
    f.steps().answer(2);
    QVERIFY(f.view.contains(u"hint Non e' questa"_s));
    f.tickUntilIdle();
    f.steps().showHelp();
    QVERIFY(f.view.contains(u"hint Leggi il testo"_s));
    f.steps().answer(1);
    f.tickUntilIdle();
    QCOMPARE(f.steps().currentStep(), 1);
    QVERIFY(f.view.contains(u"label 0 Marco ha 19 mele"_s));
    QVERIFY(f.player.formulas().row(0).panelVisible);
    QVERIFY(!f.player.formulas().row(1).panelVisible);

    // Step 1: the operator from the menu, the operands turned round and a
    // wrong result, then the right one.
    QCOMPARE(f.steps().currentFormulaIndex(), 0);
    QVERIFY(f.player.formulas().OperandoClick(2, f.steps().kindOf(1), false));
    QVERIFY(f.player.formulas().N1Click(0, f.steps().currentFormulaIndex()));
    f.type(0, { u"7"_s });
    f.player.formulas().row(0).field(3)->text = u"12"_s;
    f.player.formulas().row(0).field(5)->text = u"20"_s;
    f.steps().answer(1);
    QCOMPARE(f.steps().errorsText(), u"ERRORS 2"_s);
    QVERIFY(f.view.contains(u"hint Controlla il risultato"_s));
    f.tickUntilIdle();
    f.type(0, { u"7"_s, u"+"_s, u"12"_s, u"="_s, u"19"_s });
    f.steps().answer(1);
    QVERIFY(f.flags().correctPending);
    f.tickUntilIdle();
    QCOMPARE(f.steps().currentStep(), 2);
    QVERIFY(f.player.formulas().row(1).panelVisible);
    QVERIFY(f.player.formulas().row(1).field(1)->enabled);
    QCOMPARE(f.steps().currentFormulaIndex(), 1);
    QVERIFY(!f.player.formulas().OperandoClick(3, f.steps().kindOf(2), false));

    // Step 2: the unit typed in capitals is still right; the exercise ends.
    f.type(1, { u"3"_s, u"KM"_s, u"="_s, u"3000"_s, u"m"_s });
    f.view.clear();
    f.steps().answer(1);
    QCOMPARE(f.steps().exerciseState(0), int(SolvedByPupil));
    QCOMPARE(f.view.solvedCounter, 1);
    QCOMPARE(f.steps().stepErrors(), (QVector<int> { 1, 1, 0, 0 }));
    QCOMPARE(f.steps().totalErrors(), 2);
    QVERIFY(f.view.contains(u"cockade SOL_IMG\\coccarda.bmp"_s));
    QVERIFY(f.view.contains(u"sound 5"_s));
    QVERIFY(f.view.contains(u"top GIF4"_s));
    QVERIFY(f.view.contains(u"bottom GIF6"_s));
    QCOMPARE(f.flags().soundTicks, 70);

    // One tick per 10 pixels of the work area; the next takes the animations away.
    QCOMPARE(f.tickUntilIdle(), 70);
    QCOMPARE(f.player.media().cockadeTop(), 126);
    QVERIFY(!f.view.contains(u"bottom removed"_s));
    f.player.tick();
    QVERIFY(f.view.contains(u"bottom removed"_s));
    QVERIFY(f.view.contains(u"sound stopped"_s));
    QCOMPARE(f.view.starting(u"smiley"_s), (QStringList { u"smiley 2 %1 144"_s.arg(verde) }));
    for (const FormulaRow &row : f.player.formulas().rows()) {
        for (const FormulaField &field : row.fields)
            QVERIFY(!field.enabled);
    }
    // A finished exercise takes no more answers.
    f.view.clear();
    f.steps().answer(1);
    QCOMPARE(f.view.log, QStringList { u"hint hidden"_s });
}

QTEST_APPLESS_MAIN(TestStepCycle)
#include "tst_stepcycle.moc"
