// The player's progress files and printed report, driven as the pupil drives
// them: toolbar buttons, exercise tabs, the restore button and the dialogs.
#include "tst_playerfixture.h"

#include "player/formulasteps.h"
#include "player/progressfile.h"
#include "storage/atomicwrite.h"
#include "ui/fillpanel.h"
#include "ui/report/reportengine.h"
#include "ui/report/reportpreview.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

// Keeps the sheets of every report shown, and writes the last one as PDF when
// asked to.
class RecordingPreview final : public ReportPreview
{
public:
    explicit RecordingPreview(QString pdfPath = QString())
        : m_pdfPath(std::move(pdfPath))
    {
    }

    void showReport(const ReportEngine &engine) override
    {
        shown.append(engine.preparedPages());
        if (!m_pdfPath.isEmpty())
            pdfWritten = engine.exportPdf(m_pdfPath);
    }

    QList<QList<PreparedPage>> shown;
    bool pdfWritten = false;

private:
    QString m_pdfPath;
};

QStringList textsNamed(const QList<PreparedPage> &pages, const QString &name)
{
    QStringList texts;
    for (const PreparedPage &page : pages) {
        for (const PreparedObject &object : page.objects) {
            if (object.object.name == name)
                texts.append(object.text);
        }
    }
    return texts;
}

} // namespace

class TestPlayerProgress : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resumeInTheMiddleBringsBackTheWork();
    void solvedExerciseKeepsThePupilsRecord();
    void resumedStepsStayClosed();
    void resumedQuestionPanelStaysOverTheFormulaRows();
    void resumeIsOfferedOnlyForASavedExercise_data();
    void resumeIsOfferedOnlyForASavedExercise();
    void sectionWithoutMarkersIsAFileError();
    void sectionWithAnEmptyFileNameKeepsTheSheetsFile();
    void saveAndLoadGoThroughTheFileDialogs();
    void cancelledDialogsChangeNothing();
    void teachersViewKeepsNoProgress();
    void unwritableProgressFileIsToldAndTheTabStillChanges();
    void saveOnAFullDiskKeepsTheOldFileAndTheNextSaveWrites();
    void printShowsTheExerciseOnScreen();
    void printedPdfHoldsNameSheetAndAnswers();

private:
    PlayerProgram &program() { return *m_program; }
    TFormP3 *player() { return m_program->player(); }
    StepCycle &steps() { return player()->logic().steps(); }
    QString progressFile(const QString &name) const
    {
        return m_installation->path(u"SOL_TMP/SOLVARO_%1.INI"_s.arg(name));
    }

    // Sheet 1 of the sample ("|CC|F", 12 + 7 = 19): the first question
    // answered wrong once then right, the second right, and the formula row
    // begun with "12" and "+".
    void workUpToTheFormula();
    void answerQuestion(int step, bool right);
    void finishFormula();
    void restore(bool answer);
    // Exercise 1 of sheet 1 as solved in solvedExerciseKeepsThePupilsRecord.
    void checkSavedSolvedRecord(const QString &firstLabel);
    void checkShownSolved(const QString &firstLabel);
    // Selects an exercise tab as the main window does, errors going to the
    // general error box; false when the change ended in an error.
    bool leaveFor(int exercise);

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<PlayerProgram> m_program;
};

void TestPlayerProgress::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
    m_program = std::make_unique<PlayerProgram>(*m_installation);
}

void TestPlayerProgress::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestPlayerProgress::answerQuestion(int step, bool right)
{
    const int correct = program().shownOptions().indexOf(
        program().correctOption(0, steps().exerciseIndex(), step));
    QVERIFY(correct >= 0);
    program().chooseOption(right ? correct : (correct + 1) % program().shownOptions().size());
    program().pressOk();
    program().tickUntilIdle();
}

void TestPlayerProgress::workUpToTheFormula()
{
    program().openSheet(0, false, u"Anna"_s);
    answerQuestion(0, false);
    answerQuestion(0, true);
    answerQuestion(1, true);
    QCOMPARE(steps().currentStep(), 2);
    program().type(0, 1, u"12"_s);
    program().chooseOperator(0, 2, u"+"_s);
}

void TestPlayerProgress::finishFormula()
{
    program().type(0, 3, u"7"_s);
    program().type(0, 5, u"19"_s);
    program().pressOk();
    program().tickUntilIdle();
}

void TestPlayerProgress::restore(bool answer)
{
    program().dialogs.yesNoAnswers = { answer };
    program().main()->LMDripristinaClick();
}

void TestPlayerProgress::resumeInTheMiddleBringsBackTheWork()
{
    workUpToTheFormula();
    const QString firstLabel = player()->answerLabels.at(0)->caption();
    const QString secondLabel = player()->answerLabels.at(1)->caption();

    // Leaving the exercise keeps it; coming back offers it, and the pupil may
    // start afresh.
    program().selectExercise(1);
    program().dialogs.yesNoAnswers = { false };
    program().selectExercise(0);
    QCOMPARE(steps().currentStep(), 0);
    QVERIFY(!player()->answerLabels.at(0));
    QCOMPARE(program().field(0, 1)->text(), QString());

    restore(true);
    QCOMPARE(program().dialogs.questions,
        QStringList(2, u"Vuoi riprendere la copia salvata dell'eserizio num.1. ?"_s));
    QCOMPARE(steps().currentStep(), 2);
    QCOMPARE(steps().totalErrors(), 1);
    QCOMPARE(player()->errorsLabel->caption(), u"ERRORS 1"_s);
    QCOMPARE(steps().stepErrors().value(0), 1);
    QVERIFY(player()->answerLabels.at(0) && player()->answerLabels.at(1));
    QCOMPARE(player()->answerLabels.at(0)->caption(), firstLabel);
    QCOMPARE(player()->answerLabels.at(1)->caption(), secondLabel);
    QCOMPARE(pictureName(player()->smileyImages.at(0)), u"Smiley Giallo.bmp"_s);
    QCOMPARE(pictureName(player()->smileyImages.at(1)), u"Smiley Verde.bmp"_s);
    QVERIFY(!player()->smileyImages.at(2));
    QCOMPARE(program().field(0, 1)->text(), u"12"_s);
    QCOMPARE(program().field(0, 2)->text(), u"+"_s);
    QVERIFY(player()->formulaPanels.at(0)->isVisible());
    QVERIFY(player()->E1sp->isVisible());
    QVERIFY(!player()->isBusy());

    // The pupil goes on where the work stopped.
    finishFormula();
    QCOMPARE(steps().currentStep(), steps().stepCount());
    QCOMPARE(steps().exerciseState(0), int(SolvedByPupil));
    QVERIFY(player()->cockadeImage);
}

void TestPlayerProgress::checkSavedSolvedRecord(const QString &firstLabel)
{
    const IniFile saved(progressFile(u"ANNA"_s));
    QCOMPARE(saved.readInteger(u"ID_000"_s, u"HLPNUM"_s, -1), int(SolvedByPupil));
    QCOMPARE(saved.readInteger(u"ID_000"_s, u"TOT_ERRORI"_s, -1), 1);
    QCOMPARE(saved.readInteger(u"ID_000"_s, u"ERRORE0"_s, -1), 1);
    QCOMPARE(saved.readString(u"ID_000"_s, u"LABEL0"_s, QString()), firstLabel);
    QCOMPARE(saved.readString(u"ID_000"_s, u"TEDI_01"_s, QString()), u"7"_s);
}

void TestPlayerProgress::checkShownSolved(const QString &firstLabel)
{
    QCOMPARE(player()->errorsLabel->caption(), u"ERRORS 1"_s);
    QCOMPARE(pictureName(player()->smileyImages.at(0)), u"Smiley Giallo.bmp"_s);
    QCOMPARE(pictureName(player()->smileyImages.at(2)), u"Smiley Verde.bmp"_s);
    QCOMPARE(pictureName(player()->cockadeImage), u"coccarda.bmp"_s);
    QVERIFY(player()->E1sp->isHidden());
    QCOMPARE(player()->answerLabels.at(0)->caption(), firstLabel);
    // The pupil's own answer, closed to typing.
    const QStringList answer { u"7"_s, u"+"_s, u"12"_s, u"="_s, u"19"_s };
    for (int position = 1; position <= answer.size(); ++position) {
        QCOMPARE(program().field(0, position)->text(), answer.at(position - 1));
        QVERIFY(!program().field(0, position)->isEnabled());
    }
}

void TestPlayerProgress::solvedExerciseKeepsThePupilsRecord()
{
    auto preview = std::make_unique<RecordingPreview>();
    RecordingPreview *recorder = preview.get();
    player()->setReportPreview(std::move(preview));
    program().openSheet(0, false, u"Anna"_s);
    answerQuestion(0, false);
    answerQuestion(0, true);
    answerQuestion(1, true);
    const QString firstLabel = player()->answerLabels.at(0)->caption();
    program().type(0, 1, u"7"_s);
    program().chooseOperator(0, 2, u"+"_s);
    program().type(0, 3, u"12"_s);
    program().type(0, 5, u"19"_s);
    program().pressOk();
    program().tickUntilIdle();
    QCOMPARE(steps().exerciseState(0), int(SolvedByPupil));

    // Leaving it keeps the record; coming back shows the pupil's work, which
    // is printed and kept again as it stands.
    program().selectExercise(1);
    checkSavedSolvedRecord(firstLabel);
    program().selectExercise(0);
    checkShownSolved(firstLabel);
    program().main()->LMDstampaClick();
    QCOMPARE(textsNamed(recorder->shown.last(), u"Memo1"_s),
        (QStringList { QString(), u"1"_s, u"0"_s, QString(), u"0"_s }));
    QCOMPARE(textsNamed(recorder->shown.last(), u"Memo29"_s).value(4), u"7+12=19"_s);
    program().selectExercise(1);
    checkSavedSolvedRecord(firstLabel);
    QCOMPARE(program().main()->solvedExercises, 1);
    if (QTest::currentTestFailed())
        return;

    // Another day the sheet offers it at once. An attempt begun afresh and
    // left unfinished does not replace the solved record.
    program().main()->LMDhomeClick();
    program().dialogs.yesNoAnswers = { false };
    program().openSheet(0, false, u"Anna"_s);
    QCOMPARE(program().dialogs.questions, QStringList { resumeQuestion(0) });
    QCOMPARE(steps().currentStep(), 0);
    answerQuestion(0, true);
    program().selectExercise(1);
    checkSavedSolvedRecord(firstLabel);

    // Coming back offers it again; taken up, it shows as the pupil left it.
    program().dialogs.yesNoAnswers = { true };
    program().selectExercise(0);
    QCOMPARE(program().dialogs.questions.size(), 2);
    checkShownSolved(firstLabel);
}

void TestPlayerProgress::resumedStepsStayClosed()
{
    // A sheet whose formula comes first.
    {
        IniFile global(m_installation->path(u"SOL_INI/GLOBAL.INI"_s));
        global.writeString(u"COMMONAREA"_s, u"SHEET_0"_s, u"|F|CC"_s);
        global.updateFile();
    }
    QTemporaryDir documents;
    player()->documentsFolder = [&] { return documents.path(); };
    const QString chosen = documents.filePath(u"compito.ini"_s);
    program().openSheet(0, false, u"Anna"_s);
    program().type(0, 1, u"12"_s);
    program().chooseOperator(0, 2, u"+"_s);
    program().type(0, 3, u"7"_s);
    program().type(0, 5, u"19"_s);
    program().pressOk();
    program().tickUntilIdle();
    QCOMPARE(steps().currentStep(), 1);
    program().dialogs.fileAnswers = { chosen };
    program().main()->LMDsalvaClick();

    program().openSheet(0, false, u"Anna"_s);
    program().dialogs.fileAnswers = { chosen };
    program().dialogs.yesNoAnswers = { true };
    program().main()->LMDcaricaClick();
    QCOMPARE(steps().currentStep(), 1);
    const QStringList answer { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s };
    for (int position = 1; position <= answer.size(); ++position) {
        QCOMPARE(program().field(0, position)->text(), answer.at(position - 1));
        QVERIFY2(!program().field(0, position)->isEnabled(), qPrintable(QString::number(position)));
    }
}

void TestPlayerProgress::resumedQuestionPanelStaysOverTheFormulaRows()
{
    program().openSheet(0, false, u"Anna"_s);
    answerQuestion(0, true);
    program().selectExercise(1);
    program().dialogs.yesNoAnswers = { true };
    program().selectExercise(0);
    QCOMPARE(steps().currentStep(), 1);
    // Every formula panel shows, under the question panel of the current step.
    FillPanel *formulaPanel = player()->formulaPanels.at(0);
    QVERIFY(formulaPanel->isVisible());
    QVERIFY(player()->E1sp->isVisible());
    QCOMPARE(formulaPanel->parentWidget(), player()->E1sp->parentWidget());
    const QObjectList stacking = player()->E1sp->parentWidget()->children();
    QVERIFY(stacking.indexOf(player()->E1sp) > stacking.indexOf(formulaPanel));
}

void TestPlayerProgress::resumeIsOfferedOnlyForASavedExercise_data()
{
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<int>("exerciseToResume");
    // Opening the sheet offers exercise 1 to its pupil, then the restore
    // button offers the selected exercise when it was saved.
    QTest::addColumn<int>("questions");

    QTest::newRow("another pupil has no file") << u"Marco"_s << 0 << 0;
    QTest::newRow("no section for this exercise") << u"Anna"_s << 2 << 1;
    QTest::newRow("the pupil says no") << u"Anna"_s << 0 << 2;
}

void TestPlayerProgress::resumeIsOfferedOnlyForASavedExercise()
{
    QFETCH(QString, pupil);
    QFETCH(int, exerciseToResume);
    QFETCH(int, questions);

    workUpToTheFormula();
    program().selectExercise(1);
    program().dialogs.yesNoAnswers = { false, false };
    program().openSheet(0, false, pupil);
    program().selectExercise(exerciseToResume);
    program().main()->LMDripristinaClick();
    QCOMPARE(program().dialogs.questions.size(), questions);
    QCOMPARE(steps().currentStep(), 0);
    QCOMPARE(steps().totalErrors(), 0);
    QVERIFY(!player()->answerLabels.at(0));
}

void TestPlayerProgress::sectionWithoutMarkersIsAFileError()
{
    {
        IniFile file(progressFile(u"ANNA"_s));
        file.writeInteger(u"ID_000"_s, u"B1.tag"_s, 2);
        file.writeInteger(u"ID_000"_s, u"TOT_ERRORI"_s, 5);
        file.updateFile();
    }
    program().openSheet(0, false, u"anna"_s);
    restore(true);
    QCOMPARE(program().dialogs.messages, QStringList { u"File Error"_s });
    QCOMPARE(steps().currentStep(), 0);
    QCOMPARE(steps().totalErrors(), 0);
    QVERIFY(player()->E1sp->isVisible());
}

void TestPlayerProgress::sectionWithAnEmptyFileNameKeepsTheSheetsFile()
{
    program().openSheet(0, false, u"Anna"_s);
    const QString sheetsFile = player()->exerciseFileName;
    {
        IniFile file(progressFile(u"ANNA"_s));
        for (const QString &key : { u"M0"_s, u"M1"_s, u"M2"_s })
            file.writeInteger(u"ID_000"_s, key, 0);
        file.writeInteger(u"ID_000"_s, u"B1.tag"_s, 1);
        file.writeString(u"ID_000"_s, u"INIFILE"_s, QString());
        file.writeString(u"ID_000"_s, u"LABEL0"_s, program().correctOption(0, 0, 0));
        file.updateFile();
    }
    restore(true);
    QCOMPARE(steps().currentStep(), 1);
    QCOMPARE(player()->exerciseFileName, sheetsFile);
    QCOMPARE(player()->answerLabels.at(0)->caption(), program().correctOption(0, 0, 0));
    // The next question group still comes from the sheet's file.
    QVERIFY(program().shownOptions().contains(program().correctOption(0, 0, 1)));
}

void TestPlayerProgress::saveAndLoadGoThroughTheFileDialogs()
{
    QTemporaryDir documents;
    QVERIFY(documents.isValid());
    player()->documentsFolder = [&] { return documents.path(); };
    const QString chosen = documents.filePath(u"compito.ini"_s);

    workUpToTheFormula();
    program().dialogs.fileAnswers = { chosen };
    program().main()->LMDsalvaClick();
    QCOMPARE(QDir::cleanPath(program().dialogs.lastFolder), QDir::cleanPath(documents.path()));
    QCOMPARE(program().dialogs.lastFilter, u"*.ini (*.ini *.INI)"_s);
    const IniFile saved(chosen);
    QCOMPARE(saved.readInteger(u"ID_000"_s, u"B1.tag"_s, -1), 2);
    QCOMPARE(saved.readString(u"ID_000"_s, u"TEDI_01"_s, QString()), u"12"_s);
    QCOMPARE(saved.readInteger(u"ISTORY"_s, u"ERRORS_ID_000"_s, -1), 1);

    program().openSheet(0, false, u"Anna"_s);
    program().dialogs.fileAnswers = { chosen };
    program().dialogs.yesNoAnswers = { true };
    program().main()->LMDcaricaClick();
    QCOMPARE(steps().currentStep(), 2);
    QCOMPARE(program().field(0, 1)->text(), u"12"_s);
    QCOMPARE(steps().totalErrors(), 1);
}

void TestPlayerProgress::cancelledDialogsChangeNothing()
{
    QTemporaryDir documents;
    player()->documentsFolder = [&] { return documents.path(); };
    workUpToTheFormula();
    program().dialogs.fileAnswers = { QString(), QString() };
    program().main()->LMDsalvaClick();
    program().main()->LMDcaricaClick();
    QVERIFY(QDir(documents.path()).isEmpty());
    QVERIFY(program().dialogs.questions.isEmpty());
    QCOMPARE(steps().currentStep(), 2);

    // Without a documents folder no dialog opens; the message tells why.
    player()->documentsFolder = [] { return QString(); };
    program().main()->LMDsalvaClick();
    QCOMPARE(program().dialogs.messages,
        QStringList { u"Could not find MyDocuments folder location."_s });
}

void TestPlayerProgress::teachersViewKeepsNoProgress()
{
    QTemporaryDir documents;
    player()->documentsFolder = [&] { return documents.path(); };
    program().openSheet(0, true);
    program().main()->LMDsalvaClick();
    program().main()->LMDcaricaClick();
    program().main()->LMDripristinaClick();
    program().selectExercise(1);
    // No dialog was scripted: none may have opened.
    QVERIFY(program().dialogs.questions.isEmpty());
    QVERIFY(program().dialogs.lastFolder.isEmpty());
    QVERIFY(!QFileInfo::exists(progressFile(u"ANNA"_s)));
}

void TestPlayerProgress::unwritableProgressFileIsToldAndTheTabStillChanges()
{
    workUpToTheFormula();
    QVERIFY(QDir(m_installation->path(u"SOL_TMP"_s)).removeRecursively());
    // The page command as the main window sends it; the error reaches the
    // general error box as the application object shows it.
    const bool ran = program().guarded([&] {
        program().main()->TabEserc->selectTab(1);
        player()->setProperty("tag", int(TFormP3::CommandExerciseChanged));
        QVERIFY(!player()->FormClose());
    });
    QVERIFY(!ran);
    QCOMPARE(program().dialogs.errors.size(), 1);
    QVERIFY2(program().dialogs.errors.at(0).startsWith(u"Unable to write to "_s),
        qPrintable(program().dialogs.errors.at(0)));
    QCOMPARE(steps().exerciseIndex(), 1);
    QCOMPARE(steps().currentStep(), 0);
}

bool TestPlayerProgress::leaveFor(int exercise)
{
    return program().guarded([&] {
        program().main()->TabEserc->selectTab(exercise);
        player()->setProperty("tag", int(TFormP3::CommandExerciseChanged));
        player()->FormClose();
    });
}

void TestPlayerProgress::saveOnAFullDiskKeepsTheOldFileAndTheNextSaveWrites()
{
    const QString file = progressFile(u"ANNA"_s);
    workUpToTheFormula();
    QVERIFY(leaveFor(1));
    const QByteArray firstSave = m_installation->readFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s);
    QVERIFY(firstSave.contains("[ID_000]"));

    // Back at the first exercise the pupil takes the work up again and
    // finishes it, and the disk is full.
    program().dialogs.yesNoAnswers = { true };
    QVERIFY(leaveFor(0));
    QCOMPARE(steps().currentStep(), 2);
    finishFormula();
    {
        const WriteFault diskFull([&](const QString &path) { return path == file; });
        QVERIFY(!leaveFor(1));
    }
    QCOMPARE(program().dialogs.errors, QStringList { u"Unable to write to "_s + file });
    QCOMPARE(m_installation->readFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s), firstSave);
    QCOMPARE(QDir(m_installation->path(u"SOL_TMP"_s)).entryList(QDir::Files),
        QStringList { u"SOLVARO_ANNA.INI"_s });
    QCOMPARE(steps().exerciseIndex(), 1);

    // The pupil goes on with the next exercise; once there is room it is kept.
    answerQuestion(0, true);
    QVERIFY(leaveFor(2));
    QCOMPARE(program().dialogs.errors.size(), 1);
    const IniFile saved(file);
    QCOMPARE(saved.readInteger(u"ID_001"_s, u"B1.tag"_s, -1), 1);
    QCOMPARE(saved.readInteger(u"ID_000"_s, u"B1.tag"_s, -1), 2);
}

void TestPlayerProgress::printShowsTheExerciseOnScreen()
{
    auto preview = std::make_unique<RecordingPreview>();
    RecordingPreview *recorder = preview.get();
    player()->setReportPreview(std::move(preview));
    workUpToTheFormula();
    const QString firstLabel = player()->answerLabels.at(0)->caption();
    const QString secondLabel = player()->answerLabels.at(1)->caption();

    program().main()->LMDstampaClick();
    QCOMPARE(recorder->shown.size(), 1);
    const QList<PreparedPage> &pages = recorder->shown.at(0);
    QCOMPARE(textsNamed(pages, u"memo7"_s), QStringList { u"Anna"_s });
    QCOMPARE(textsNamed(pages, u"memo0"_s), QStringList { u"SHEET 1"_s });
    QCOMPARE(textsNamed(pages, u"memo2"_s), QStringList { u"EXERCISE 1/6"_s });
    QCOMPARE(textsNamed(pages, u"memo4"_s), QStringList { u"ERRORS 1"_s });
    QCOMPARE(textsNamed(pages, u"memo3"_s), QStringList { player()->LMDtesto->caption() });
    // "|CC|F": a section row with its band's caption, two answered questions,
    // a section row and the formula row as it stands.
    const QStringList answers = textsNamed(pages, u"Memo29"_s);
    QCOMPARE(answers.size(), 5);
    QCOMPARE(answers.at(0), player()->sectionBands.at(0)->caption());
    QCOMPARE(answers.at(1), firstLabel);
    QCOMPARE(answers.at(2), secondLabel);
    QCOMPARE(answers.at(3), player()->sectionBands.at(1)->caption());
    // The "=" field is printed with the others.
    QCOMPARE(answers.at(4), u"12+="_s);
    QCOMPARE(textsNamed(pages, u"Memo1"_s),
        (QStringList { QString(), u"1"_s, u"0"_s, QString(), u"0"_s }));
    // The pupil is at the last step: every row has its smiley (one error on
    // the first), and the badge of a pupil who is not shown the solution.
    QCOMPARE(textsNamed(pages, u"GIALLO"_s).size(), 1);
    QCOMPARE(textsNamed(pages, u"VERDE"_s).size(), 2);
    QCOMPARE(textsNamed(pages, u"Dieci"_s).size(), 1);
    QCOMPARE(textsNamed(pages, u"Help"_s).size(), 0);

    // After the solution every reached step is yellow; the badge is "Help".
    program().main()->LMDsoluzioneClick();
    program().tickUntilIdle();
    program().main()->LMDstampaClick();
    QCOMPARE(recorder->shown.size(), 2);
    const QList<PreparedPage> &afterSolution = recorder->shown.at(1);
    QCOMPARE(textsNamed(afterSolution, u"Memo29"_s).value(4), u"12+7=19"_s);
    QCOMPARE(textsNamed(afterSolution, u"Help"_s).size(), 1);
    QCOMPARE(textsNamed(afterSolution, u"Dieci"_s).size(), 0);
    QCOMPARE(textsNamed(afterSolution, u"GIALLO"_s).size(), 3);
    QCOMPARE(textsNamed(afterSolution, u"VERDE"_s).size(), 0);
}

void TestPlayerProgress::printedPdfHoldsNameSheetAndAnswers()
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const QString pdf = m_installation->path(u"SOL_TMP/report.pdf"_s);
    auto preview = std::make_unique<RecordingPreview>(pdf);
    RecordingPreview *recorder = preview.get();
    player()->setReportPreview(std::move(preview));
    workUpToTheFormula();
    finishFormula();
    const QString firstLabel = player()->answerLabels.at(0)->caption();

    program().main()->LMDstampaClick();
    QVERIFY(recorder->pdfWritten);
    QProcess process;
    process.start(pdftotext, { u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s });
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput()).simplified();
    for (const QString &expected : { u"Anna"_s, u"SHEET 1"_s, u"12+7=19"_s, u"ERRORS 1"_s })
        QVERIFY2(text.contains(expected), qPrintable(expected + u" not in: "_s + text));
    // Long labels may wrap in their cell; their first word is on the page.
    QVERIFY2(text.contains(firstLabel.section(u' ', 0, 0)), qPrintable(text));
}

QTEST_MAIN(TestPlayerProgress)
#include "tst_playerprogress.moc"
