#include "base/error.h"
#include "player/formularow.h"
#include "player/progressfile.h"
#include "playerfixture.h"
#include "storage/datafolders.h"
#include "storage/inifile.h"
#include "support/scripteddialogs.h"
#include "support/testinstallation.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ExerciseProgress)

namespace {

// A sheet of two question groups and a formula: "|CC|F".
const QString Kinds = u"CCF"_s;

ExerciseProgress freshState()
{
    ExerciseProgress fresh;
    fresh.sheet = 0;
    fresh.exercise = 3;
    fresh.exerciseFileName = u"SOL_INI\\Tipo0.INI"_s;
    fresh.questionPanelVisible = true;
    fresh.stepErrors = { 0, 0, 0, 0 };
    fresh.answerLabels = QVector<std::optional<QString>>(3);
    fresh.formulaFields = { { { 1, QString(), false }, { 2, QString(), true },
        { 3, QString(), false }, { 4, u"="_s, true }, { 5, QString(), false } } };
    return fresh;
}

// The pupil has answered both question groups and typed part of the formula.
ExerciseProgress midway()
{
    ExerciseProgress state = freshState();
    state.currentStep = 2;
    state.questionTag = 0;
    state.selectedOption = 1;
    state.questionPanelVisible = true;
    state.totalErrors = 3;
    state.stepErrors = { 1, 2, 0, 0 };
    state.answerLabels = { u"Luca ha 12 biglie"_s, u"Ne regala 5"_s, std::nullopt };
    state.formulaFields[0][0].text = u"12"_s;
    state.formulaFields[0][1].text = u"-"_s;
    return state;
}

ExerciseProgress finished(int exerciseState)
{
    ExerciseProgress state = midway();
    state.exerciseState = ExerciseState(exerciseState);
    state.currentStep = 3;
    state.questionPanelVisible = false;
    state.formulaFields[0][2].text = u"5"_s;
    state.formulaFields[0][4].text = u"7"_s;
    return state;
}

} // namespace

class TestProgressFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void fileName_data();
    void fileName();
    void dangerousNamesStayInTheTemporaryFolder_data();
    void dangerousNamesStayInTheTemporaryFolder();
    void exerciseKeys_data();
    void exerciseKeys();
    void resumeQuestionText();

    void saveWritesTheDocumentedLayout();
    void savingTwiceLeavesOneCleanSection();
    void saveKeepsOtherExercises();
    void leavingKeepsTheMostWork_data();
    void leavingKeepsTheMostWork();
    void failedSaveReportsTheFile();

    void roundTrip_data();
    void roundTrip();
    void sectionWithoutCurrentStepResumesFresh();
    void currentStepIsKeptWithinTheSteps_data();
    void currentStepIsKeptWithinTheSteps();
    void missingMarkersGiveFileError_data();
    void missingMarkersGiveFileError();
    void nothingToResume_data();
    void nothingToResume();
    void labelsOnlyForAnsweredQuestionGroups();

    void formulaFieldsRoundTrip();
    void progressOfAPlayerMidway();
    void fileDialogsOpenInTheDocumentsFolder_data();
    void fileDialogsOpenInTheDocumentsFolder();
    void noDocumentsFolderOpensNoDialog();

private:
    QString progressPath(const QString &pupil = u"anna"_s) const;
    Resume resume(const QString &file, ScriptedDialogs &dialogs, int *prepared = nullptr,
        int exercise = 3) const;

    std::unique_ptr<TestInstallation> m_installation;
};

void TestProgressFile::init()
{
    m_installation = std::make_unique<TestInstallation>();
    QVERIFY(m_installation->isValid());
}

QString TestProgressFile::progressPath(const QString &pupil) const
{
    return DataFolders(m_installation->folder()).resolve(pupilProgressFile(pupil));
}

Resume TestProgressFile::resume(
    const QString &file, ScriptedDialogs &dialogs, int *prepared, int exercise) const
{
    return LOADTEMP(file, 0, exercise, Kinds, dialogs, [prepared] {
        if (prepared)
            ++*prepared;
        return freshState();
    });
}

void TestProgressFile::fileName_data()
{
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<QString>("stored");

    QTest::newRow("plain") << u"anna"_s << u"SOL_TMP\\SOLVARO_ANNA.INI"_s;
    QTest::newRow("accented stays as typed") << u"élise"_s << u"SOL_TMP\\SOLVARO_éLISE.INI"_s;
    QTest::newRow("capitals and blanks")
        << u"Anna Maria "_s << u"SOL_TMP\\SOLVARO_ANNA MARIA .INI"_s;
    QTest::newRow("apostrophe") << u"D'Angelo"_s << u"SOL_TMP\\SOLVARO_D'ANGELO.INI"_s;
    QTest::newRow("one dot") << u"g.rossi"_s << u"SOL_TMP\\SOLVARO_G.ROSSI.INI"_s;
    QTest::newRow("sharp s") << u"strauß"_s << u"SOL_TMP\\SOLVARO_STRAUß.INI"_s;
    QTest::newRow("emoji") << u"ugo😀"_s << u"SOL_TMP\\SOLVARO_UGO😀.INI"_s;
}

void TestProgressFile::fileName()
{
    QFETCH(QString, pupil);
    QFETCH(QString, stored);
    QCOMPARE(pupilProgressFile(pupil), stored);
}

void TestProgressFile::dangerousNamesStayInTheTemporaryFolder_data()
{
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<QString>("namePart");

    QTest::newRow("parent folders") << u"../../etc/passwd"_s << u"______ETC_PASSWD"_s;
    QTest::newRow("backslashes") << u"..\\..\\x"_s << u"______X"_s;
    QTest::newRow("dots only") << u".."_s << u"__"_s;
    QTest::newRow("three dots") << u"a...b"_s << u"A___B"_s;
    QTest::newRow("absolute") << u"/tmp/x"_s << u"_TMP_X"_s;
    QTest::newRow("drive") << u"c:x"_s << u"C_X"_s;
    QTest::newRow("wildcards") << u"a*b?"_s << u"A_B_"_s;
    QTest::newRow("quotes and brackets") << u"\"<a>|\""_s << u"__A___"_s;
    QTest::newRow("control characters") << u"a\tb\nc\rd\u007fe"_s << u"A_B_C_D_E"_s;
    QTest::newRow("nul") << QString(u"a\0b"_s) << u"A_B"_s;
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + u"x"_s << u"_X"_s;
    QTest::newRow("very long") << QString(300, u'z') << QString(236, u'Z');
    QTest::newRow("very long, two bytes a letter") << QString(200, u'é') << QString(118, u'é');
}

void TestProgressFile::dangerousNamesStayInTheTemporaryFolder()
{
    QFETCH(QString, pupil);
    QFETCH(QString, namePart);
    QCOMPARE(progressFileNamePart(pupil), namePart);

    const QString path = progressPath(pupil);
    QVERIFY(!path.isEmpty());
    QCOMPARE(
        QFileInfo(path).absolutePath(), QDir(m_installation->path(u"SOL_TMP"_s)).absolutePath());

    ExerciseProgress state = midway();
    SAVETEMP(path, state);
    const QStringList written = QDir(m_installation->path(u"SOL_TMP"_s)).entryList(QDir::Files);
    QCOMPARE(written, QStringList { u"SOLVARO_"_s + namePart + u".INI"_s });
}

void TestProgressFile::exerciseKeys_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("key");

    QTest::newRow("first") << 0 << 0 << u"ID_000"_s;
    QTest::newRow("sheet 0, exercise 3") << 0 << 3 << u"ID_003"_s;
    QTest::newRow("sheet 1, exercise 2") << 1 << 2 << u"ID_012"_s;
    QTest::newRow("sheet 1, exercise 12") << 1 << 12 << u"ID_0112"_s;
    QTest::newRow("sheet 10, exercise 0") << 10 << 0 << u"ID_0100"_s;
}

void TestProgressFile::exerciseKeys()
{
    QFETCH(int, sheet);
    QFETCH(int, exercise);
    QFETCH(QString, key);
    QCOMPARE(exerciseKey(sheet, exercise), key);
}

void TestProgressFile::resumeQuestionText()
{
    QCOMPARE(resumeQuestion(2), u"Vuoi riprendere la copia salvata dell'eserizio num.3. ?"_s);
}

void TestProgressFile::saveWritesTheDocumentedLayout()
{
    SAVETEMP(progressPath(), midway());

    QCOMPARE(QString::fromUtf8(m_installation->readFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s)),
        u"[ISTORY]\r\n"
        "ERRORS_ID_003=3\r\n"
        "[ID_003]\r\n"
        "INIFILE=SOL_INI\\Tipo0.INI\r\n"
        "M0=0\r\n"
        "M1=0\r\n"
        "M2=3\r\n"
        "HLPNUM=0\r\n"
        "B1.tag=2\r\n"
        "E1.tag=0\r\n"
        "E1.itemindex=1\r\n"
        "E1sp.visible=1\r\n"
        "TOT_ERRORI=3\r\n"
        "ERRORE0=1\r\n"
        "ERRORE1=2\r\n"
        "ERRORE2=0\r\n"
        "ERRORE3=0\r\n"
        "LABEL0=Luca ha 12 biglie\r\n"
        "LABEL1=Ne regala 5\r\n"
        "TEDI_01=12\r\n"
        "TEDI_02=-\r\n"
        "TEDI_03=\r\n"
        "TEDI_04==\r\n"
        "TEDI_05=\r\n"_s);
}

void TestProgressFile::savingTwiceLeavesOneCleanSection()
{
    const QString file = progressPath();
    SAVETEMP(file, midway());
    ExerciseProgress later = midway();
    later.answerLabels[1].reset();
    later.totalErrors = 5;
    later.stepErrors[1] = 4;
    SAVETEMP(file, later);

    const IniFile ini(file);
    QCOMPARE(ini.sectionNames(), QStringList({ u"ISTORY"_s, u"ID_003"_s }));
    QVERIFY(!ini.keyExists(u"ID_003"_s, u"LABEL1"_s));
    QCOMPARE(ini.readInteger(u"ID_003"_s, u"ERRORE1"_s, -1), 4);
    QCOMPARE(ini.sectionLines(u"ISTORY"_s), QStringList { u"ERRORS_ID_003=5"_s });
    const QString text = QString::fromUtf8(m_installation->readFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s));
    QCOMPARE(text.count(u"[ID_003]"_s), 1);
    QCOMPARE(text.count(u"TOT_ERRORI"_s), 1);
}

void TestProgressFile::saveKeepsOtherExercises()
{
    const QString file = progressPath();
    ExerciseProgress other = midway();
    other.exercise = 1;
    SAVETEMP(file, other);
    SAVETEMP(file, midway());
    SAVETEMP(file, midway());

    const IniFile ini(file);
    QCOMPARE(ini.sectionNames(), QStringList({ u"ISTORY"_s, u"ID_001"_s, u"ID_003"_s }));
    QCOMPARE(
        ini.sectionLines(u"ISTORY"_s), QStringList({ u"ERRORS_ID_001=3"_s, u"ERRORS_ID_003=3"_s }));
}

void TestProgressFile::leavingKeepsTheMostWork_data()
{
    // The step of the record already saved (-1 for none; 3 is finished) and of
    // the exercise left.
    QTest::addColumn<int>("savedStep");
    QTest::addColumn<int>("currentStep");
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<bool>("written");

    QTest::newRow("first step") << -1 << 0 << false << false;
    QTest::newRow("second step") << -1 << 1 << false << true;
    QTest::newRow("finished") << -1 << 3 << false << true;
    QTest::newRow("teacher") << -1 << 2 << true << false;
    QTest::newRow("behind the saved step") << 2 << 1 << false << false;
    QTest::newRow("at the saved step") << 2 << 2 << false << true;
    QTest::newRow("unfinished over finished") << 3 << 2 << false << false;
    QTest::newRow("finished again") << 3 << 3 << false << true;
}

void TestProgressFile::leavingKeepsTheMostWork()
{
    QFETCH(int, savedStep);
    QFETCH(int, currentStep);
    QFETCH(bool, editMode);
    QFETCH(bool, written);
    const auto atStep = [](int step) {
        ExerciseProgress state = step == 3 ? finished(SolvedByPupil) : midway();
        state.currentStep = step;
        return state;
    };
    if (savedStep >= 0)
        SAVETEMP(progressPath(), atStep(savedStep));
    ExerciseProgress state = atStep(currentStep);
    state.totalErrors = 9;

    QCOMPARE(saveLeftExercise(progressPath(), state, editMode), written);
    const IniFile saved(progressPath());
    QCOMPARE(saved.readInteger(u"ID_003"_s, u"TOT_ERRORI"_s, -1),
        written              ? 9
            : savedStep >= 0 ? 3
                             : -1);
}

void TestProgressFile::failedSaveReportsTheFile()
{
    QVERIFY(QDir(m_installation->path(u"SOL_TMP"_s)).removeRecursively());
    const QString file = progressPath();
    try {
        SAVETEMP(file, midway());
        QFAIL("no error");
    } catch (const Error &error) {
        QCOMPARE(error.message(), u"Unable to write to "_s + file);
    }
    QVERIFY(!QFileInfo::exists(m_installation->path(u"SOL_TMP"_s)));
}

void TestProgressFile::roundTrip_data()
{
    QTest::addColumn<ExerciseProgress>("saved");
    QTest::newRow("midway") << midway();
    QTest::newRow("solved by the pupil") << finished(3);
    QTest::newRow("solved by the solution") << finished(4);
    ExerciseProgress hidden = midway();
    hidden.questionPanelVisible = false;
    hidden.questionTag = 7;
    hidden.selectedOption = -1;
    QTest::newRow("question panel hidden") << hidden;
}

void TestProgressFile::roundTrip()
{
    QFETCH(ExerciseProgress, saved);
    const QString file = progressPath();
    SAVETEMP(file, saved);
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = { true };
    int prepared = 0;

    const Resume resumed = resume(file, dialogs, &prepared);

    QCOMPARE(dialogs.questions, QStringList { resumeQuestion(3) });
    QCOMPARE(dialogs.messages, QStringList {});
    QCOMPARE(prepared, 1);
    QVERIFY(resumed.resumed());
    QCOMPARE(resumed.outcome, ResumeOutcome::Restored);
    ExerciseProgress expected = saved;
    if (saved.currentStep >= Kinds.size()) {
        // A finished exercise has no question group to restore.
        expected.questionTag = freshState().questionTag;
        expected.selectedOption = freshState().selectedOption;
    }
    QCOMPARE(resumed.progress, expected);
}

void TestProgressFile::sectionWithoutCurrentStepResumesFresh()
{
    m_installation->writeFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s,
        "[ID_003]\r\nM0=0\r\nM1=0\r\nM2=3\r\nTOT_ERRORI=9\r\nLABEL0=x\r\n");
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = { true };

    const Resume resumed = resume(progressPath(), dialogs);

    QCOMPARE(resumed.outcome, ResumeOutcome::Fresh);
    QCOMPARE(dialogs.messages, QStringList {});
    QCOMPARE(resumed.progress, freshState());
}

void TestProgressFile::currentStepIsKeptWithinTheSteps_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("currentStep");

    QTest::newRow("past the end") << QByteArray("99") << int(ResumeOutcome::Restored) << 3;
    QTest::newRow("negative") << QByteArray("-4") << int(ResumeOutcome::Fresh) << 0;
    QTest::newRow("not a number") << QByteArray("two") << int(ResumeOutcome::Fresh) << 0;
}

void TestProgressFile::currentStepIsKeptWithinTheSteps()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, outcome);
    QFETCH(int, currentStep);
    m_installation->writeFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s,
        "[ID_003]\r\nM0=0\r\nM1=0\r\nM2=3\r\nB1.tag=" + stored + "\r\n");
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = { true };

    const Resume resumed = resume(progressPath(), dialogs);

    QCOMPARE(int(resumed.outcome), outcome);
    QCOMPARE(resumed.progress.currentStep, currentStep);
}

void TestProgressFile::missingMarkersGiveFileError_data()
{
    QTest::addColumn<QByteArray>("section");

    QTest::newRow("no M0") << QByteArray("M1=0\r\nM2=3\r\nB1.tag=2\r\n");
    QTest::newRow("no M1") << QByteArray("M0=0\r\nM2=3\r\nB1.tag=2\r\n");
    QTest::newRow("no M2") << QByteArray("M0=0\r\nM1=0\r\nB1.tag=2\r\n");
    QTest::newRow("M0 of -1") << QByteArray("M0=-1\r\nM1=0\r\nM2=3\r\n");
    QTest::newRow("empty section") << QByteArray();
}

void TestProgressFile::missingMarkersGiveFileError()
{
    QFETCH(QByteArray, section);
    m_installation->writeFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s, "[ID_003]\r\n" + section);
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = { true };
    int prepared = 0;

    const Resume resumed = resume(progressPath(), dialogs, &prepared);

    QCOMPARE(resumed.outcome, ResumeOutcome::FileError);
    QVERIFY(resumed.resumed());
    QCOMPARE(dialogs.messages, QStringList { u"File Error"_s });
    // The sheet was rebuilt before the markers were read.
    QCOMPARE(prepared, 1);
    QCOMPARE(resumed.progress, freshState());
}

void TestProgressFile::nothingToResume_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");

    const QByteArray saved = "[ID_003]\r\nM0=0\r\nM1=0\r\nM2=3\r\nB1.tag=1\r\n";
    QTest::newRow("no file") << QByteArray() << 3 << QList<bool> {} << 0;
    QTest::newRow("another exercise") << saved << 4 << QList<bool> {} << 0;
    QTest::newRow("answered no") << saved << 3 << QList<bool> { false } << 1;
    // Sheet 0, exercise 3 and a section of the same key saved from elsewhere.
    QTest::newRow("key of another sheet")
        << QByteArray("[ID_003]\r\nM0=0\r\nM1=3\r\nM2=0\r\nB1.tag=1\r\n") << 3 << QList<bool> {}
        << 0;
}

void TestProgressFile::nothingToResume()
{
    QFETCH(QByteArray, content);
    QFETCH(int, exercise);
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    if (!content.isEmpty())
        m_installation->writeFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s, content);
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = answers;
    int prepared = 0;

    const Resume resumed = resume(progressPath(), dialogs, &prepared, exercise);

    QVERIFY(!resumed.resumed());
    QCOMPARE(dialogs.questions.size(), questions);
    QCOMPARE(prepared, 0);
    QCOMPARE(dialogs.messages, QStringList {});
}

void TestProgressFile::labelsOnlyForAnsweredQuestionGroups()
{
    m_installation->writeFile(u"SOL_TMP/SOLVARO_ANNA.INI"_s,
        "[ID_003]\r\nM0=0\r\nM1=0\r\nM2=3\r\nB1.tag=1\r\n"
        "LABEL0=NO LABEL\r\nLABEL1=later\r\nLABEL2=formula\r\n");
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = { true };

    const Resume resumed = resume(progressPath(), dialogs);

    QCOMPARE(resumed.outcome, ResumeOutcome::Restored);
    QCOMPARE(resumed.progress.answerLabels, QVector<std::optional<QString>>(3));
}

void TestProgressFile::formulaFieldsRoundTrip()
{
    QVector<FormulaRow> rows = buildFormulaRows(u"FE"_s, { u"AoB=X"_s, u"Yo?Xo"_s }, false);
    rows[0].field(1)->text = u"12"_s;
    rows[0].field(2)->text = u"X"_s;
    rows[1].field(5)->text = u"km"_s;
    const QVector<QVector<SavedField>> saved = savedFields(rows);
    QCOMPARE(saved.size(), 2);
    QCOMPARE(saved[0].size(), 5);
    QCOMPARE(saved[0][1], (SavedField { 2, u"X"_s, true }));
    QCOMPARE(saved[1][4], (SavedField { 5, u"km"_s, false }));

    QVector<FormulaRow> fresh = buildFormulaRows(u"FE"_s, { u"AoB=X"_s, u"Yo?Xo"_s }, false);
    restoreFields(fresh, saved);
    QCOMPARE(savedFields(fresh), saved);
}

void TestProgressFile::progressOfAPlayerMidway()
{
    PlayerFixture f(u"CCF"_s, { u"AoB=X"_s }, { 5, 65, 121 });
    f.groups[0] = QStringList { u"Giusta"_s, u"Sbagliata"_s };
    f.load(3);
    f.steps().answer(1);
    f.tickUntilIdle();
    f.steps().answer(0);
    f.tickUntilIdle();
    f.type(0, { u"12"_s });

    const ExerciseProgress progress = progressOf(f.steps(), f.player.formulas());

    QCOMPARE(progress.exercise, 3);
    QCOMPARE(progress.currentStep, 1);
    QCOMPARE(progress.exerciseState, 0);
    QCOMPARE(progress.totalErrors, 1);
    QCOMPARE(progress.stepErrors, QVector<int>({ 1, 0, 0, 0 }));
    QCOMPARE(progress.answerLabels,
        QVector<std::optional<QString>>({ u"Giusta"_s, std::nullopt, std::nullopt }));
    QCOMPARE(progress.formulaFields.size(), 1);
    QCOMPARE(progress.formulaFields[0].size(), 5);
    QCOMPARE(progress.formulaFields[0][0], (SavedField { 1, u"12"_s, false }));
    QCOMPARE(progress.formulaFields[0][3], (SavedField { 4, u"="_s, true }));
}

void TestProgressFile::fileDialogsOpenInTheDocumentsFolder_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("save") << true;
    QTest::newRow("load") << false;
}

void TestProgressFile::fileDialogsOpenInTheDocumentsFolder()
{
    QFETCH(bool, save);
    ScriptedDialogs dialogs;
    dialogs.fileAnswers = { u"/home/anna/Documents/compiti.INI"_s };
    const auto documents = [] { return u"/home/anna/Documents"_s; };

    const QString chosen = save ? chooseProgressFileToSave(dialogs, documents)
                                : chooseProgressFileToLoad(dialogs, documents);

    QCOMPARE(chosen, u"/home/anna/Documents/compiti.INI"_s);
    QCOMPARE(dialogs.lastFolder, u"/home/anna/Documents"_s);
    QCOMPARE(dialogs.lastFilter, u"*.ini (*.ini *.INI)"_s);
}

void TestProgressFile::noDocumentsFolderOpensNoDialog()
{
    ScriptedDialogs dialogs;
    const auto nowhere = [] { return QString(); };

    QCOMPARE(chooseProgressFileToSave(dialogs, nowhere), QString());
    QCOMPARE(dialogs.messages, QStringList { u"Could not find MyDocuments folder location."_s });
    QCOMPARE(dialogs.lastFolder, QString());
}

QTEST_APPLESS_MAIN(TestProgressFile)
#include "tst_progressfile.moc"
