#include "player/exercisetexts.h"
#include "player/formulasteps.h"
#include "playerfixture.h"
#include "storage/datafolders.h"
#include "storage/inifile.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

// Every exercise of the sample installation, answered with its own expected
// texts and correct options, ends solved without an error: the sample's
// schemes, patterns, question groups and teacher's formulas fit together.
class TestSampleSolutions : public QObject
{
    Q_OBJECT

private slots:
    void everyExerciseSolves_data();
    void everyExerciseSolves();
};

void TestSampleSolutions::everyExerciseSolves_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QChar>("separator");
    const DataFolders folders(QStringLiteral(SOLVARO_SAMPLE_DIR));
    const IniFile global(folders.globalSettingsFile());
    for (int sheet = 0; global.keyExists(u"COMMONAREA"_s, u"SHEET_%1"_s.arg(sheet)); ++sheet) {
        const int count = global.readInteger(u"COMMONAREA"_s, u"MAX%1"_s.arg(sheet), 0);
        for (int exercise = 0; exercise < count; ++exercise) {
            for (const QChar separator : { QChar(u','), QChar(u'.') }) {
                QTest::addRow(
                    "sheet %d exercise %d separator %c", sheet, exercise, char(separator.unicode()))
                    << sheet << exercise << separator;
            }
        }
    }
}

void TestSampleSolutions::everyExerciseSolves()
{
    QFETCH(int, sheet);
    QFETCH(int, exercise);
    QFETCH(QChar, separator);
    const DataFolders folders(QStringLiteral(SOLVARO_SAMPLE_DIR));
    const IniFile global(folders.globalSettingsFile(), separator);
    const QString fileName
        = global.readString(u"COMMONAREA"_s, u"INI_FILE%1"_s.arg(sheet), QString());
    const IniFile exerciseFile(folders.resolve(fileName), separator);
    const QString section = QString::number(exercise);

    PlayerViewRecorder view;
    PlayerLogic player(view);
    player.setDecimalSeparator(separator);
    player.setWorkAreaWidth(700);
    player.setRandom([](int bound) { return bound - 1; });
    player.setQuestionGroupLoader(
        [&](int step) { return Load_COMBO(exerciseFile, section, step, LookFont(), 1680); });
    player.prepareSheet(SET_SCHEMA(global, exerciseFile, sheet, exercise));
    const Scheme &scheme = player.xSCHEMA();
    QVERIFY(scheme.stepCount > 0);
    player.loadExercise(exercise, readExerciseTexts(exerciseFile, section, scheme.formulaCount));

    StepCycle &steps = player.steps();
    for (int step = 0; step < scheme.stepCount; ++step) {
        QCOMPARE(steps.currentStep(), step);
        const QChar kind = steps.kindOf(step);
        if (isFormulaKind(kind)) {
            FormulaRow &row = player.formulas().row(QualeFormula(step, scheme.stepKinds));
            for (FormulaField &field : row.fields) {
                QVERIFY2(!field.expectedText.isEmpty(),
                    qPrintable(u"position %1"_s.arg(field.position)));
                field.text = field.expectedText;
            }
            // The pupil picks operators from the menu, which writes X and :.
            for (FormulaField &field : row.fields) {
                if (field.signFlag)
                    field.text.replace(u'*', u'X').replace(u'/', u':');
            }
        }
        steps.answer(steps.correctIndex());
        while (player.isBusy())
            player.tick();
    }
    QCOMPARE(steps.exerciseState(exercise), int(SolvedByPupil));
    QCOMPARE(steps.totalErrors(), 0);
    QCOMPARE(view.solvedCounter, 1);
}

QTEST_APPLESS_MAIN(TestSampleSolutions)
#include "tst_samplesolutions.moc"
