#include "tst_playerfixture.h"

#include "player/formulasteps.h"
#include "storage/colornumber.h"
#include "ui/fillpanel.h"
#include "ui/hintwindow.h"
#include "ui/lookwidgets.h"
#include "ui/speedbutton.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

// The pupil's road through the exercise player on the sample installation:
// every kind of step answered wrong and right, hints, feedback, the end of an
// exercise, the solution, moving between exercises and the page commands.
class TestPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pupilSolvesTheFirstExercise_data();
    void pupilSolvesTheFirstExercise();
    void lastStepCrownsTheExercise_data();
    void lastStepCrownsTheExercise();
    void problemScreenShowsTheExercise();
    void eachExerciseShowsItsOwnBands();
    void fieldMarksShowOnTheWidgets_data();
    void fieldMarksShowOnTheWidgets();
    void numberFieldsTakeTheDecimalSeparator();
    void tabChangeDuringFeedbackIsIgnored();
    void hintBelongsToItsStep();
    void solutionFillsInEveryStep();
    void solutionIsRefusedWhileBusy();
    void expectedValuesShowInTheirShortestForm();
    void evaluatorErrorsReachTheErrorBox_data();
    void evaluatorErrorsReachTheErrorBox();
    void unworkableTeachersFormulaCannotBeAnswered_data();
    void unworkableTeachersFormulaCannotBeAnswered();
    void unreadablePictureIsToldOverItsExercise();
    void generalHelpShowsTheExercisesText();
    void homeClosesThePlayerUnlessBusy();
    void otherCommandsKeepThePageOpen();
    void leavingAnExerciseSavesTheProgress();
    void sheetWithoutExercisesGoesBackHome();

private:
    PlayerProgram &program() { return *m_program; }
    TFormP3 *player() { return m_program->player(); }
    StepCycle &steps() { return player()->logic().steps(); }
    // Enters one formula step: operator captions from the menu, "=" left alone,
    // everything else typed.
    void enterFormula(int formula, const QStringList &entries);
    // Answers step 0 of exercise 0 of sheet 0 right and leaves the feedback
    // running.
    void answerFirstStepRight();
    // Answers the question groups before the formula of sheet 0 right.
    void answerQuestionsRight(int exercise);
    // Answers the current step of exercise 0 of a sheet right and presses OK.
    void answerStepRight(int sheet, const QList<QStringList> &right);

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<PlayerProgram> m_program;
};

void TestPlayer::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
    m_program = std::make_unique<PlayerProgram>(*m_installation);
}

void TestPlayer::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestPlayer::enterFormula(int formula, const QStringList &entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        const int position = i + 1;
        pLMDedit *field = program().field(formula, position);
        QVERIFY(field);
        if (!field->signFlag())
            program().type(formula, position, entries.at(i));
        else if (entries.at(i) != u"="_s)
            program().chooseOperator(formula, position, entries.at(i));
    }
}

void TestPlayer::answerFirstStepRight()
{
    program().openSheet(0);
    const int right = program().shownOptions().indexOf(program().correctOption(0, 0, 0));
    program().chooseOption(right);
    program().pressOk();
    QVERIFY(player()->isBusy());
}

void TestPlayer::answerQuestionsRight(int exercise)
{
    for (int step = 0; step < 2; ++step) {
        program().chooseOption(
            program().shownOptions().indexOf(program().correctOption(0, exercise, step)));
        program().pressOk();
        program().tickUntilIdle();
    }
    QCOMPARE(steps().currentStep(), 2);
}

void TestPlayer::answerStepRight(int sheet, const QList<QStringList> &right)
{
    const int step = steps().currentStep();
    if (steps().kindOf(step) == stepKind::questionGroup) {
        program().chooseOption(
            program().shownOptions().indexOf(program().correctOption(sheet, 0, step)));
    } else {
        const int formula = QualeFormula(step, player()->logic().xSCHEMA().stepKinds);
        enterFormula(formula, right.at(formula));
    }
    program().pressOk();
}

void TestPlayer::pupilSolvesTheFirstExercise_data()
{
    QTest::addColumn<int>("sheet");
    // Per formula step: a wrong answer and the right one.
    QTest::addColumn<QList<QStringList>>("wrong");
    QTest::addColumn<QList<QStringList>>("right");

    QTest::newRow("addition") << 0
                              << QList<QStringList> { { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"20"_s } }
                              << QList<QStringList> { { u"7"_s, u"+"_s, u"12"_s, u"="_s,
                                     u"19"_s } };
    QTest::newRow("two operations")
        << 1 << QList<QStringList> { { u"4"_s, u"X"_s, u"6"_s, u"+"_s, u"5"_s, u"="_s, u"29"_s } }
        << QList<QStringList> { { u"4"_s, u"X"_s, u"6"_s, u"_"_s, u"5"_s, u"="_s, u"19"_s } };
    QTest::newRow("equivalences")
        << 2
        << QList<QStringList> { { u"3"_s, u"m"_s, u"="_s, u"3"_s, u"dm"_s },
               { u"3"_s, u"m"_s, u"="_s, u"300"_s, u"dm"_s } }
        << QList<QStringList> { { u"3"_s, u"m"_s, u"="_s, u"30"_s, u"dm"_s },
               { u"3"_s, u"m"_s, u"="_s, u"300"_s, u"cm"_s } };
}

void TestPlayer::pupilSolvesTheFirstExercise()
{
    QFETCH(int, sheet);
    QFETCH(QList<QStringList>, wrong);
    QFETCH(QList<QStringList>, right);

    program().openSheet(sheet);
    QCOMPARE(program().main()->FD->currentPage(), player());
    const int stepCount = steps().stepCount();
    QVERIFY(stepCount >= 3);
    const QStringList helpLines = program().readExerciseKey(sheet, 0, u"MSG_HLP"_s).split(u'|');
    const QStringList errorLines = program().readExerciseKey(sheet, 0, u"MSG_ERR"_s).split(u'|');
    // Step 0 costs four errors (red smiley), step 1 none (green), the others
    // one each (yellow).
    const auto wrongAttempts = [](int step) { return step == 0 ? 4 : step == 1 ? 0 : 1; };
    int errors = 0;

    for (int step = 0; step < stepCount; ++step) {
        QCOMPARE(steps().currentStep(), step);
        const QChar kind = steps().kindOf(step);
        const int formula = QualeFormula(step, player()->logic().xSCHEMA().stepKinds);
        QVERIFY(!player()->E1sp->isHidden());
        QCOMPARE(player()->E1sp->y(), steps().stepTop(step));

        player()->H1->click();
        QCOMPARE(player()->msg->text(), helpLines.value(step));
        QCOMPARE(steps().totalErrors(), errors);

        int rightOption = -1;
        if (kind == stepKind::questionGroup) {
            QCOMPARE(player()->E1sp->height(), 250);
            rightOption = program().shownOptions().indexOf(program().correctOption(sheet, 0, step));
            QVERIFY(rightOption >= 0);
        } else {
            // The question panel shrinks to its buttons beside the formula row.
            QCOMPARE(player()->E1sp->height(), player()->B1->height() + 2);
            QVERIFY(player()->formulaPanels.at(formula)->isVisible());
        }

        for (int attempt = 0; attempt < wrongAttempts(step); ++attempt) {
            if (kind == stepKind::questionGroup) {
                program().chooseOption((rightOption + 1) % program().shownOptions().size());
            } else {
                enterFormula(formula, wrong.at(formula));
            }
            program().pressOk();
            ++errors;
            QCOMPARE(player()->errorsLabel->caption(), u"ERRORS %1"_s.arg(errors));
            QCOMPARE(player()->msg->text(), errorLines.value(step));
            QCOMPARE(program().sound.last(), u"Oops.wav"_s);
            player()->Timer1Timer();
            QVERIFY(!player()->GifTop->isHidden());
            QCOMPARE(pictureName(player()->GifTop), u"Riprova.gif"_s);
            program().settle();
            QVERIFY(player()->GifTop->isHidden());
            QCOMPARE(steps().currentStep(), step);
        }

        if (kind == stepKind::questionGroup)
            program().chooseOption(rightOption);
        else
            enterFormula(formula, right.at(formula));
        program().pressOk();
        QCOMPARE(steps().totalErrors(), errors);
        if (step + 1 < stepCount) {
            player()->Timer1Timer();
            QCOMPARE(program().sound.last(), u"Bravo.wav"_s);
            QCOMPARE(pictureName(player()->GifTop), u"Pollice.gif"_s);
            QVERIFY(player()->smileyImages.at(step));
            if (kind == stepKind::questionGroup) {
                QVERIFY(player()->answerLabels.at(step));
                QCOMPARE(player()->answerLabels.at(step)->caption(),
                    program().correctOption(sheet, 0, step));
            }
            const int ticks = program().tickUntilIdle();
            // The panel slides 5 pixels a tick to the next step.
            QVERIFY(ticks >= (steps().stepTop(step + 1) - steps().stepTop(step)) / 5);
            QVERIFY(program().sound.played.contains(u"Whoosh.wav"_s));
            continue;
        }

        // The last step solves the exercise (lastStepCrownsTheExercise).
        QCOMPARE(steps().exerciseState(0), int(SolvedByPupil));
        QCOMPARE(program().main()->solvedExercises, 1);
        QCOMPARE(program().sound.last(), u"Fanfara.wav"_s);
        program().settle();
    }

    QCOMPARE(player()->errorsLabel->caption(), u"ERRORS %1"_s.arg(errors));
    QCOMPARE(steps().stepErrors().mid(0, stepCount), ([&] {
        QVector<int> expected;
        for (int step = 0; step < stepCount; ++step)
            expected << wrongAttempts(step);
        return expected;
    }()));
    QCOMPARE(pictureName(player()->smileyImages.at(0)), u"Smiley Rosso.bmp"_s);
    QCOMPARE(pictureName(player()->smileyImages.at(1)), u"Smiley Verde.bmp"_s);
    QCOMPARE(pictureName(player()->smileyImages.at(2)), u"Smiley Giallo.bmp"_s);
    // A right step cannot be changed any more.
    for (const QPointer<pLMDedit> &field : player()->formulaInputs.last())
        QVERIFY(!field->isEnabled());
}

void TestPlayer::lastStepCrownsTheExercise_data()
{
    pupilSolvesTheFirstExercise_data();
}

void TestPlayer::lastStepCrownsTheExercise()
{
    QFETCH(int, sheet);
    QFETCH(QList<QStringList>, right);

    program().openSheet(sheet);
    const int stepCount = steps().stepCount();
    for (int step = 0; step + 1 < stepCount; ++step) {
        answerStepRight(sheet, right);
        program().tickUntilIdle();
    }
    answerStepRight(sheet, right);

    QCOMPARE(steps().exerciseState(0), int(SolvedByPupil));
    QCOMPARE(program().main()->solvedExercises, 1);
    QCOMPARE(program().sound.last(), u"Fanfara.wav"_s);
    QVERIFY(player()->E1sp->isHidden());
    QVERIFY(!player()->GifTop->isHidden());
    QCOMPARE(pictureName(player()->GifTop), u"Stella.gif"_s);
    QVERIFY(player()->bottomAnimator);
    QCOMPARE(pictureName(player()->bottomAnimator), u"Palla.gif"_s);
    QVERIFY(player()->cockadeImage);
    QCOMPARE(pictureName(player()->cockadeImage), u"coccarda.bmp"_s);
    QCOMPARE(player()->cockadeImage->y(), 0);
    QCOMPARE(
        player()->cockadeImage->x(), player()->LMDFill0->width() - player()->cockadeImage->width());

    player()->Timer1Timer();
    QCOMPARE(player()->cockadeImage->y(), 18);
    QCOMPARE(player()->bottomAnimator->x(), 10);
    player()->Timer1Timer();
    QCOMPARE(player()->cockadeImage->y(), 36);
    QCOMPARE(player()->bottomAnimator->x(), 20);
    QCOMPARE(player()->bottomAnimator->y(),
        player()->LMDFill0->height() - player()->bottomAnimator->height() - 10);
    // The bottom animation crosses the work area, ten pixels a tick; the
    // next tick takes the animations away.
    QCOMPARE(program().tickUntilIdle() + 2, player()->LMDFill0->width() / 10);
    QCOMPARE(player()->bottomAnimator->x(), player()->LMDFill0->width());
    player()->Timer1Timer();
    QVERIFY(!player()->bottomAnimator);
    QVERIFY(player()->GifTop->isHidden());
    const int lastTop = steps().stepTop(stepCount - 1);
    QVERIFY(player()->cockadeImage->y() >= lastTop - 30);
    QVERIFY(player()->cockadeImage->y() < lastTop - 30 + 18);
}

void TestPlayer::problemScreenShowsTheExercise()
{
    program().openSheet(0);
    const QString problem
        = decodeLineBreaks(program().readExerciseKey(0, 0, u"LMDtesto.Caption"_s));
    QVERIFY(!problem.isEmpty());
    QCOMPARE(player()->LMDtesto->caption(), problem);
    QCOMPARE(player()->sheetLabel->caption(), u"SHEET 1"_s);
    QCOMPARE(player()->exerciseLabel->caption(), u"EXERCISE 1/6"_s);
    QCOMPARE(player()->errorsLabel->caption(), u"ERRORS 0"_s);
    QCOMPARE(program().main()->TabEserc->count(), 6);
    QCOMPARE(program().main()->TabEserc->tabText(5), u"06"_s);
    // The picture from the design space (60, 30) on a 1680 x 1050 screen.
    QVERIFY(player()->LMDimage->hasPicture());
    QCOMPARE(player()->LMDimage->pos(), QPoint(30, 15));
    QCOMPARE(player()->LMDimage->size(), QSize(180, 144));
    QCOMPARE(player()->imagePath, m_installation->path(u"SOL_IMG/Figurine.bmp"_s));
    // The top animation from "GIFtop", hidden until an answer.
    QCOMPARE(player()->GifTop->pos(), QPoint(1240, 20));
    QVERIFY(player()->GifTop->isHidden());
    // The bands under each other, the section bands from their records.
    QCOMPARE(player()->LMDmessg->y(), 5);
    QCOMPARE(player()->LMDtestp->y(), 55);
    QCOMPARE(player()->LMDFill0->y(), player()->LMDtestp->y() + player()->LMDtestp->height());
    // The work area's sheet-wide record names its fill picture.
    QCOMPARE(QFileInfo(fillPicturePath(player()->LMDFill0)).fileName(), u"Quaderno.bmp"_s);
    QVERIFY(!player()->LMDFill0->picture().isNull());
    QCOMPARE(player()->sectionBands.size(), 2);
    QCOMPARE(player()->sectionBands.at(0)->caption(),
        program().readExerciseKey(0, 0, u"SEZIONE0.Caption"_s));
    QCOMPARE(player()->sectionBands.at(1)->y(), player()->logic().xSCHEMA().sectionTops.at(1));
    // Pupil mode: one formula panel, hidden until its step.
    QCOMPARE(player()->formulaPanels.size(), 1);
    QVERIFY(player()->formulaPanels.at(0)->isHidden());
    QCOMPARE(player()->formulaPanels.at(0)->objectName(), u"FORMULA_PNL0"_s);
    // The first question group, its correct option somewhere among the three.
    QCOMPARE(program().shownOptions().size(), 3);
    QVERIFY(program().shownOptions().contains(program().correctOption(0, 0, 0)));
    QCOMPARE(player()->B1->caption(), u"OK"_s);
}

void TestPlayer::eachExerciseShowsItsOwnBands()
{
    {
        IniFile file(program().exerciseFile(0));
        file.writeString(u"1"_s, u"SEZIONE0.Caption"_s, u"Altra sezione"_s);
        file.writeInteger(u"1"_s, u"SEZIONE0.Font.Color"_s, 255);
        file.updateFile();
    }
    program().openSheet(0);
    const QString first = player()->sectionBands.at(0)->caption();
    const QColor firstColor = player()->sectionBands.at(0)->captionColor();
    program().selectExercise(1);
    QCOMPARE(player()->sectionBands.at(0)->caption(), u"Altra sezione"_s);
    QCOMPARE(player()->sectionBands.at(0)->captionColor(), QColor(255, 0, 0));
    program().selectExercise(0);
    QCOMPARE(player()->sectionBands.at(0)->caption(), first);
    QCOMPARE(player()->sectionBands.at(0)->captionColor(), firstColor);

    // A record changed on disk shows at the next load of its exercise.
    {
        IniFile file(program().exerciseFile(0));
        file.writeString(u"0"_s, u"SEZIONE1.Caption"_s, u"Nuova"_s);
        file.updateFile();
    }
    program().selectExercise(2);
    program().selectExercise(0);
    QCOMPARE(player()->sectionBands.at(1)->caption(), u"Nuova"_s);
}

void TestPlayer::fieldMarksShowOnTheWidgets_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("right");
    // Per field: r red (wrong), y yellow, t themed (right).
    QTest::addColumn<QString>("marks");

    QTest::newRow("swapped addition")
        << QStringList { u"7"_s, u"+"_s, u"12"_s, u"="_s, u"19"_s } << true << u"tytyt"_s;
    QTest::newRow("wrong result") << QStringList { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"20"_s }
                                  << false << u"tytyr"_s;
    QTest::newRow("wrong operator")
        << QStringList { u"12"_s, u"_"_s, u"7"_s, u"="_s, u"5"_s } << false << u"trtyr"_s;
    QTest::newRow("wrong number") << QStringList { u"13"_s, u"+"_s, u"7"_s, u"="_s, u"20"_s }
                                  << false << u"rytyr"_s;
    QTest::newRow("empty operator")
        << QStringList { u"12"_s, QString(), u"7"_s, u"="_s, u"19"_s } << false << u"trtyt"_s;
}

void TestPlayer::fieldMarksShowOnTheWidgets()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, right);
    QFETCH(QString, marks);

    program().openSheet(0);
    for (int step = 0; step < 2; ++step) {
        program().chooseOption(
            program().shownOptions().indexOf(program().correctOption(0, 0, step)));
        program().pressOk();
        program().tickUntilIdle();
    }
    QCOMPARE(steps().currentStep(), 2);
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).isEmpty())
            continue;
        if (program().field(0, i + 1)->signFlag()) {
            if (entries.at(i) != u"="_s)
                program().chooseOperator(0, i + 1, entries.at(i));
        } else {
            program().type(0, i + 1, entries.at(i));
        }
    }
    program().pressOk();
    QCOMPARE(steps().exerciseState(0) == SolvedByPupil, right);
    QCOMPARE(steps().totalErrors(), right ? 0 : 1);
    for (int i = 0; i < marks.size(); ++i) {
        const pLMDedit *field = program().field(0, i + 1);
        const QColor base = field->palette().color(QPalette::Base);
        switch (marks.at(i).unicode()) {
        case u'r':
            QVERIFY2(!field->themed(), qPrintable(u"field %1"_s.arg(i + 1)));
            QCOMPARE(base, QColor(255, 0, 0));
            break;
        case u'y':
            QVERIFY(!field->themed());
            QCOMPARE(base, QColor(255, 255, 0));
            break;
        default:
            // The themed look shows the style's own background.
            QVERIFY2(field->themed(), qPrintable(u"field %1"_s.arg(i + 1)));
            QCOMPARE(base,
                QApplication::palette(field).color(
                    field->palette().currentColorGroup(), QPalette::Base));
            break;
        }
        // A wrong step keeps its fields open for another try.
        QCOMPARE(field->isEnabled(), !right);
    }
}

void TestPlayer::numberFieldsTakeTheDecimalSeparator()
{
    program().openSheet(2);
    program().chooseOption(program().shownOptions().indexOf(program().correctOption(2, 0, 0)));
    program().pressOk();
    program().tickUntilIdle();
    QCOMPARE(steps().currentStep(), 1);
    program().type(0, 1, u"1.5a"_s);
    QCOMPARE(program().field(0, 1)->text(), u"1,5"_s);
    // Units take only their lower-case letters, three at most.
    program().type(0, 2, u"K5kmmm"_s);
    QCOMPARE(program().field(0, 2)->text(), u"kmm"_s);
    // The model behind the field follows what was typed.
    QCOMPARE(player()->logic().formulas().row(0).field(1)->text, u"1,5"_s);
}

void TestPlayer::tabChangeDuringFeedbackIsIgnored()
{
    answerFirstStepRight();
    const QString problem = player()->LMDtesto->caption();
    program().selectExercise(2);
    QCOMPARE(steps().exerciseIndex(), 0);
    QCOMPARE(player()->exerciseLabel->caption(), u"EXERCISE 1/6"_s);
    QCOMPARE(player()->LMDtesto->caption(), problem);
    QCOMPARE(program().main()->TabEserc->currentIndex(), 0);
    QVERIFY(!player()->isClosed);
    QVERIFY(player()->isVisible());

    // Once the feedback is over the next step shows and a tab change loads.
    program().tickUntilIdle();
    QCOMPARE(steps().currentStep(), 1);
    program().selectExercise(2);
    QCOMPARE(steps().exerciseIndex(), 2);
    QCOMPARE(player()->exerciseLabel->caption(), u"EXERCISE 3/6"_s);
    QCOMPARE(player()->LMDtesto->caption(),
        decodeLineBreaks(program().readExerciseKey(0, 2, u"LMDtesto.Caption"_s)));
    QCOMPARE(steps().currentStep(), 0);
    QCOMPARE(player()->errorsLabel->caption(), u"ERRORS 0"_s);
    QVERIFY(!player()->answerLabels.at(0));
    QVERIFY(!player()->smileyImages.at(0));
}

void TestPlayer::hintBelongsToItsStep()
{
    program().openSheet(0);
    const QStringList errorLines = program().readExerciseKey(0, 0, u"MSG_ERR"_s).split(u'|');
    const int right = program().shownOptions().indexOf(program().correctOption(0, 0, 0));
    program().chooseOption((right + 1) % 3);
    program().pressOk();
    QVERIFY(player()->msg->isVisible());
    QCOMPARE(player()->msg->text(), errorLines.at(0));
    program().settle();

    // A double click on OK: at the next tick the panel shrinks to its buttons
    // and the help button comes under the pointer for the second click.
    program().chooseOption(right);
    program().pressOk();
    player()->Timer1Timer();
    QCOMPARE(player()->E1sp->height(), player()->B1->height() + 2);
    QTest::mouseClick(player()->H1, Qt::LeftButton);
    QVERIFY(player()->msg->isHidden());
    program().tickUntilIdle();
    QCOMPARE(steps().currentStep(), 1);

    // The hint of a wrong answer goes when the solution solves its step.
    const int second = program().shownOptions().indexOf(program().correctOption(0, 0, 1));
    program().chooseOption((second + 1) % 3);
    program().pressOk();
    QCOMPARE(player()->msg->text(), errorLines.at(1));
    program().settle();
    QVERIFY(player()->msg->isVisible());
    program().main()->LMDsoluzioneClick();
    QCOMPARE(steps().exerciseState(0), int(SolvedBySolution));
    QVERIFY(player()->msg->isHidden());
}

void TestPlayer::solutionFillsInEveryStep()
{
    program().openSheet(1);
    program().main()->LMDsoluzioneClick();
    QVERIFY(!player()->isClosed);
    QCOMPARE(steps().exerciseState(0), int(SolvedBySolution));
    QCOMPARE(program().sound.last(), u"Aiuto.wav"_s);
    QCOMPARE(pictureName(player()->GifTop), u"Stella.gif"_s);
    QCOMPARE(pictureName(player()->bottomAnimator), u"Omino.gif"_s);
    QCOMPARE(pictureName(player()->cockadeImage), u"coccardaHElp.bmp"_s);
    QVERIFY(player()->E1sp->isHidden());
    for (int step = 0; step < steps().stepCount(); ++step)
        QCOMPARE(pictureName(player()->smileyImages.at(step)), u"Smiley Giallo.bmp"_s);
    QCOMPARE(player()->answerLabels.at(0)->caption(), program().correctOption(1, 0, 0));
    QCOMPARE(player()->answerLabels.at(1)->caption(), program().correctOption(1, 0, 1));
    // 4*6-5: numbers and operators in order, then the result.
    const QStringList shown { u"4"_s, u"*"_s, u"6"_s, u"-"_s, u"5"_s, u"="_s, u"19"_s };
    for (int position = 1; position <= shown.size(); ++position) {
        QCOMPARE(program().field(0, position)->text(), shown.at(position - 1));
        QVERIFY(!program().field(0, position)->isEnabled());
    }
    QVERIFY(!player()->formulaPanels.at(0)->isHidden());
    QCOMPARE(program().main()->solvedExercises, 0);
    program().settle();
    QVERIFY(player()->GifTop->isHidden());
}

void TestPlayer::solutionIsRefusedWhileBusy()
{
    answerFirstStepRight();
    program().main()->LMDsoluzioneClick();
    QCOMPARE(steps().exerciseState(0), int(NotSolved));
    QVERIFY(!player()->cockadeImage);
    QVERIFY(!player()->isClosed);
}

void TestPlayer::expectedValuesShowInTheirShortestForm()
{
    {
        IniFile file(program().exerciseFile(0));
        file.writeString(u"0"_s, u"R0"_s, u"0,1+0,2"_s);
        file.updateFile();
    }
    program().openSheet(0);
    program().main()->LMDsoluzioneClick();
    QCOMPARE(program().field(0, 1)->text(), u"0,1"_s);
    QCOMPARE(program().field(0, 5)->text(), u"0,3"_s);
}

void TestPlayer::evaluatorErrorsReachTheErrorBox_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("error");

    QTest::newRow("lone separator") << QStringList { u","_s, u"+"_s, u"7"_s, u"="_s, u"19"_s }
                                    << u"',' is not a valid number"_s;
    QTest::newRow("division by zero")
        << QStringList { u"12"_s, u":"_s, u"0"_s, u"="_s, u"19"_s } << u"Division by zero"_s;
}

void TestPlayer::evaluatorErrorsReachTheErrorBox()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, error);

    program().openSheet(0);
    for (int step = 0; step < 2; ++step) {
        program().chooseOption(
            program().shownOptions().indexOf(program().correctOption(0, 0, step)));
        program().pressOk();
        program().tickUntilIdle();
    }
    enterFormula(0, entries);
    const int played = int(program().sound.played.size());
    // The pupil clicks OK: the error ends with the click's handler, in the
    // general error box, and never reaches the button's signal.
    program().pressOk();
    QCOMPARE(program().dialogs.errors.size(), 1);
    QVERIFY2(program().dialogs.errors.first().startsWith(error),
        qPrintable(program().dialogs.errors.first()));
    // Nothing was counted and no feedback started.
    QCOMPARE(steps().totalErrors(), 0);
    QCOMPARE(player()->errorsLabel->caption(), u"ERRORS 0"_s);
    QCOMPARE(steps().currentStep(), 2);
    QVERIFY(!player()->isBusy());
    QCOMPARE(int(program().sound.played.size()), played);

    // The program goes on: the pupil corrects the answer.
    enterFormula(0, { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s });
    program().pressOk();
    QCOMPARE(steps().exerciseState(0), int(SolvedByPupil));
}

void TestPlayer::unworkableTeachersFormulaCannotBeAnswered_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("problem");
    // Whether the pupil goes on with OK or asks for the solution.
    QTest::addColumn<bool>("goOn");

    QTest::newRow("point where the separator is a comma")
        << u"2.5*4"_s << u"'2.5' is not a valid number"_s << true;
    QTest::newRow("division by zero") << u"12/0"_s << u"Division by zero in 12/0"_s << false;
}

void TestPlayer::unworkableTeachersFormulaCannotBeAnswered()
{
    QFETCH(QString, formula);
    QFETCH(QString, problem);
    QFETCH(bool, goOn);
    {
        IniFile file(program().exerciseFile(0));
        file.writeString(u"1"_s, u"R0"_s, formula);
        file.updateFile();
    }
    // The pupil begins the formula of exercise 1, then moves on to exercise 2.
    program().openSheet(0);
    answerQuestionsRight(0);
    program().type(0, 1, u"12"_s);
    QVERIFY(program().guarded([&] {
        program().main()->TabEserc->selectTab(1);
        player()->setProperty("tag", int(TFormP3::CommandExerciseChanged));
        QVERIFY(!player()->FormClose());
    }));
    QCOMPARE(player()->exerciseLabel->caption(), u"EXERCISE 2/6"_s);
    // Nothing of exercise 1 stays in the row.
    for (int position = 1; position <= 5; ++position) {
        const QString equals = position == 4 ? u"="_s : QString();
        QCOMPARE(program().field(0, position)->text(), equals);
        QCOMPARE(program().field(0, position)->expectedText(), equals);
    }

    // Its step says so once, takes no input and counts no error.
    answerQuestionsRight(1);
    QVERIFY(player()->msg->isVisible());
    QVERIFY2(player()->msg->text().contains(problem), qPrintable(player()->msg->text()));
    for (int position = 1; position <= 5; ++position)
        QVERIFY(!program().field(0, position)->isEnabled());
    if (goOn) {
        program().pressOk();
        program().tickUntilIdle();
        QCOMPARE(steps().exerciseState(1), int(SolvedByPupil));
        QVERIFY(player()->msg->isHidden());
    } else {
        program().main()->LMDsoluzioneClick();
        QCOMPARE(steps().exerciseState(1), int(SolvedBySolution));
        for (int position = 1; position <= 5; ++position) {
            const pLMDedit *field = program().field(0, position);
            QCOMPARE(field->text(), position == 4 ? u"="_s : QString());
            QVERIFY(field->palette().color(QPalette::Base) != QColor(255, 0, 0));
        }
    }
    QCOMPARE(steps().totalErrors(), 0);
    QVERIFY(program().dialogs.errors.isEmpty());
}

void TestPlayer::unreadablePictureIsToldOverItsExercise()
{
    m_installation->writeFile(u"SOL_IMG/Rotta.jpg"_s, "not a photo");
    {
        IniFile file(program().exerciseFile(0));
        file.writeString(u"1"_s, u"LMDImage.imgName"_s, u"SOL_IMG\\Rotta.jpg"_s);
        file.updateFile();
    }
    program().openSheet(0);
    QVERIFY(player()->LMDimage->isVisible());
    // What the pupil sees behind each message.
    QStringList behind;
    program().dialogs.onMessage = [&](const QString &) {
        behind << player()->exerciseLabel->caption() + u' '
                + QString::number(
                    program().shownOptions().contains(program().correctOption(0, 1, 0)))
                + QString::number(player()->LMDimage->isVisible());
    };
    program().selectExercise(1);
    QCOMPARE(program().dialogs.messages,
        (QStringList { u"JPG image format not supported"_s, u"File jpeg non supportato"_s }));
    QCOMPARE(behind, QStringList(2, u"EXERCISE 2/6 10"_s));
    QVERIFY(player()->LMDimage->isHidden());
}

void TestPlayer::generalHelpShowsTheExercisesText()
{
    program().openSheet(0);
    program().main()->LMDhelpClick();
    QCOMPARE(program().dialogs.messages,
        QStringList { decodeLineBreaks(program().readExerciseKey(0, 0, u"HELP_GEN"_s)) });
    QVERIFY(program().dialogs.messages.first().contains(u"\r\n"_s));
    QVERIFY(!player()->isClosed);
    QVERIFY(player()->isVisible());
}

void TestPlayer::homeClosesThePlayerUnlessBusy()
{
    answerFirstStepRight();
    program().main()->LMDhomeClick();
    QVERIFY(!player()->isClosed);
    QCOMPARE(program().main()->FD->currentIndex(), int(TForm0::PlayerPage));
    QVERIFY(player()->isVisible());

    program().tickUntilIdle();
    program().main()->LMDhomeClick();
    QVERIFY(player()->isClosed);
    QVERIFY(player()->isHidden());
    QCOMPARE(program().main()->FD->currentIndex(), int(TForm0::HomePage));
    QVERIFY(player()->formulaPanels.isEmpty());
    QVERIFY(player()->sectionBands.isEmpty());
    QVERIFY(!player()->Timer1->isActive());

    // The same sheet opens again from the start.
    program().openSheet(0);
    QVERIFY(player()->isVisible());
    QCOMPARE(steps().currentStep(), 0);
    QCOMPARE(player()->formulaPanels.size(), 1);
}

void TestPlayer::otherCommandsKeepThePageOpen()
{
    program().openSheet(0);
    QStringList ran;
    player()->loadProgressCommand = [&] { ran << u"load"_s; };
    player()->saveProgressCommand = [&] { ran << u"save"_s; };
    player()->printCommand = [&] { ran << u"print"_s; };
    player()->restoreCommand = [&] { ran << u"restore"_s; };
    program().main()->LMDcaricaClick();
    program().main()->LMDsalvaClick();
    program().main()->LMDstampaClick();
    program().main()->LMDripristinaClick();
    QCOMPARE(ran, (QStringList { u"load"_s, u"save"_s, u"print"_s, u"restore"_s }));
    QVERIFY(!player()->isClosed);
    QVERIFY(player()->isVisible());

    // While busy none of them runs.
    ran.clear();
    program().chooseOption(program().shownOptions().indexOf(program().correctOption(0, 0, 0)));
    program().pressOk();
    program().main()->LMDcaricaClick();
    program().main()->LMDsalvaClick();
    program().main()->LMDstampaClick();
    program().main()->LMDripristinaClick();
    QVERIFY(ran.isEmpty());
    QVERIFY(player()->isVisible());
}

void TestPlayer::leavingAnExerciseSavesTheProgress()
{
    program().openSheet(0, false, u"Luca"_s);
    program().chooseOption(
        (program().shownOptions().indexOf(program().correctOption(0, 0, 0)) + 1) % 3);
    program().pressOk();
    program().tickUntilIdle();
    program().chooseOption(program().shownOptions().indexOf(program().correctOption(0, 0, 0)));
    program().pressOk();
    program().tickUntilIdle();
    program().selectExercise(1);
    const IniFile saved(m_installation->path(u"SOL_TMP/SOLVARO_LUCA.INI"_s));
    QCOMPARE(saved.readInteger(u"ID_000"_s, u"TOT_ERRORI"_s, -1), 1);
    QCOMPARE(saved.readInteger(u"ID_000"_s, u"B1.tag"_s, -1), 1);
    QCOMPARE(
        saved.readString(u"ID_000"_s, u"LABEL0"_s, QString()), program().correctOption(0, 0, 0));

    // An exercise left before its first step was passed is not saved.
    program().selectExercise(2);
    QVERIFY(
        !IniFile(m_installation->path(u"SOL_TMP/SOLVARO_LUCA.INI"_s)).sectionExists(u"ID_001"_s));
}

void TestPlayer::sheetWithoutExercisesGoesBackHome()
{
    {
        IniFile global(m_installation->path(u"SOL_INI/GLOBAL.INI"_s));
        global.writeInteger(u"COMMONAREA"_s, u"MAX1"_s, 0);
        global.updateFile();
    }
    program().openSheet(1);
    // The player closes itself once the page host has finished showing it.
    QCoreApplication::sendPostedEvents(player(), QEvent::MetaCall);
    QVERIFY(player()->isClosed);
    QVERIFY(player()->isHidden());
    QCOMPARE(program().main()->FD->currentIndex(), int(TForm0::HomePage));
}

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
