#include "player/resultreport.h"
#include "storage/datafolders.h"
#include "support/scripteddialogs.h"
#include "support/testinstallation.h"
#include "ui/report/reportengine.h"
#include "ui/report/reportpreview.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

// Remembers the sheets it was asked to show.
class RecordingPreview final : public ReportPreview
{
public:
    void showReport(const ReportEngine &engine) override { shown.append(engine.preparedPages()); }

    QList<QList<PreparedPage>> shown;
};

// A pupil who solved the second exercise of the sample's second sheet.
ReportInput solvedExercise()
{
    ReportInput input;
    input.pupilName = u"Élise Rossi"_s;
    input.sheetLabel = u"SHEET 2"_s;
    input.exerciseLabel = u"EXERCISE 2/6"_s;
    input.errorsLabel = u"ERRORS 3"_s;
    input.problemText
        = u"In un negozio ci sono 12 scatole con 3 matite ciascuna. Quante matite ci sono?"_s;
    input.rawScheme = u"|CC|F"_s;
    input.stepKinds = u"CCF"_s;
    input.sectionCaptions = { u"Leggi il problema"_s, u"Calcola"_s };
    input.now = QDateTime(QDate(2024, 3, 5), QTime(10, 30, 0));
    input.locale = QLocale(QLocale::Italian, QLocale::Italy);
    ExerciseProgress &progress = input.progress;
    progress.sheet = 1;
    progress.exercise = 1;
    progress.exerciseState = SolvedByPupil;
    progress.currentStep = 3;
    progress.totalErrors = 3;
    progress.stepErrors = { 0, 3, 0, 0 };
    progress.answerLabels
        = { u"Le scatole sono 12"_s, u"Ogni scatola ha 3 matite"_s, std::nullopt };
    progress.formulaFields = { { { 1, u"12"_s, false }, { 2, u"*"_s, true }, { 3, u"3"_s, false },
        { 4, u"="_s, true }, { 5, u"36"_s, false } } };
    return input;
}

QList<const PreparedObject *> objectsNamed(const QList<PreparedPage> &pages, const QString &name)
{
    QList<const PreparedObject *> found;
    for (const PreparedPage &page : pages) {
        for (const PreparedObject &object : page.objects) {
            if (object.object.name == name)
                found.append(&object);
        }
    }
    return found;
}

QStringList textsNamed(const QList<PreparedPage> &pages, const QString &name)
{
    QStringList texts;
    for (const PreparedObject *object : objectsNamed(pages, name))
        texts.append(object->text);
    return texts;
}

} // namespace

class TestResultReport : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sampleTemplateHasEveryObjectTheProgramChanges();
    void reportShowsTheExercise();
    void sectionRowsLookApart();
    void badgeAfterTheSolution();
    void bracketsInANameArePrintedAsTyped();
    void pdfHoldsNameSheetAndAnswers();
    void missingTemplateIsToldAndNothingShown();
    void templateWithoutTheProgramsObjectsStillPrints();

private:
    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<DataFolders> m_folders;
    ScriptedDialogs m_dialogs;
    RecordingPreview m_preview;
};

void TestResultReport::init()
{
    m_installation = std::make_unique<TestInstallation>();
    QVERIFY(m_installation->isValid());
    m_installation->copySample();
    m_folders = std::make_unique<DataFolders>(m_installation->folder());
    m_dialogs = ScriptedDialogs();
    m_preview.shown.clear();
}

void TestResultReport::sampleTemplateHasEveryObjectTheProgramChanges()
{
    ReportEngine engine;
    engine.setPictureResolver([this](const QString &stored) { return m_folders->resolve(stored); });
    QVERIFY2(engine.loadFromFile(m_folders->resolve(ResultReport::templateFile)),
        qPrintable(engine.errorString()));
    for (const QString &name : { reportObject::sheet, reportObject::exercise, reportObject::errors,
             reportObject::problemText, reportObject::pupilName, reportObject::errorsCell,
             reportObject::smileyCell, reportObject::answerCell }) {
        QVERIFY2(engine.findObject(name), qPrintable(name));
        QCOMPARE(engine.findObject(name)->kind, ReportObject::Kind::Text);
    }
    for (const QString &name : { reportObject::helpBadge, reportObject::tenBadge,
             reportObject::green, reportObject::yellow, reportObject::red }) {
        QVERIFY2(engine.findObject(name), qPrintable(name));
        QVERIFY2(!engine.findObject(name)->picture.isNull(), qPrintable(name));
    }
    for (const QString &name : { u"DATA"_s, u"ORA"_s, u"ERR"_s, u"DOMAN"_s, u"SMILE"_s })
        QVERIFY(engine.reportTemplate().isVariable(name));
}

void TestResultReport::reportShowsTheExercise()
{
    ResultReport report(*m_folders, m_dialogs, m_preview);

    QVERIFY(report.STAMPA(solvedExercise()));

    QCOMPARE(m_dialogs.messages, QStringList {});
    QCOMPARE(m_preview.shown.size(), 1);
    const QList<PreparedPage> &pages = m_preview.shown.constFirst();
    QCOMPARE(pages.size(), 1);
    QCOMPARE(textsNamed(pages, u"memo7"_s), QStringList { u"Élise Rossi"_s });
    QCOMPARE(textsNamed(pages, u"memo0"_s), QStringList { u"SHEET 2"_s });
    QCOMPARE(textsNamed(pages, u"memo2"_s), QStringList { u"EXERCISE 2/6"_s });
    QCOMPARE(textsNamed(pages, u"memo4"_s), QStringList { u"ERRORS 3"_s });
    QCOMPARE(textsNamed(pages, u"memo3"_s), QStringList { solvedExercise().problemText });
    QCOMPARE(textsNamed(pages, u"Memo29"_s),
        QStringList({ u"Leggi il problema"_s, u"Le scatole sono 12"_s,
            u"Ogni scatola ha 3 matite"_s, u"Calcola"_s, u"12X3=36"_s }));
    QCOMPARE(textsNamed(pages, u"Memo1"_s),
        QStringList({ QString(), u"0"_s, u"3"_s, QString(), u"0"_s }));
    QCOMPARE(objectsNamed(pages, u"VERDE"_s).size(), 2);
    QCOMPARE(objectsNamed(pages, u"GIALLO"_s).size(), 1);
    QCOMPARE(objectsNamed(pages, u"ROSSO"_s).size(), 0);
    QCOMPARE(objectsNamed(pages, u"Dieci"_s).size(), 1);
    QCOMPARE(objectsNamed(pages, u"Help"_s).size(), 0);
    const QStringList dated = textsNamed(pages, u"DataOra"_s);
    QCOMPARE(dated.size(), 1);
    QVERIFY2(dated.constFirst().startsWith(u"05/03/24"_s), qPrintable(dated.constFirst()));
    QVERIFY2(dated.constFirst().contains(u"10:30:00"_s), qPrintable(dated.constFirst()));
}

void TestResultReport::sectionRowsLookApart()
{
    ResultReport report(*m_folders, m_dialogs, m_preview);
    ReportEngine engine;
    QVERIFY(report.build(solvedExercise(), engine));

    QList<QColor> fills;
    for (const PreparedObject *cell : objectsNamed(engine.preparedPages(), u"Memo29"_s))
        fills.append(cell->object.fillColor);
    const QColor silver(192, 192, 192);
    const QColor white(Qt::white);
    QCOMPARE(fills, QList<QColor>({ silver, white, white, silver, white }));
    QList<QColor> errorFrames;
    for (const PreparedObject *cell : objectsNamed(engine.preparedPages(), u"Memo1"_s))
        errorFrames.append(cell->object.frameColor);
    const QColor black(Qt::black);
    QCOMPARE(errorFrames, QList<QColor>({ white, black, black, white, black }));
}

void TestResultReport::badgeAfterTheSolution()
{
    ReportInput input = solvedExercise();
    input.progress.exerciseState = SolvedBySolution;
    ResultReport report(*m_folders, m_dialogs, m_preview);
    ReportEngine engine;
    QVERIFY(report.build(input, engine));

    QCOMPARE(objectsNamed(engine.preparedPages(), u"Help"_s).size(), 1);
    QCOMPARE(objectsNamed(engine.preparedPages(), u"Dieci"_s).size(), 0);
    QCOMPARE(objectsNamed(engine.preparedPages(), u"GIALLO"_s).size(), 3);
    QCOMPARE(objectsNamed(engine.preparedPages(), u"VERDE"_s).size(), 0);
}

void TestResultReport::bracketsInANameArePrintedAsTyped()
{
    ReportInput input = solvedExercise();
    input.pupilName = u"[DOMAN] [ERR]"_s;
    ResultReport report(*m_folders, m_dialogs, m_preview);
    ReportEngine engine;
    QVERIFY(report.build(input, engine));

    QCOMPARE(textsNamed(engine.preparedPages(), u"memo7"_s), QStringList { u"[DOMAN] [ERR]"_s });
    QCOMPARE(textsNamed(engine.preparedPages(), u"Memo29"_s).constFirst(), u"Leggi il problema"_s);
}

void TestResultReport::pdfHoldsNameSheetAndAnswers()
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    ResultReport report(*m_folders, m_dialogs, m_preview);
    ReportEngine engine;
    QVERIFY(report.build(solvedExercise(), engine));
    const QString pdf = m_installation->path(u"SOL_TMP/risultati.pdf"_s);
    QVERIFY(engine.exportPdf(pdf));

    QProcess process;
    process.start(pdftotext, { u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString &expected : { u"Élise Rossi"_s, u"SHEET 2"_s, u"EXERCISE 2/6"_s,
             u"ERRORS 3"_s, u"Le scatole sono 12"_s, u"Ogni scatola ha 3 matite"_s, u"12X3=36"_s,
             u"Leggi il problema"_s, u"Scheda dei risultati"_s })
        QVERIFY2(text.contains(expected), qPrintable(expected + u" not in:\n"_s + text));
}

void TestResultReport::missingTemplateIsToldAndNothingShown()
{
    QVERIFY(QFile::remove(m_folders->resolve(ResultReport::templateFile)));
    ResultReport report(*m_folders, m_dialogs, m_preview);

    QVERIFY(!report.STAMPA(solvedExercise()));

    const QString path = m_folders->resolve(ResultReport::templateFile);
    QCOMPARE(
        m_dialogs.messages, QStringList { u"The report template %1 was not found."_s.arg(path) });
    QVERIFY(m_preview.shown.isEmpty());
}

void TestResultReport::templateWithoutTheProgramsObjectsStillPrints()
{
    m_installation->writeFile(u"SOL_INI/stampaV.frf"_s, R"([Variables variabili]
DOMAN=
[Page P]
[Band Rows]
Kind=Data
Height=8
[Text Answer]
Band=Rows
Width=100
Height=8
Text=[DOMAN]
)");
    ResultReport report(*m_folders, m_dialogs, m_preview);

    QVERIFY(report.STAMPA(solvedExercise()));

    QCOMPARE(m_dialogs.messages, QStringList {});
    QCOMPARE(m_preview.shown.size(), 1);
    QCOMPARE(textsNamed(m_preview.shown.constFirst(), u"Answer"_s).size(), 5);
    QCOMPARE(textsNamed(m_preview.shown.constFirst(), u"Answer"_s).constLast(), u"12X3=36"_s);
}

QTEST_MAIN(TestResultReport)
#include "tst_resultreport.moc"
